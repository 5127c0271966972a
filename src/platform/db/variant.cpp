#include "platform/db/variant.h"

#include <charconv>
#include <string>

namespace rg_qelvane_base {

CQelComVariant CQelComVariant::Null() {
    CQelComVariant value;
    value.m_value = NullValue{};
    return value;
}

CWString CQelComVariant::ToText(const CQelComVariant& value) {
    struct Visitor {
        CWString operator()(std::monostate) const { return {}; }
        CWString operator()(NullValue) const { return {}; }
        CWString operator()(bool b) const { return b ? u"-1" : u"0"; }
        CWString operator()(long long n) const { return CWString::FromUtf8(std::to_string(n)); }
        CWString operator()(double d) const {
            char buffer[64];
            auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, d);
            return error == std::errc{} ? CWString::FromUtf8(std::string_view(buffer, end - buffer)) : CWString{};
        }
        CWString operator()(const CWString& text) const { return text; }
    };
    return std::visit(Visitor{}, value.m_value);
}

namespace {

bool TextToBool(const CWString& text) {
    if (EqualsIgnoringAsciiCase(text, u"true")) return true;
    if (EqualsIgnoringAsciiCase(text, u"false")) return false;
    const std::string narrow = text.Trimmed().ToUtf8();
    double number = 0;
    auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), number);
    return error == std::errc{} && end == narrow.data() + narrow.size() && !narrow.empty() && number != 0;
}

}  // namespace

bool CQelComVariant::ToBool(const CQelComVariant& value) {
    struct Visitor {
        bool operator()(std::monostate) const { return false; }
        bool operator()(NullValue) const { return false; }
        bool operator()(bool b) const { return b; }
        bool operator()(long long n) const { return n != 0; }
        bool operator()(double d) const { return d != 0; }
        bool operator()(const CWString& text) const { return TextToBool(text); }
    };
    return std::visit(Visitor{}, value.m_value);
}

}  // namespace rg_qelvane_base
