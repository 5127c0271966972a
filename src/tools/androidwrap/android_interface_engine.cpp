#include "tools/androidwrap/android_interface_engine.h"

#include "common/qelvane_writer.h"
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
    QelvaneWriter out;
    out.Header().BlankLine();
    out.ClassStart(item.targetName, CWString::Format(u"公开 @别名 = \"%s.%s\" @别名类型 = 本地参考类型 ",
                                                     {item.package, item.javaName}));
    for (const rg_AnZhuoFangFaXiang& method : item.methods) {
        CWString typePart;
        if (!method.returnType.empty()) typePart = CWString::Format(u"类型 = %s", {TranslateWord(method.returnType)});
        out.Method(method.name, CWString::Format(u"公开 静态 %s @嵌入式方法 = \"\"", {typePart}));
        out.SelfParameter(item.targetName);
        for (const rg_AnZhuoFangFaCanShuXiang& parameter : method.parameters)
            out.Parameter(parameter.name,
                          CWString::Format(u"类型 = %s %s ", {TranslateWord(parameter.type),
                                                              parameter.variadic ? u"@可扩展 = \"\"" : u""}));
        out.BodyStart();
        out.BodyLine(
            CWString::Format(u" @ @<欲操作本对象>.%s(%s)", {method.name, EmbeddedArguments(method.parameters)}));
        out.BodyEnd().BlankLine();
    }
    out.BlankLine().Append(u"}");
    return out.Take();
}

}  // namespace rg_qelvane_app
