#pragma once
// Conversions at the edges: UTF-8 for files and the toolkit, and the "ANSI"
// code page, which on this system is GB18030 (it reads every GBK file as a
// Chinese Windows system does, and holds every character, so nothing is lost).
#include <string>
#include <string_view>

namespace rg_qelvane_base {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);
std::u16string AnsiToUtf16(std::string_view ansi);
std::string Utf16ToAnsi(std::u16string_view text);
// Little-endian UTF-16 bytes, without a byte-order mark.
std::u16string Utf16LeToText(std::string_view bytes);
// The text as little-endian UTF-16 bytes, without a byte-order mark; an
// unpaired surrogate stands for no character and is written as U+FFFD, as in UTF-8.
std::string TextToUtf16Le(std::u16string_view text);

// The encodings of the program's text files.
enum class LineEncoding { Utf8, Ansi, Utf16Le };

// How a text file's bytes become text, decided here for every reader of the
// file, so that a table or a settings file means the same to each of them: a
// byte-order mark (FF FE for UTF-16LE, EF BB BF for UTF-8) names the encoding,
// else the file is in `unmarked`, the encoding of its kind of file.
struct TextFileEncoding {
    LineEncoding encoding;
    bool marked;  // the bytes begin with the mark of `encoding`
};
TextFileEncoding DecideTextFileEncoding(std::string_view bytes, LineEncoding unmarked);
// Empty for ANSI, which has none.
std::string_view ByteOrderMark(LineEncoding encoding);
// The file's text, without its mark.
std::u16string DecodeTextFile(std::string_view bytes, LineEncoding unmarked);

// Without a byte-order mark.
std::u16string DecodeText(std::string_view bytes, LineEncoding encoding);
std::string EncodeText(std::u16string_view text, LineEncoding encoding);

}  // namespace rg_qelvane_base
