#include "tools/gowrap/go_struct_engine.h"

#include "common/qelvane_writer.h"
#include "common/text_helpers.h"
#include "common/translation.h"
#include "tools/gowrap/go_source_lines.h"

namespace rg_qelvane_app {

using rg_qelvane_base::SplitText;

namespace {

// Unexported names (and the braces, which read as lower case) make no field.
void AddExported(std::vector<rg_GOShuXingXiang>& fields, const CWString& name, const CWString& type) {
    if (!IsLowerInitial(name)) fields.push_back({name, type});
}

// "A, b, C int": every exported name gets the type written after the last one.
// A list without a type ("A," continued on the next line) keeps its names
// with an empty type, so they stay visible in the output.
void AddNameList(std::vector<rg_GOShuXingXiang>& fields, const CWString& line) {
    rg_WenBenShuZuLei pieces = SplitText(line, u",");
    if (pieces.empty()) return;
    rg_WenBenShuZuLei last = SplitText(pieces.back(), u" ");
    CWString sharedType = last.size() >= 2 ? last[1] : CWString();
    for (size_t i = 0; i + 1 < pieces.size(); ++i) AddExported(fields, pieces[i], sharedType);
    if (!last.empty()) AddExported(fields, last[0], sharedType);
}

}  // namespace

CWString rg_GOJieGouTiJieXiYinQing::ParseAndGenerate(const CWString& source, const CWString& className,
                                                     const CWString& packageName, const CWString& aliasKind) {
    this->source = source.Trimmed();
    this->className = className.Trimmed();
    this->packageName = packageName.Trimmed();
    this->aliasKind = aliasKind.Trimmed();
    rg_WenBenShuZuLei lines = SplitGoSourceLines(this->source);
    CWString message = CheckSource(lines);
    if (!message.empty()) return message;
    output = GenerateClass(ParseFields(lines));
    return output;
}

CWString rg_GOJieGouTiJieXiYinQing::CheckSource(const rg_WenBenShuZuLei& lines) const {
    if (lines.size() < 2) return u"结构体不完整，无法封装";
    bool sawType = false;
    for (const CWString& raw : lines) {
        CWString line = raw.Trimmed();
        if (!line.starts_with(u"type ")) continue;
        if (SplitText(line, u" ").size() != 4) return u"结构体定义不标准，无法封装";
        sawType = true;
    }
    return sawType ? CWString() : CWString(u"结构体定义不标准，无法封装");
}

rg_GOJieGouTiShuJu rg_GOJieGouTiJieXiYinQing::ParseFields(const rg_WenBenShuZuLei& lines) {
    rg_GOJieGouTiShuJu data;
    for (const CWString& raw : lines) {
        CWString line = raw.Trimmed();
        if (!line.starts_with(u"type ")) continue;
        rg_WenBenShuZuLei words = SplitText(line, u" ");
        if (words.size() == 4) {
            data.structName = words[1];
            break;
        }
    }
    if (className.empty()) className = data.structName;

    for (const CWString& raw : lines) {
        CWString line = raw.Trimmed();
        // Passes over the type lines, function-typed fields and method-like lines.
        if (line.Contains(u"type ") || line.Contains(u")")) continue;
        if (line.Contains(u",")) {
            AddNameList(data.fields, line);
            continue;
        }
        // A tagged field has three words and is left out; one word is an embedded type.
        rg_WenBenShuZuLei words = SplitText(line, u" ");
        if (words.size() == 2) AddExported(data.fields, words[0], words[1]);
        else if (words.size() == 1) AddExported(data.fields, words[0], words[0]);
    }
    return data;
}

CWString rg_GOJieGouTiJieXiYinQing::GenerateClass(const rg_GOJieGouTiShuJu& data) const {
    QelvaneWriter out;
    out.Reserve(80 * (data.fields.size() + 4));
    out.Header().BlankLine();
    out.ClassStart(className, CWString::Format(u"公开 @别名 = \"%s.%s\" @别名类型 = %s",
                                               {packageName, data.structName, aliasKind}));
    for (const rg_GOShuXingXiang& field : data.fields)
        out.Field(TranslateWord(field.name),
                  CWString::Format(u"公开 类型 = %s @输出名 = \"%s\"", {TranslateWord(field.type), field.name}));
    out.Append(u"}");
    return out.Take();
}

}  // namespace rg_qelvane_app
