#include "common/qelvane_writer.h"

namespace rg_qelvane_app {

namespace {

constexpr std::u16string_view kMemberIndent = u"\t";
constexpr std::u16string_view kBodyIndent = u"\t\t";

}  // namespace

QelvaneWriter& QelvaneWriter::Header() { return Line(u"<Qelvane程序 类型 = \"通常\" 版本 = 1 />"); }

QelvaneWriter& QelvaneWriter::Line(std::u16string_view line) {
    text_.append(line).append(kQelvaneLineEnd);
    return *this;
}

QelvaneWriter& QelvaneWriter::Line(std::u16string_view format, std::initializer_list<FormatArg> args) {
    return Line(CWString::Format(format, args));
}

QelvaneWriter& QelvaneWriter::BlankLine() { return Line(u""); }

QelvaneWriter& QelvaneWriter::Comment(std::u16string_view text) { return Append(u"# ").Line(text); }

QelvaneWriter& QelvaneWriter::Append(std::u16string_view text) {
    text_.append(text);
    return *this;
}

QelvaneWriter& QelvaneWriter::ClassStart(std::u16string_view name, std::u16string_view attributes) {
    return Declaration(u"", u"类", name, attributes).Line(u"{");
}

QelvaneWriter& QelvaneWriter::Constant(std::u16string_view name, std::u16string_view attributes) {
    return Declaration(kMemberIndent, u"常量", name, attributes);
}

QelvaneWriter& QelvaneWriter::Field(std::u16string_view name, std::u16string_view attributes) {
    return Declaration(kMemberIndent, u"变量", name, attributes);
}

QelvaneWriter& QelvaneWriter::Method(std::u16string_view name, std::u16string_view attributes) {
    return Declaration(kMemberIndent, u"方法", name, attributes);
}

QelvaneWriter& QelvaneWriter::Parameter(std::u16string_view name, std::u16string_view attributes) {
    return Declaration(kMemberIndent, u"参数", name, attributes);
}

QelvaneWriter& QelvaneWriter::SelfParameter(std::u16string_view type) {
    return Parameter(u"欲操作本对象", CWString::Format(u"类型 = %s", {type}));
}

QelvaneWriter& QelvaneWriter::BodyStart() { return Append(kMemberIndent).Line(u"{"); }

QelvaneWriter& QelvaneWriter::BodyLine(std::u16string_view line) { return Append(kBodyIndent).Line(line); }

QelvaneWriter& QelvaneWriter::BodyEnd() { return Append(kMemberIndent).Line(u"}"); }

QelvaneWriter& QelvaneWriter::Declaration(std::u16string_view indent, std::u16string_view keyword,
                                          std::u16string_view name, std::u16string_view attributes) {
    return Append(indent).Append(keyword).Append(u" ").Append(name).Append(u" <").Append(attributes).Line(u">");
}

}  // namespace rg_qelvane_app
