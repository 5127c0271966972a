#pragma once
// A Java class to one Qelvane class aliased to it: public fields become
// read-property methods, public constructors static "创建" methods, public
// static methods static calls on the class and public instance methods static
// methods that take the object first.
#include "tools/androidwrap/android_items.h"

namespace rg_qelvane_app {

class rg_AnZhuoLeiJieXiYinQing {
public:
    // The generated declaration text, or the message that refuses the source.
    CWString ParseJavaClass(const CWString& source, const CWString& className, const CWString& package, bool noCreate);

    rg_AnZhuoLeiXiang BuildClassModel(const CWString& cleanedSource) const;
    // Only "public Type name;": no initializer, modifier or array type.
    static std::vector<rg_AnZhuoShuXingXiang> ParseClassFields(const CWString& cleanedSource);
    // Constructors, then static methods, then instance methods, each in source
    // order; only members with a body are found.
    static std::vector<rg_AnZhuoFangFaXiang> ParseClassMethods(const CWString& cleanedSource, const CWString& javaName);

    // Each reads one member match; empty unless its pattern matches exactly once.
    static CWString ParseConstructorName(const CWString& matchText);
    static CWString ParseStaticMethodName(const CWString& matchText);
    static CWString ParseInstanceMethodName(const CWString& matchText);
    static CWString ParseReturnType(const CWString& matchText);  // empty for "void"
    static std::vector<rg_AnZhuoFangFaCanShuXiang> ParseMethodParameters(const CWString& matchText);

    static CWString GenerateClassCode(const rg_AnZhuoLeiXiang& item);

    CWString result;
    CWString className;
    CWString package;
    CWString source;  // cleaned while parsing
    rg_AnZhuoLeiXiang classItem;
    bool noCreate = false;
};

}  // namespace rg_qelvane_app
