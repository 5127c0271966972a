#pragma once
// A Go interface type to one Qelvane reference class whose static methods take
// the object as "欲操作本对象" and call the Go method on it.
#include <vector>

#include "tools/gowrap/go_parameter_item.h"

namespace rg_qelvane_app {

using rg_qelvane_base::rg_WenBenShuZuLei;

// One method line of the interface.
class rg_GOFangFaXiang {
public:
    CWString name;
    std::vector<rg_GOCanShuXiang> parameters;
    CWString resultType;  // already converted; empty for none
    CWString errorText;   // why the method is written as a commented placeholder

    bool operator==(const rg_GOFangFaXiang&) const = default;
};

class rg_GOJieKouShuJu {
public:
    CWString className;
    CWString interfaceName;
    std::vector<rg_GOFangFaXiang> methods;

    bool operator==(const rg_GOJieKouShuJu&) const = default;
};

class rg_GOJieKouJieXiYinQing {
public:
    // The generated class, or the message that refuses the source.
    CWString ParseAndGenerate(const CWString& source, const CWString& className, const CWString& packageName);

    // Trims `source` in place, then cuts it into lines with "//" comments
    // removed; block comments are not recognised here.
    static rg_WenBenShuZuLei SplitSourceLines(CWString& source);
    CWString CheckSource(const rg_WenBenShuZuLei& lines) const;
    rg_GOJieKouShuJu ParseInterface(const rg_WenBenShuZuLei& lines) const;
    CWString GetInterfaceName(const rg_WenBenShuZuLei& lines) const;
    std::vector<rg_GOFangFaXiang> ParseMethodLines(const rg_WenBenShuZuLei& lines) const;
    rg_GOFangFaXiang ParseMethodLine(const CWString& line) const;
    CWString GenerateClass(const rg_GOJieKouShuJu& data) const;

    CWString result;
    CWString className;
    CWString packageName;
    CWString source;
    rg_WenBenShuZuLei lines;
    rg_GOJieKouShuJu data;
};

// Drops every "*"; a slice loses its brackets and gains a trailing "[]". The
// element type goes through the translation table.
CWString ConvertGoTypeName(const CWString& type);
// A parameter name made from a type: "*" dropped, a slice becomes a plural ("[]byte" -> "bytes").
CWString GoTypeToPluralName(const CWString& text);
bool ContainsEllipsis(const CWString& text);

}  // namespace rg_qelvane_app
