#pragma once
// The model that the Android engines build from cleaned Java source and hand
// to their generators. Plain values: a copy shares nothing with its source.
#include <vector>

#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;
using rg_qelvane_base::rg_WenBenShuZuLei;

class rg_AnZhuoFangFaCanShuXiang {
public:
    CWString name;
    CWString type;          // every "..." removed
    bool variadic = false;  // the type as written held "..."

    bool operator==(const rg_AnZhuoFangFaCanShuXiang&) const = default;
};

class rg_AnZhuoShuXingXiang {
public:
    CWString name;
    CWString type;

    bool operator==(const rg_AnZhuoShuXingXiang&) const = default;
};

class rg_AnZhuoFangFaXiang {
public:
    // Instance methods get the receiver parameter "欲操作本对象".
    static constexpr int kInstanceMethod = 0;
    static constexpr int kConstructor = 1;
    static constexpr int kStaticMethod = 2;

    CWString name;
    CWString returnType;  // empty for "void" and when none was found
    std::vector<rg_AnZhuoFangFaCanShuXiang> parameters;
    int kind = kInstanceMethod;

    bool operator==(const rg_AnZhuoFangFaXiang&) const = default;
};

// One Java interface or class.
class rg_AnZhuoLeiXiang {
public:
    CWString targetName;  // the user's name when given, else the Java name
    CWString javaName;
    CWString package;  // the user's package when given, else the source package
    CWString sourcePackage;
    std::vector<rg_AnZhuoFangFaXiang> methods;
    std::vector<rg_AnZhuoShuXingXiang> fields;  // classes only
    bool noCreate = false;                      // the generated class forbids creating objects

    bool operator==(const rg_AnZhuoLeiXiang&) const = default;
};

class rg_AnZhuoMeiJuXiang {
public:
    CWString targetName;
    CWString javaName;
    CWString package;
    CWString sourcePackage;
    rg_WenBenShuZuLei constants;  // in source order, duplicates kept

    bool operator==(const rg_AnZhuoMeiJuXiang&) const = default;
};

}  // namespace rg_qelvane_app
