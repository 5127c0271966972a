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

}  // namespace rg_qelvane_base
