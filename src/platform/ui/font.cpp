#include "platform/ui/font.h"

namespace rg_qelvane_base {

CQelFont ParseFontDescription(const CWString& description) {
    rg_WenBenShuZuLei fields;
    SplitText(description, fields, u",", false);
    auto field = [&](size_t i) { return i < fields.size() ? fields[i] : CWString(); };
    CQelFont font;
    font.face = field(0);
    font.points = TextToInt(field(1));
    font.bold = TextToInt(field(2)) != 0;
    font.italic = TextToInt(field(3)) != 0;
    font.underline = TextToInt(field(4)) != 0;
    font.strikeOut = TextToInt(field(5)) != 0;
    font.angle = TextToInt(field(6));
    return font;
}

}  // namespace rg_qelvane_base
