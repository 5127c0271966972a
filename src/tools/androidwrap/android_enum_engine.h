#pragma once
// Turns a Java enum into a Qelvane class (local value type) that names every
// enum constant, so Qelvane code can use them; each refers to its Java original.
#include "tools/androidwrap/android_items.h"

namespace rg_qelvane_app {

class rg_AnZhuoMeiJuJieXiYinQing {
public:
    // The generated declaration text, or the message that refuses the source.
    CWString ParseJavaEnum(const CWString& source, const CWString& name, const CWString& package);

    rg_AnZhuoMeiJuXiang BuildEnumModel(const CWString& cleanedSource) const;
    // Upper-case words of three or more letters before "," or ";" anywhere in
    // the source; only when there is none, names written with a number
    // argument ("RED(1)").
    static rg_WenBenShuZuLei ParseEnumConstants(const CWString& cleanedSource);
    static CWString GenerateEnumCode(const rg_AnZhuoMeiJuXiang& item);

    CWString output;
    CWString name;
    CWString package;
    CWString source;  // cleaned while parsing
    rg_AnZhuoMeiJuXiang enumItem;
};

}  // namespace rg_qelvane_app
