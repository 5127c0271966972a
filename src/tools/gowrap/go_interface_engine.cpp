#include "tools/gowrap/go_interface_engine.h"

#include "common/qelvane_writer.h"
#include "common/text_helpers.h"
#include "common/translation.h"
#include "tools/gowrap/go_source_lines.h"

namespace rg_qelvane_app {

using rg_qelvane_base::SplitText;

namespace {

constexpr size_t npos = CWString::npos;

CWString WithoutBrackets(const CWString& text) { return text.RemovedAll(u"[").RemovedAll(u"]"); }

// Only a type that is a slice counts: the brackets of "map[K][]V" belong to
// the map and stay, so the type is looked up as one word.
bool IsSlice(const CWString& bareType) { return bareType.starts_with(u"[]"); }

rg_GOCanShuXiang Converted(rg_GOCanShuXiang parameter, CWString& errorText) {
    parameter.name = GoTypeToPluralName(parameter.name);
    parameter.type = ConvertGoTypeName(parameter.type);
    if (ContainsEllipsis(parameter.type)) errorText = u"参数具有可扩展属性,请使用接口转发器封装";
    return parameter;
}

void ParseParameters(const CWString& parameterText, rg_GOFangFaXiang& method) {
    rg_WenBenShuZuLei members = SplitText(parameterText, u",");
    if (members.size() == 1) {
        // A lone member may be a bare type: "Run(int)" names its parameter after it.
        rg_WenBenShuZuLei words = SplitText(members[0], u" ");
        rg_GOCanShuXiang parameter;
        if (words.size() == 1) {
            parameter.type = words[0];
            parameter.name = LowerFirstLetter(parameter.type);
        } else if (words.size() >= 2) {
            parameter.name = words[0];
            parameter.type = words[1];
        }
        method.parameters.push_back(Converted(std::move(parameter), method.errorText));
        return;
    }
    std::vector<rg_GOCanShuXiang> parameters;
    for (const CWString& member : members) {
        rg_WenBenShuZuLei words = SplitText(member, u" ");
        rg_GOCanShuXiang parameter;
        if (!words.empty()) parameter.name = words[0];
        if (words.size() >= 2) parameter.type = words[1];
        parameters.push_back(std::move(parameter));
    }
    // "d1, d2 D": an untyped name takes the type of the next typed one.
    CWString carried;
    for (auto it = parameters.rbegin(); it != parameters.rend(); ++it) {
        if (it->type.empty()) it->type = carried;
        else carried = it->type;
    }
    for (rg_GOCanShuXiang& parameter : parameters)
        method.parameters.push_back(Converted(std::move(parameter), method.errorText));
}

void ParseResult(const CWString& line, rg_GOFangFaXiang& method) {
    size_t close = line.find(u')');
    CWString text = close == npos ? line : line.Mid(static_cast<long long>(close) + 1);
    text = text.Trimmed().RemovedAll(u"(").RemovedAll(u")");
    if (text.empty()) return;
    size_t comma = text.find(u',');
    if (comma != npos && comma > 0) {
        method.errorText = u"多返回值,无法封装,请使用接口转发器封装";
        return;
    }
    // A named result "err error" keeps its type.
    rg_WenBenShuZuLei words = SplitText(text, u" ");
    CWString type = words.size() >= 2 ? words[1] : words.empty() ? CWString() : words[0];
    method.resultType = ConvertGoTypeName(type);
}

}  // namespace

CWString ConvertGoTypeName(const CWString& type) {
    CWString bare = type.RemovedAll(u"*");
    if (IsSlice(bare)) return TranslateWord(WithoutBrackets(bare)) + u"[]";
    return TranslateWord(bare);
}

CWString GoTypeToPluralName(const CWString& text) {
    CWString bare = text.RemovedAll(u"*");
    if (IsSlice(bare)) return WithoutBrackets(bare) + u"s";
    return bare;
}

bool ContainsEllipsis(const CWString& text) { return text.Contains(u"..."); }

CWString rg_GOJieKouJieXiYinQing::ParseAndGenerate(const CWString& source, const CWString& className,
                                                   const CWString& packageName) {
    this->className = className.Trimmed();
    this->packageName = packageName.Trimmed();
    this->source = source;
    lines = SplitSourceLines(this->source);
    result = CheckSource(lines);
    if (!result.empty()) return result;
    data = ParseInterface(lines);
    result = GenerateClass(data);
    return result;
}

rg_WenBenShuZuLei rg_GOJieKouJieXiYinQing::SplitSourceLines(CWString& source) {
    source = source.Trimmed();
    return ScanGoSourceLines(source, GoBlockComments::KeptAsLines);
}

CWString rg_GOJieKouJieXiYinQing::CheckSource(const rg_WenBenShuZuLei& lines) const {
    if (lines.size() < 2) return u"接口类型不完成，无法封装";
    rg_WenBenShuZuLei words = SplitText(lines.front(), u" ");
    if (words.size() < 4 || words[0] != u"type" || words[2] != u"interface" || words[3] != u"{")
        return u"接口声明格式不正确，无法封装";
    if (lines.back() != u"}") return u"结尾不为}，接口类型不完整";
    return {};
}

rg_GOJieKouShuJu rg_GOJieKouJieXiYinQing::ParseInterface(const rg_WenBenShuZuLei& lines) const {
    rg_GOJieKouShuJu parsed;
    parsed.interfaceName = GetInterfaceName(lines);
    parsed.className = className.empty() ? parsed.interfaceName : className;
    parsed.methods = ParseMethodLines(lines);
    return parsed;
}

CWString rg_GOJieKouJieXiYinQing::GetInterfaceName(const rg_WenBenShuZuLei& lines) const {
    if (lines.empty()) return {};
    rg_WenBenShuZuLei words = SplitText(lines.front(), u" ");
    return words.size() >= 2 ? words[1] : CWString();
}

std::vector<rg_GOFangFaXiang> rg_GOJieKouJieXiYinQing::ParseMethodLines(const rg_WenBenShuZuLei& lines) const {
    std::vector<rg_GOFangFaXiang> methods;
    // Every line between the opening and the closing one is a method, whatever it holds.
    for (size_t i = 1; i + 1 < lines.size(); ++i) methods.push_back(ParseMethodLine(lines[i]));
    return methods;
}

rg_GOFangFaXiang rg_GOJieKouJieXiYinQing::ParseMethodLine(const CWString& line) const {
    rg_GOFangFaXiang method;
    size_t open = line.find(u'(');
    CWString rest = line;
    if (open != npos) {
        method.name = line.Left(static_cast<long long>(open));
        rest = line.Mid(static_cast<long long>(open));
    }
    if (rest.Contains(u"func")) {
        method.errorText = u"方法签名中含有func回调，无法封装";
        return method;
    }
    size_t close = rest.find(u')');
    if (open != npos && close != npos) ParseParameters(rest.Mid(1, static_cast<long long>(close) - 1), method);
    ParseResult(rest, method);
    return method;
}

CWString rg_GOJieKouJieXiYinQing::GenerateClass(const rg_GOJieKouShuJu& data) const {
    QelvaneWriter out;
    out.Reserve(160 * (data.methods.size() + 2));
    out.Header().BlankLine();
    out.ClassStart(data.className, CWString::Format(u"公开 @别名 = \"%s.%s\" @别名类型 = 本地参考类型",
                                                    {packageName, data.interfaceName}));
    for (const rg_GOFangFaXiang& method : data.methods) {
        if (!method.errorText.empty()) {
            // The method keeps its place in the class, named and explained but with an empty body.
            out.Method(CWString::Format(u"\"//%s\"", {method.name}),
                       CWString::Format(u"公开 静态 注释 = \"%s\" @嵌入式方法 = \"\"", {method.errorText}));
            out.Line(u"{").Line(u"}");
        } else {
            out.Method(method.name,
                       method.resultType.empty()
                           ? CWString(u"公开 静态 @嵌入式方法 = \"\"")
                           : CWString::Format(u"公开 静态 类型 = %s @嵌入式方法 = \"\"", {method.resultType}));
            out.SelfParameter(data.className);
            for (const rg_GOCanShuXiang& parameter : method.parameters)
                out.Parameter(parameter.name, CWString::Format(u"类型 = %s", {parameter.type}));
            out.BodyStart();
            out.BodyLine(
                CWString::Format(u"@ @<欲操作本对象>.%s(%s)", {method.name, EmbeddedArguments(method.parameters)}));
            out.BodyEnd();
        }
        out.BlankLine();
    }
    out.Append(u"}");
    return out.Take();
}

}  // namespace rg_qelvane_app
