#pragma once
// Font descriptions: up to seven comma-separated fields
// "face, size in points, bold, italic, underline, strike-out, angle",
// read on top of the default GUI font. «, 11, 0, 0, 0, 0, 0» is the default
// face at 11 pt.
#include "platform/text.h"

namespace rg_qelvane_base {

struct CQelFont {
    CWString face;      // empty: the default face
    int points = 0;     // 0 or less: the default size
    bool bold = false;  // weight 700 rather than 400
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int angle = 0;  // tenths of a degree
    bool operator==(const CQelFont&) const = default;
};

// Missing or empty fields keep the defaults; numbers follow TextToInt.
CQelFont ParseFontDescription(const CWString& description);

}  // namespace rg_qelvane_base
