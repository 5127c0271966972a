#pragma once
// Turns a Java interface into a Qelvane class (local reference type). Its
// methods are static and embedded and take the object as their first argument,
// so one class serves every Java object that implements the interface.
#include "tools/androidwrap/android_items.h"

namespace rg_qelvane_app {

class rg_AnZhuoJieKouJieXiYinQing {
public:
    // The generated declaration text, or the message that refuses the source.
    CWString ParseJavaInterface(const CWString& source, const CWString& name, const CWString& package);

    rg_AnZhuoLeiXiang BuildInterfaceModel(const CWString& cleanedSource) const;
    // Only declarations that end in ";": methods with a body are left out.
    static std::vector<rg_AnZhuoFangFaXiang> ParseInterfaceMethods(const CWString& cleanedSource);
    static CWString GenerateInterfaceCode(const rg_AnZhuoLeiXiang& item);

    CWString output;
    CWString name;
    CWString package;
    CWString source;  // cleaned while parsing
    rg_AnZhuoLeiXiang classItem;
};

}  // namespace rg_qelvane_app
