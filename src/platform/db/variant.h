#pragma once
// The value of one field of a record set, with the conversion rules of the
// system's variants: what a field reads as text and as a flag.
#include <utility>
#include <variant>

#include "platform/text.h"

namespace rg_qelvane_base {

class CQelComVariant {
public:
    // Empty: a field that does not exist, or a row that is not there.
    CQelComVariant() = default;
    static CQelComVariant Null();
    CQelComVariant(bool value) : m_value(value) {}
    CQelComVariant(int value) : m_value(static_cast<long long>(value)) {}
    CQelComVariant(long long value) : m_value(value) {}
    CQelComVariant(double value) : m_value(value) {}
    CQelComVariant(CWString value) : m_value(std::move(value)) {}
    CQelComVariant(const char16_t* value) : m_value(CWString(value)) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
    bool IsNull() const { return std::holds_alternative<NullValue>(m_value); }

    // Empty and NULL give the empty text; true gives "-1", false "0";
    // numbers their shortest decimal form.
    static CWString ToText(const CQelComVariant& value);
    // Numbers are true when not zero; texts "true"/"false" (any case) or a
    // number; anything else (empty, NULL, other texts) is false.
    static bool ToBool(const CQelComVariant& value);

    bool operator==(const CQelComVariant&) const = default;

    struct NullValue {
        bool operator==(const NullValue&) const = default;
    };
    // Calls `visitor` with the value as it is held: std::monostate (empty),
    // NullValue, bool, long long, double or CWString.
    template <typename Visitor>
    decltype(auto) Visit(Visitor&& visitor) const {
        return std::visit(std::forward<Visitor>(visitor), m_value);
    }

private:
    std::variant<std::monostate, NullValue, bool, long long, double, CWString> m_value;
};

}  // namespace rg_qelvane_base
