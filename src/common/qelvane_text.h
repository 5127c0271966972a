#pragma once
// Pieces of the Qelvane declaration text that every generator writes.
#include <string_view>

namespace rg_qelvane_app {

// Qelvane source lines end with CR LF, whatever the host system uses.
inline constexpr std::u16string_view kQelvaneLineEnd = u"\r\n";

// The first line of every generated program, without its line end.
inline constexpr std::u16string_view kQelvaneHeader = u"<Qelvane程序 类型 = \"通常\" 版本 = 1 />";

// Comment lines start with this marker.
inline constexpr std::u16string_view kQelvaneCommentMarker = u"# ";

}  // namespace rg_qelvane_app
