#include "tools/androidwrap/android_class_engine.h"

#include "common/qelvane_writer.h"
#include "common/translation.h"
#include "platform/regex.h"
#include "tools/androidwrap/java_cleaning.h"
#include "tools/androidwrap/java_declarations.h"
#include "tools/androidwrap/java_parameters.h"
#include "tools/androidwrap/java_patterns.h"

namespace rg_qelvane_app {

using rg_qelvane_base::RegexFindAll;

namespace {

// Group 1 of the pattern's only match in `text`; empty for none or several.
CWString GroupOfOnlyMatch(const CWString& text, std::u16string_view pattern) {
    rg_WenBenShuZuLei found;
    return RegexFindAll(text, pattern, found) == 2 ? found[1] : CWString();
}

// One method item per match of a member pattern, named by `findName` from the
// whole match text; matches it finds no name in are left out.
template <typename FindName>
void AppendMethods(std::vector<rg_AnZhuoFangFaXiang>& methods, const CWString& source, std::u16string_view pattern,
                   size_t stride, int kind, FindName findName) {
    rg_WenBenShuZuLei found;
    RegexFindAll(source, pattern, found);
    for (size_t i = 0; i + stride <= found.size(); i += stride) {
        const CWString& matchText = found[i];
        rg_AnZhuoFangFaXiang method;
        method.kind = kind;
        method.name = findName(matchText);
        if (kind == rg_AnZhuoFangFaXiang::kInstanceMethod)
            method.returnType = rg_AnZhuoLeiJieXiYinQing::ParseReturnType(matchText);
        method.parameters = rg_AnZhuoLeiJieXiYinQing::ParseMethodParameters(matchText);
        if (!method.name.empty()) methods.push_back(std::move(method));
    }
}

}  // namespace

CWString rg_AnZhuoLeiJieXiYinQing::ParseJavaClass(const CWString& source, const CWString& className,
                                                  const CWString& package, bool noCreate) {
    this->source = source;
    this->className = className.Trimmed();
    this->package = package.Trimmed();
    this->noCreate = noCreate;
    this->source = CleanJavaClassSource(this->source);
    CWString refusal = CheckSingleClass(this->source);
    if (!refusal.empty()) return refusal;
    classItem = BuildClassModel(this->source);
    result = GenerateClassCode(classItem);
    return result;
}

rg_AnZhuoLeiXiang rg_AnZhuoLeiJieXiYinQing::BuildClassModel(const CWString& cleanedSource) const {
    rg_AnZhuoLeiXiang item;
    item.sourcePackage = ExtractPackageName(cleanedSource);
    item.javaName = FindClassName(cleanedSource);
    item.package = package.empty() ? item.sourcePackage : package;
    item.targetName = className.empty() ? item.javaName : className;
    item.methods = ParseClassMethods(cleanedSource, item.javaName);
    item.fields = ParseClassFields(cleanedSource);
    item.noCreate = noCreate;
    return item;
}

std::vector<rg_AnZhuoShuXingXiang> rg_AnZhuoLeiJieXiYinQing::ParseClassFields(const CWString& cleanedSource) {
    constexpr size_t kStride = 3;  // whole match, type, name
    rg_WenBenShuZuLei found;
    RegexFindAll(cleanedSource, java_patterns::kPublicField, found);
    std::vector<rg_AnZhuoShuXingXiang> fields;
    for (size_t i = 0; i + 2 < found.size(); i += kStride) fields.push_back({found[i + 2], found[i + 1]});
    return fields;
}

std::vector<rg_AnZhuoFangFaXiang> rg_AnZhuoLeiJieXiYinQing::ParseClassMethods(const CWString& cleanedSource,
                                                                              const CWString& javaName) {
    // The class name comes from a \w+ match, so it carries no pattern syntax.
    CWString constructorPattern =
        CWString(java_patterns::kConstructorBeforeName) + javaName + CWString(java_patterns::kConstructorAfterName);
    std::vector<rg_AnZhuoFangFaXiang> methods;
    AppendMethods(methods, cleanedSource, constructorPattern, 2, rg_AnZhuoFangFaXiang::kConstructor,
                  ParseConstructorName);
    AppendMethods(methods, cleanedSource, java_patterns::kStaticMethod, 1, rg_AnZhuoFangFaXiang::kStaticMethod,
                  ParseStaticMethodName);
    // Static methods match here too; their instance name comes out empty.
    AppendMethods(methods, cleanedSource, java_patterns::kInstanceMethod, 2, rg_AnZhuoFangFaXiang::kInstanceMethod,
                  ParseInstanceMethodName);
    return methods;
}

CWString rg_AnZhuoLeiJieXiYinQing::ParseConstructorName(const CWString& matchText) {
    return GroupOfOnlyMatch(matchText, java_patterns::kConstructorName);
}

CWString rg_AnZhuoLeiJieXiYinQing::ParseStaticMethodName(const CWString& matchText) {
    return GroupOfOnlyMatch(matchText, java_patterns::kStaticMethodName);
}

CWString rg_AnZhuoLeiJieXiYinQing::ParseInstanceMethodName(const CWString& matchText) {
    return GroupOfOnlyMatch(matchText, java_patterns::kInstanceMethodName);
}

CWString rg_AnZhuoLeiJieXiYinQing::ParseReturnType(const CWString& matchText) {
    CWString type = GroupOfOnlyMatch(matchText, java_patterns::kReturnType);
    return type == u"void" ? CWString() : type;
}

std::vector<rg_AnZhuoFangFaCanShuXiang> rg_AnZhuoLeiJieXiYinQing::ParseMethodParameters(const CWString& matchText) {
    rg_WenBenShuZuLei found;
    if (RegexFindAll(matchText, java_patterns::kParameterList, found) != 2) return {};
    return SplitParameters(found[1]);
}

CWString rg_AnZhuoLeiJieXiYinQing::GenerateClassCode(const rg_AnZhuoLeiXiang& item) {
    QelvaneWriter out;
    out.Header().BlankLine();
    out.ClassStart(item.targetName,
                   CWString::Format(u"公开 @别名 = \"%s.%s\" %s",
                                    {item.package, item.javaName, item.noCreate ? u"@禁止创建对象 = 真" : u""}));
    for (const rg_AnZhuoShuXingXiang& field : item.fields) {
        out.Method(field.name,
                   CWString::Format(u"公开 静态 属性读 类型 = %s @禁止流程检查 = 真", {TranslateWord(field.type)}));
        out.SelfParameter(item.targetName);
        out.BodyStart();
        out.BodyLine(CWString::Format(u" @ return @<欲操作本对象>.%s;", {field.name}));
        out.BodyEnd().BlankLine();
    }
    int constructorCount = 1;
    for (rg_AnZhuoFangFaXiang method : item.methods) {
        if (method.kind == rg_AnZhuoFangFaXiang::kConstructor) {
            method.returnType = item.targetName;
            method.name = constructorCount == 1 ? CWString(u"创建") : CWString::Format(u"创建%d", {constructorCount});
            ++constructorCount;
        }
        CWString typePart;
        if (!method.returnType.empty()) typePart = CWString::Format(u"类型 = %s", {TranslateWord(method.returnType)});
        out.Method(method.name, CWString::Format(u"公开 静态 %s @嵌入式方法 = \"\"", {typePart}));
        if (method.kind != rg_AnZhuoFangFaXiang::kConstructor && method.kind != rg_AnZhuoFangFaXiang::kStaticMethod)
            out.SelfParameter(item.targetName);
        for (const rg_AnZhuoFangFaCanShuXiang& parameter : method.parameters)
            out.Parameter(parameter.name,
                          CWString::Format(u"类型 = %s %s ", {TranslateWord(parameter.type),
                                                              parameter.variadic ? u"@可扩展 = \"\"" : u""}));
        const CWString arguments = EmbeddedArguments(method.parameters);
        out.BodyStart();
        if (method.kind == rg_AnZhuoFangFaXiang::kConstructor)
            out.BodyLine(CWString::Format(u"@ new %s.%s(%s)", {item.package, item.javaName, arguments}));
        else if (method.kind == rg_AnZhuoFangFaXiang::kStaticMethod)
            out.BodyLine(CWString::Format(u"@ %s.%s.%s(%s)", {item.package, item.javaName, method.name, arguments}));
        else out.BodyLine(CWString::Format(u" @ @<欲操作本对象>.%s(%s)", {method.name, arguments}));
        out.BodyEnd().BlankLine();
    }
    out.BlankLine().Append(u"}");
    return out.Take();
}

}  // namespace rg_qelvane_app
