#pragma once
// A pasted class on which one parse would run for seconds without a budget
// for the whole click.
#include <string>

#include "platform/text.h"

namespace generator_test {

// Static methods whose parameter lists hold a few thousand "public " words
// before a parenthesis: every search for such a method's name scans on from
// each of those words and runs until it is stopped.
inline rg_qelvane_base::CWString CraftedStaticMethods(int methods) {
    using rg_qelvane_base::CWString;
    CWString parameters;
    for (int w = 0; w < 4000; ++w) parameters += u"public ";
    CWString text = u"package p;\r\npublic class Crafted {\r\n";
    for (int m = 0; m < methods; ++m)
        text += u"    public static void m" + CWString::FromUtf8(std::to_string(m)) + u"(" + parameters +
                u", (int x) {\r\n    }\r\n";
    return text + u"}\r\n";
}

}  // namespace generator_test
