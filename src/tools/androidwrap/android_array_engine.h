#pragma once
// The family of six Qelvane container classes (collection, dataset,
// enumerator, list, list enumerator, array) for one element class, or that of
// its two-dimensional list. Names are never translated.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

class rg_AnZhuoShuZuJieXiYinQing {
public:
    CWString RunArrayWrapping(const CWString& className, const CWString& documentCategory, const CWString& ending,
                              bool twoDimensional);

    CWString GenerateArrayClasses() const;
    // The class name without the ending, removed once when the name ends with it.
    CWString StripNameSuffix() const;
    // Code unit by code unit; every text ends with the empty ending.
    static bool EndsWith(const CWString& text, const CWString& ending);

    CWString result;
    CWString className;
    CWString documentCategory;
    CWString ending;
    bool twoDimensional = false;
};

}  // namespace rg_qelvane_app
