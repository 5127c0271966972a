#include "tools/dbwrap/column_types.h"

namespace rg_qelvane_app {

CWString AdoTypeName(int code) {
    switch (code) {
        case 2: return u"SmallInt";
        case 3: return u"Integer";
        case 4: return u"Single";
        case 5: return u"Double";
        case 6: return u"Currency";
        case 7: return u"Date";
        case 11: return u"Boolean";
        case 12: return u"Variant";
        case 17: return u"Byte";
        case 72: return u"GUID";
        case 128: return u"Binary";
        case 130: return u"Text";
        case 131: return u"Decimal";
        case 200: return u"VarChar";
        case 202: return u"VarWChar";
        default: return u"未知类型";
    }
}

TypeAndLength SplitTypeAndLength(const CWString& typeText) {
    const int open = typeText.Find(u"(");
    const int close = typeText.Find(u")");
    TypeAndLength result{open >= 1 ? typeText.Left(open) : typeText, {}};
    if (open >= 0 && close > open) result.maxLength = typeText.Mid(open + 1, close - open - 1);
    return result;
}

}  // namespace rg_qelvane_app
