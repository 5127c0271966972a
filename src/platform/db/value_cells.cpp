#include "platform/db/value_cells.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace rg_qelvane_windows_ShuJuKu {

namespace {

using rg_qelvane_base::CQelComVariant;
using rg_qelvane_base::CWString;

enum class CCellTag : std::uint8_t { Empty, Null, Bool, Integer, Real, Text };
constexpr std::size_t TagSize = 1, TextLengthSize = sizeof(std::uint32_t);

template <typename Number>
void AppendNumber(std::string& cells, Number value) {
    cells.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename Number>
Number NumberAt(std::string_view bytes) {
    Number value{};
    std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

// The length of the first cell; 0 when it is not there whole or is no cell.
std::size_t CellLength(std::string_view cells) {
    if (cells.empty()) return 0;
    const auto tag = static_cast<CCellTag>(cells[0]);
    const std::string_view payload = cells.substr(TagSize);
    std::size_t length = 0;
    switch (tag) {
        case CCellTag::Empty:
        case CCellTag::Null: return TagSize;
        case CCellTag::Bool:
            if (payload.empty() || static_cast<std::uint8_t>(payload[0]) > 1) return 0;
            return TagSize + 1;
        case CCellTag::Integer:
        case CCellTag::Real: length = sizeof(std::uint64_t); break;
        case CCellTag::Text:
            if (payload.size() < TextLengthSize) return 0;
            length = NumberAt<std::uint32_t>(payload);
            if (length % sizeof(char16_t)) return 0;
            length += TextLengthSize;
            break;
        default: return 0;
    }
    return length <= payload.size() ? TagSize + length : 0;
}

}  // namespace

void AppendCell(std::string& cells, const CQelComVariant& value) {
    value.Visit([&cells](const auto& held) {
        using Held = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<Held, std::monostate>) {
            AppendNumber(cells, CCellTag::Empty);
        } else if constexpr (std::is_same_v<Held, CQelComVariant::NullValue>) {
            AppendNumber(cells, CCellTag::Null);
        } else if constexpr (std::is_same_v<Held, bool>) {
            AppendNumber(cells, CCellTag::Bool);
            AppendNumber(cells, static_cast<std::uint8_t>(held));
        } else if constexpr (std::is_same_v<Held, long long>) {
            AppendNumber(cells, CCellTag::Integer);
            AppendNumber(cells, static_cast<std::int64_t>(held));
        } else if constexpr (std::is_same_v<Held, double>) {
            AppendNumber(cells, CCellTag::Real);
            AppendNumber(cells, held);
        } else {
            AppendNumber(cells, CCellTag::Text);
            AppendNumber(cells, static_cast<std::uint32_t>(held.size() * sizeof(char16_t)));
            cells.append(reinterpret_cast<const char*>(held.data()), held.size() * sizeof(char16_t));
        }
    });
}

std::optional<std::size_t> CellsLength(std::string_view cells, std::size_t count) {
    std::size_t total = 0;
    for (; count; --count) {
        const std::size_t length = CellLength(cells.substr(total));
        if (!length) return std::nullopt;
        total += length;
    }
    return total;
}

CQelComVariant ReadCell(std::string_view cells) {
    const std::string_view payload = cells.substr(TagSize);
    switch (static_cast<CCellTag>(cells[0])) {
        case CCellTag::Null: return CQelComVariant::Null();
        case CCellTag::Bool: return payload[0] != 0;
        case CCellTag::Integer: return static_cast<long long>(NumberAt<std::int64_t>(payload));
        case CCellTag::Real: return NumberAt<double>(payload);
        case CCellTag::Text: {
            CWString text(NumberAt<std::uint32_t>(payload) / sizeof(char16_t), u'\0');
            std::memcpy(text.data(), payload.data() + TextLengthSize, text.size() * sizeof(char16_t));
            return text;
        }
        default: return {};
    }
}

}  // namespace rg_qelvane_windows_ShuJuKu
