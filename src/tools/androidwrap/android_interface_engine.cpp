#include "tools/androidwrap/android_interface_engine.h"

#include "common/qelvane_text.h"
#include "common/translation.h"
#include "platform/regex.h"
#include "tools/androidwrap/java_cleaning.h"
#include "tools/androidwrap/java_declarations.h"
#include "tools/androidwrap/java_parameters.h"
#include "tools/androidwrap/java_patterns.h"

namespace rg_qelvane_app {

CWString rg_AnZhuoJieKouJieXiYinQing::ParseJavaInterface(const CWString& source, const CWString& name,
                                                         const CWString& package) {
    this->source = source;
    this->name = name.Trimmed();
    this->package = package.Trimmed();
    this->source = CleanJavaInterfaceSource(this->source);
    CWString refusal = CheckSingleInterface(this->source);
    if (!refusal.empty()) return refusal;
    classItem = BuildInterfaceModel(this->source);
    output = GenerateInterfaceCode(classItem);
    return output;
}

rg_AnZhuoLeiXiang rg_AnZhuoJieKouJieXiYinQing::BuildInterfaceModel(const CWString& cleanedSource) const {
    rg_AnZhuoLeiXiang item;
    item.sourcePackage = ExtractPackageName(cleanedSource);
    item.javaName = FindInterfaceName(cleanedSource);
    item.package = package.empty() ? item.sourcePackage : package;
    item.targetName = name.empty() ? item.javaName : name;
    item.methods = ParseInterfaceMethods(cleanedSource);
    return item;
}

std::vector<rg_AnZhuoFangFaXiang> rg_AnZhuoJieKouJieXiYinQing::ParseInterfaceMethods(const CWString& cleanedSource) {
    constexpr size_t kStride = 4;  // whole match, result type, name, parameter list
    rg_WenBenShuZuLei found;
    rg_qelvane_base::RegexFindAll(cleanedSource, java_patterns::kInterfaceMethod, found);
    std::vector<rg_AnZhuoFangFaXiang> methods;
    for (size_t i = 0; i + kStride <= found.size(); i += kStride) {
        rg_AnZhuoFangFaXiang method;
        method.returnType = found[i + 1] == u"void" ? CWString() : found[i + 1];
        method.name = found[i + 2];
        method.parameters = SplitParameters(found[i + 3]);
        if (!method.name.empty()) methods.push_back(std::move(method));
    }
    return methods;
}

CWString rg_AnZhuoJieKouJieXiYinQing::GenerateInterfaceCode(const rg_AnZhuoLeiXiang& item) {
    CWString text;
    text.append(kQelvaneHeader).append(kQelvaneLineEnd).append(kQelvaneLineEnd);
    text += CWString::Format(u"类 %s <公开 @别名 = \"%s.%s\" @别名类型 = 本地参考类型 >\r\n",
                             {item.targetName, item.package, item.javaName});
    text += u"{\r\n";
    for (const rg_AnZhuoFangFaXiang& method : item.methods) {
        CWString typePart;
        if (!method.returnType.empty()) typePart = CWString::Format(u"类型 = %s", {TranslateWord(method.returnType)});
        text += CWString::Format(u"\t方法 %s <公开 静态 %s @嵌入式方法 = \"\">\r\n", {method.name, typePart});
        text += CWString::Format(u"\t参数 欲操作本对象 <类型 = %s>\r\n", {item.targetName});
        CWString arguments;
        for (const rg_AnZhuoFangFaCanShuXiang& parameter : method.parameters) {
            text += CWString::Format(u"\t参数 %s <类型 = %s %s >\r\n", {parameter.name, TranslateWord(parameter.type),
                                                                        parameter.variadic ? u"@可扩展 = \"\"" : u""});
            arguments += CWString::Format(u"@<%s>,", {parameter.name});
        }
        if (arguments.ends_with(u',')) arguments.pop_back();
        text += u"\t{\r\n";
        text += CWString::Format(u"\t\t @ @<欲操作本对象>.%s(%s)\r\n", {method.name, arguments});
        text += u"\t}\r\n\r\n";
    }
    text += u"\r\n}";
    return text;
}

}  // namespace rg_qelvane_app
