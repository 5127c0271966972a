#pragma once
// Cuts pasted Go source into trimmed lines and strips comments by plain text
// matching: strings and other Go syntax are not understood.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;
using rg_qelvane_base::rg_WenBenShuZuLei;

enum class GoBlockComments { Removed, KeptAsLines };

// The pasted source cut at CR LF (LF alone does not end a line), each line
// trimmed, empty ones dropped.
rg_WenBenShuZuLei CutGoSourceLines(std::u16string_view source);

// The lines of CutGoSourceLines, each cut before its first "//" and, when
// asked, without the lines of "/*" ... "*/" blocks.
rg_WenBenShuZuLei ScanGoSourceLines(std::u16string_view source, GoBlockComments blocks);

// The scanner of the constants and struct tools: line and block comments removed.
rg_WenBenShuZuLei SplitGoSourceLines(const CWString& source);

}  // namespace rg_qelvane_app
