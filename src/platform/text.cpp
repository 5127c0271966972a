#include "platform/text.h"

#include "platform/encoding.h"

namespace rg_qelvane_base {

bool IsTrimmedAway(char16_t c) { return c <= 32 || c == 0x3000; }

CWString CWString::Trimmed() const {
    size_t begin = 0, end = size();
    while (begin < end && IsTrimmedAway((*this)[begin])) ++begin;
    while (end > begin && IsTrimmedAway((*this)[end - 1])) --end;
    return CWString(std::u16string_view(*this).substr(begin, end - begin));
}

CWString CWString::ReplacedAll(std::u16string_view from, std::u16string_view to) const {
    if (from.empty()) return *this;
    CWString out;
    out.reserve(size());
    size_t pos = 0;
    for (size_t hit; (hit = find(from, pos)) != npos; pos = hit + from.size()) {
        out.append(*this, pos, hit - pos);
        out.append(to);
    }
    out.append(*this, pos, npos);
    return out;
}

CWString CWString::Mid(long long start, long long count) const {
    long long len = static_cast<long long>(size());
    if (start < 0) start = 0;
    if (start >= len || count == 0) return {};
    if (count < 0 || start + count > len) count = len - start;
    return CWString(substr(static_cast<size_t>(start), static_cast<size_t>(count)));
}

CWString CWString::Right(long long count) const {
    long long len = static_cast<long long>(size());
    if (count <= 0) return {};
    return count >= len ? *this : Mid(len - count);
}

int CWString::Find(std::u16string_view part, long long start) const {
    if (start < 0) start = 0;
    if (static_cast<size_t>(start) > size()) return -1;
    size_t hit = find(part, static_cast<size_t>(start));
    return hit == npos ? -1 : static_cast<int>(hit);
}

CWString CWString::Format(std::u16string_view format, std::initializer_list<FormatArg> args) {
    CWString out;
    out.reserve(format.size() + 16 * args.size());
    auto next = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        char16_t c = format[i];
        if (c != u'%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        char16_t conversion = format[i + 1];
        if (conversion == u'%') {
            out += u'%';
            ++i;
        } else if ((conversion == u's' || conversion == u'd') && next != args.end()) {
            if (conversion == u's' && std::holds_alternative<std::u16string_view>(*next))
                out += std::get<std::u16string_view>(*next);
            else if (conversion == u'd' && std::holds_alternative<int>(*next))
                out += CWString::FromUtf8(std::to_string(std::get<int>(*next)));
            ++next;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

CWString CWString::FromUtf8(std::string_view utf8) { return Utf8ToUtf16(utf8); }
std::string CWString::ToUtf8() const { return Utf16ToUtf8(*this); }

int SplitText(std::u16string_view text, rg_WenBenShuZuLei& out, std::u16string_view separator, bool dropEmpty) {
    out.clear();
    if (text.empty()) return 0;
    if (separator.empty()) {
        out.emplace_back(text);
        return 1;
    }
    size_t pos = 0;
    while (true) {
        size_t hit = text.find(separator, pos);
        CWString piece =
            CWString(text.substr(pos, hit == std::u16string_view::npos ? std::u16string_view::npos : hit - pos))
                .Trimmed();
        if (!(dropEmpty && piece.empty())) out.push_back(std::move(piece));
        if (hit == std::u16string_view::npos) break;
        pos = hit + separator.size();
    }
    return static_cast<int>(out.size());
}

rg_WenBenShuZuLei SplitText(std::u16string_view text, std::u16string_view separator, bool dropEmpty) {
    rg_WenBenShuZuLei out;
    SplitText(text, out, separator, dropEmpty);
    return out;
}

char16_t AsciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }
char16_t AsciiUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }

CWString AsciiUpperText(std::u16string_view text) {
    CWString out(text);
    for (auto& c : out) c = AsciiUpper(c);
    return out;
}

bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

CWString Joined(std::initializer_list<std::u16string_view> parts) {
    size_t length = 0;
    for (std::u16string_view part : parts) length += part.size();
    CWString joined;
    joined.reserve(length);
    for (std::u16string_view part : parts) joined += part;
    return joined;
}

int TextToInt(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > 2147483648LL) value = 2147483648LL;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) value = 2147483647LL;
    return static_cast<int>(value);
}

}  // namespace rg_qelvane_base
