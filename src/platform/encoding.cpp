#include "platform/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace rg_qelvane_base {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

void AppendCodePoint(std::u16string& out, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
        out += static_cast<char16_t>(cp);
    }
}

// One direction of conversion, opened once per thread that converts: opening
// costs far more than converting a line, and tables are read a line at a time.
class CConverter {
public:
    CConverter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~CConverter() {
        if (Opened()) iconv_close(m_cd);
    }
    CConverter(const CConverter&) = delete;
    CConverter& operator=(const CConverter&) = delete;

    // The whole input converted; a byte it cannot convert becomes `bad` and
    // conversion goes on behind it.
    std::string Convert(std::string_view in, std::string_view bad, size_t unit) {
        if (!Opened()) return {};
        std::string out;
        char buffer[4096];
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        while (left > 0) {
            char* dst = buffer;
            size_t room = sizeof buffer;
            size_t r = iconv(m_cd, &src, &left, &dst, &room);
            out.append(buffer, dst);
            if (r == static_cast<size_t>(-1) && errno != E2BIG) {
                out.append(bad);
                size_t skip = std::min(unit, left);
                src += skip;
                left -= skip;
            }
        }
        // Ends the conversion and leaves the converter in its initial state for the next one.
        char* dst = buffer;
        size_t room = sizeof buffer;
        iconv(m_cd, nullptr, nullptr, &dst, &room);
        out.append(buffer, dst);
        return out;
    }

private:
    bool Opened() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    iconv_t m_cd;
};

}  // namespace

std::u16string Utf8ToUtf16(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out += static_cast<char16_t>(b);
            ++i;
            continue;
        }
        int extra = b >= 0xF0 && b < 0xF5 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : -1;
        if (b >= 0xF5) extra = -1;
        char32_t cp = extra == 3 ? (b & 0x07) : extra == 2 ? (b & 0x0F) : (b & 0x1F);
        bool ok = extra > 0;
        for (int k = 1; ok && k <= extra; ++k) {
            if (i + k >= s.size()) {
                ok = false;
                break;
            }
            unsigned char c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        if (ok && ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
                   (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))))
            ok = false;
        if (!ok) {
            out += kReplacement;
            ++i;
            continue;
        }
        AppendCodePoint(out, cp);
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size() * 3);
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::u16string Utf16LeToText(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        out += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
    return out;
}

std::string TextToUtf16Le(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    auto put = [&out](char16_t unit) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            put(c);
            put(text[++i]);
        } else {
            put(c >= 0xD800 && c <= 0xDFFF ? kReplacement : c);
        }
    }
    return out;
}

std::u16string AnsiToUtf16(std::string_view ansi) {
    bool ascii = true;
    for (char c : ansi) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return std::u16string(ansi.begin(), ansi.end());
    thread_local CConverter fromAnsi("UTF-16LE", "GB18030");
    std::string le = fromAnsi.Convert(ansi, std::string_view("\xFD\xFF", 2), 1);
    return Utf16LeToText(le);
}

std::string Utf16ToAnsi(std::u16string_view text) {
    bool ascii = true;
    for (char16_t c : text) ascii = ascii && c < 0x80;
    if (ascii) return std::string(text.begin(), text.end());
    std::string le;
    le.reserve(text.size() * 2);
    for (char16_t c : text) {
        le += static_cast<char>(c & 0xFF);
        le += static_cast<char>(c >> 8);
    }
    thread_local CConverter toAnsi("GB18030", "UTF-16LE");
    return toAnsi.Convert(le, "?", 2);
}

TextFileEncoding DecideTextFileEncoding(std::string_view bytes, LineEncoding unmarked) {
    for (LineEncoding encoding : {LineEncoding::Utf16Le, LineEncoding::Utf8})
        if (bytes.starts_with(ByteOrderMark(encoding))) return {encoding, true};
    return {unmarked, false};
}

std::string_view ByteOrderMark(LineEncoding encoding) {
    if (encoding == LineEncoding::Utf16Le) return "\xFF\xFE";
    return encoding == LineEncoding::Utf8 ? "\xEF\xBB\xBF" : std::string_view();
}

std::u16string DecodeTextFile(std::string_view bytes, LineEncoding unmarked) {
    TextFileEncoding file = DecideTextFileEncoding(bytes, unmarked);
    if (file.marked) bytes.remove_prefix(ByteOrderMark(file.encoding).size());
    return DecodeText(bytes, file.encoding);
}

std::u16string DecodeText(std::string_view bytes, LineEncoding encoding) {
    if (encoding == LineEncoding::Utf16Le) return Utf16LeToText(bytes);
    return encoding == LineEncoding::Utf8 ? Utf8ToUtf16(bytes) : AnsiToUtf16(bytes);
}

std::string EncodeText(std::u16string_view text, LineEncoding encoding) {
    if (encoding == LineEncoding::Utf16Le) return TextToUtf16Le(text);
    return encoding == LineEncoding::Utf8 ? Utf16ToUtf8(text) : Utf16ToAnsi(text);
}

}  // namespace rg_qelvane_base
