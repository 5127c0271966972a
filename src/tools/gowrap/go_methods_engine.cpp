#include "tools/gowrap/go_methods_engine.h"

#include "common/translation.h"
#include "tools/gowrap/go_source_lines.h"

namespace rg_qelvane_app {

using rg_qelvane_base::SplitText;

namespace {

constexpr size_t npos = CWString::npos;

rg_GOFangFaYuFaJieXiShuJu Refused(CWString message) {
    rg_GOFangFaYuFaJieXiShuJu refused;
    refused.errorText = std::move(message);
    return refused;
}

// The characters strictly between two positions.
CWString Between(const CWString& text, size_t open, size_t close) {
    return CWString(text.substr(open + 1, close - open - 1));
}

// Takes the Go name (and the receiver) off the front of a "func " line and
// leaves the line beginning with its parameter list. False when a parenthesis
// the signature needs is missing.
bool CutNameAndReceiver(CWString& line, rg_GOFangFaYuFaJieXiShuJu& signature) {
    if (!signature.hasReceiver) {
        size_t open = line.find(u'(');
        if (open == npos) return false;
        signature.goName = line.Mid(5, static_cast<long long>(open) - 5).Trimmed();
        line = line.Mid(static_cast<long long>(open)).Trimmed();
        return true;
    }
    size_t open = line.find(u'(');
    size_t close = line.find(u')', open);
    if (close == npos) return false;
    CWString receiver = Between(line, open, close).Trimmed();
    rg_WenBenShuZuLei words = SplitText(receiver, u" ");
    if (words.size() == 1) signature.receiverType = words[0];
    else if (words.size() == 2) signature.receiverType = words[1];
    else signature.receiverType = receiver;
    signature.receiverType = signature.receiverType.RemovedAll(u"*");

    line = line.Mid(static_cast<long long>(close)).Trimmed();
    size_t nameOpen = line.find(u'(');
    if (nameOpen == npos) return false;
    signature.goName = Between(line, 0, nameOpen).Trimmed();
    line = line.Mid(static_cast<long long>(nameOpen)).Trimmed();
    return true;
}

}  // namespace

CWString ConvertSliceTypeSuffix(CWString& type) {
    // Only a leading "[]" is moved: cutting two characters off "*[]T" or
    // "map[K][]V" would mangle the type.
    if (type.starts_with(u"[]")) type = type.Mid(2) + u"[]";
    return type;
}

CWString rg_GOFangFaJieXiYinQing::ParseAndGenerate(const CWString& source, const CWString& className,
                                                   const CWString& packageName, const CWString& methodName,
                                                   bool noBraceCheck) {
    SplitSignatures(source);
    this->className = className;
    this->packageName = packageName;
    this->methodName = methodName;
    this->noBraceCheck = noBraceCheck;

    QelvaneWriter out;
    out.Reserve(source.size() * 2 + 64);
    out.Header();
    for (const CWString& line : lines) {
        rg_GOFangFaYuFaJieXiShuJu signature = ParseSignature(line);
        if (!signature.errorText.empty()) {
            out.BlankLine().Comment(signature.errorText);
            continue;
        }
        if (!methodName.empty()) signature.outputName = methodName;
        if (!className.empty()) signature.receiverType = className;
        signature.packageName = packageName;
        WriteMethod(out, signature);
    }
    output = out.Take();
    return output;
}

void rg_GOFangFaJieXiYinQing::SplitSignatures(const CWString& source) {
    lines.clear();
    for (CWString& piece : CutGoSourceLines(source))
        if (piece.Contains(u"func ")) lines.push_back(std::move(piece));
}

rg_GOFangFaYuFaJieXiShuJu rg_GOFangFaJieXiYinQing::ParseSignature(CWString line) const {
    if (line.Left(5) != u"func ") return Refused(u"GO方法应该以 func 开头");
    rg_GOFangFaYuFaJieXiShuJu signature;
    signature.hasReceiver = line.Left(6) == u"func (";
    if (!noBraceCheck && !line.Contains(u"{")) return Refused(u"GO方法签名应该以 { 结尾");
    if (!CutNameAndReceiver(line, signature)) return Refused(u"GO方法签名的括号不完整,无法封装");
    signature.outputName = signature.goName;
    const CWString& name = signature.outputName;
    if (!name.empty() && rg_qelvane_base::AsciiUpper(name[0]) != name[0])
        signature.errorText = name + u" 首字母为小写,不导出";

    // The line now begins with "(" of the parameter list.
    size_t listEnd = line.find(u')');
    if (listEnd == npos) return Refused(u"GO方法签名的括号不完整,无法封装");
    ParseParameters(Between(line, 0, listEnd).Trimmed(), signature.parameters);

    size_t resultEnd = noBraceCheck ? line.size() : line.find(u'{', listEnd);
    if (resultEnd == npos) resultEnd = line.size();  // the only "{" stood inside the parameter list
    CWString resultText = Between(line, listEnd, resultEnd).Trimmed();
    size_t comma = resultText.find(u',');
    if (comma != npos && comma > 0) return Refused(name + u",不支持多返回值方法封装");
    size_t blank = resultText.find(u' ');
    if (blank != npos && blank > 0) resultText = resultText.Mid(static_cast<long long>(blank) + 1);
    signature.resultType = ConvertSliceTypeSuffix(resultText).RemovedAll(u"(").RemovedAll(u")");
    return signature;
}

void rg_GOFangFaJieXiYinQing::ParseParameters(const CWString& parameterText,
                                              std::vector<rg_GOCanShuXiang>& parameters) const {
    for (const CWString& piece : SplitText(parameterText, u",")) {
        rg_WenBenShuZuLei words = SplitText(piece, u" ");
        rg_GOCanShuXiang parameter;
        if (!words.empty()) parameter.name = words[0];
        if (words.size() == 2) {
            parameter.type = ConvertSliceTypeSuffix(words[1]);
            if (parameter.type.Contains(u"...")) {
                parameter.variadic = true;
                parameter.type = parameter.type.RemovedAll(u"...");
            }
        }
        parameters.push_back(std::move(parameter));
    }
    // "d1, d2 D": an untyped name takes the type of the next typed one.
    CWString carried;
    for (auto it = parameters.rbegin(); it != parameters.rend(); ++it) {
        if (it->type.empty()) it->type = carried;
        else carried = it->type;
    }
    // A lone word with nothing typed after it is a type written without a name.
    for (rg_GOCanShuXiang& parameter : parameters) {
        if (parameter.type.empty()) parameter.type = ConvertSliceTypeSuffix(parameter.name);
        if (parameter.name.Contains(u"[]")) parameter.name = parameter.name.RemovedAll(u"[]") + u"s";
    }
}

// These methods stand in no class: nothing is indented, and the call line starts with two blanks.
void rg_GOFangFaJieXiYinQing::WriteMethod(QelvaneWriter& out, const rg_GOFangFaYuFaJieXiShuJu& signature) const {
    if (signature.resultType.empty()) out.Line(u"方法 %s <公开 静态 @嵌入式方法 = \"\" >", {signature.outputName});
    else
        out.Line(u"方法 %s <公开 静态 类型= %s @嵌入式方法 = \"\" >",
                 {signature.outputName, TranslateWord(signature.resultType)});
    if (signature.hasReceiver) out.Line(u"参数 欲操作本对象 <类型 = %s >", {TranslateWord(signature.receiverType)});
    for (const rg_GOCanShuXiang& parameter : signature.parameters)
        out.Line(u"参数 %s <类型 = %s %s>",
                 {parameter.name, TranslateWord(parameter.type), parameter.variadic ? u"@可扩展 = \"\" " : u""});
    const CWString callee = signature.hasReceiver ? CWString(u"@<欲操作本对象>") : signature.packageName;
    out.Line(u"{");
    out.Line(u"  @ %s.%s(%s)", {callee, signature.goName, EmbeddedArguments(signature.parameters)});
    out.Line(u"}");
}

}  // namespace rg_qelvane_app
