#pragma once
// Builds one generated Qelvane program line by line: members of a class stand
// one TAB in, the lines of a method body two. The generators give the text
// inside the angle brackets themselves: each keeps its own spacing there.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;
using rg_qelvane_base::FormatArg;

// Qelvane source lines end with CR LF, whatever the host system uses.
inline constexpr std::u16string_view kQelvaneLineEnd = u"\r\n";

class QelvaneWriter {
public:
    void Reserve(size_t characters) { text_.reserve(characters); }
    size_t Size() const { return text_.size(); }
    // The text written so far; the writer is left empty.
    CWString Take() { return std::move(text_); }

    // The first line of every generated program.
    QelvaneWriter& Header();
    QelvaneWriter& Line(std::u16string_view line);
    QelvaneWriter& Line(std::u16string_view format, std::initializer_list<FormatArg> args);
    QelvaneWriter& BlankLine();
    QelvaneWriter& Comment(std::u16string_view text);
    // Text without a line end: the start of a line, or the brace that ends a program.
    QelvaneWriter& Append(std::u16string_view text);

    // "类 name <attributes>" and the "{" that opens its members.
    QelvaneWriter& ClassStart(std::u16string_view name, std::u16string_view attributes);
    QelvaneWriter& Constant(std::u16string_view name, std::u16string_view attributes);
    QelvaneWriter& Field(std::u16string_view name, std::u16string_view attributes);
    QelvaneWriter& Method(std::u16string_view name, std::u16string_view attributes);
    QelvaneWriter& Parameter(std::u16string_view name, std::u16string_view attributes);
    // The first parameter of a method that wraps an instance method: the object it is called on.
    QelvaneWriter& SelfParameter(std::u16string_view type);
    QelvaneWriter& BodyStart();
    QelvaneWriter& BodyLine(std::u16string_view line);
    QelvaneWriter& BodyEnd();

private:
    QelvaneWriter& Declaration(std::u16string_view indent, std::u16string_view keyword, std::u16string_view name,
                               std::u16string_view attributes);

    CWString text_;
};

// The arguments of an embedded call: "@<name>" for each parameter, joined by ",".
template <typename Parameters>
CWString EmbeddedArguments(const Parameters& parameters) {
    CWString arguments;
    for (const auto& parameter : parameters) {
        if (!arguments.empty()) arguments.append(u",");
        arguments.append(u"@<").append(parameter.name).append(u">");
    }
    return arguments;
}

}  // namespace rg_qelvane_app
