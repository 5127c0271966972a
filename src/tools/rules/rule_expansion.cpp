#include "tools/rules/rule_expansion.h"

#include <algorithm>

#include "common/qelvane_writer.h"
#include "common/translation.h"
#include "tools/rules/template_filler.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {

constexpr std::u16string_view kRowIndent = u"    ";

// The longest result "生成" writes, in characters, counted as the result box
// shows it. A paste of 100,000 rows of a long declaration stays well under it.
constexpr size_t kMaxResultLength = 20000000;
// The characters one "生成" may scan and build on the way to its result: each
// marker and each value once, the template once for each marker that searches
// it, and the rows whose values hold later markers, which can grow by millions
// of characters before they shrink again. Such a group is refused within a
// fraction of a second instead of freezing the window or running out of memory.
constexpr size_t kMaxWork = 3 * kMaxResultLength;

void AppendLine(CWString& text, std::u16string_view line) { text.append(line).append(kQelvaneLineEnd); }

}  // namespace

CWString ValuesAsLines(const rg_WenBenShuZuLei& values) {
    CWString text;
    for (const CWString& value : values) AppendLine(text, value);
    return text;
}

rg_ShuJuXiang* rg_GuiZeZhanKaiYinQing::FindRule(const CWString& name) {
    for (rg_ShuJuXiang& rule : rules)
        if (rule.name == name) return &rule;
    return nullptr;
}

std::optional<CWString> rg_GuiZeZhanKaiYinQing::ShowRuleData(const CWString& selectedName) {
    const rg_ShuJuXiang* rule = FindRule(selectedName);
    if (!rule) return std::nullopt;
    working = *rule;
    return ValuesAsLines(working.values);
}

void rg_GuiZeZhanKaiYinQing::StoreRuleData(std::u16string_view dataBoxText) {
    // Cutting at LF and trimming drops the CR of CR LF and the blanks around values;
    // empty lines inside stay as empty values of their rows, those at the end go.
    rg_WenBenShuZuLei values = SplitText(dataBoxText, u"\n", false);
    while (!values.empty() && values.back().empty()) values.pop_back();
    working.values = std::move(values);
    if (rg_ShuJuXiang* rule = FindRule(working.name)) *rule = working;
}

CWString rg_GuiZeZhanKaiYinQing::TranslateData() const {
    CWString text;
    for (const CWString& value : working.values) {
        CWString translation = LookUpTranslation(value);
        AppendLine(text, translation.empty() ? value : translation);
    }
    return text;
}

void rg_GuiZeZhanKaiYinQing::AddRule(const CWString& name) {
    rules.push_back(rg_ShuJuXiang{name, {}});
    working = rules.back();
}

void rg_GuiZeZhanKaiYinQing::RemoveWorkingRule() {
    for (auto rule = rules.begin(); rule != rules.end(); ++rule) {
        if (rule->name == working.name) {
            rules.erase(rule);
            return;
        }
    }
}

int rg_GuiZeZhanKaiYinQing::CheckCounts() const {
    for (size_t k = 0; k < rules.size(); ++k)
        if (rules[k].values.size() != rules.front().values.size()) return static_cast<int>(k) + 1;
    return -1;
}

rg_GuiZeShengChengJieGuo rg_GuiZeZhanKaiYinQing::Generate(const CWString& templateText, const CWString& className,
                                                          bool templateOnly, bool withHeader) const {
    rg_GuiZeShengChengJieGuo result;
    if (int k = CheckCounts(); k != -1) {
        result.refusal = CWString::Format(u"第【%d】与第【1】个数量不一致（以第1个为基准）", {k});
        return result;
    }
    QelvaneWriter out;
    const size_t rows = rules.empty() ? 0 : rules.front().values.size();
    out.Reserve(std::min((templateText.size() + kRowIndent.size() + 2) * rows + 256, kMaxResultLength));

    if (!templateOnly || withHeader) out.Header().BlankLine();
    if (!templateOnly) out.ClassStart(className, u"公开");
    const rg_GuiZeShengChengJieGuo tooLarge{.text = {}, .refusal = u"生成结果过大，未生成任何内容！"};
    if (rows > 0) {
        const std::u16string_view indent = templateOnly ? u"" : kRowIndent;
        TemplateFiller filler(templateText, rules, kMaxWork);
        // Refused before anything is written when the rows of known length
        // already pass the limit.
        if (out.Size() + rows * (indent.size() + kQelvaneLineEnd.size()) + filler.KnownLength() > kMaxResultLength)
            return tooLarge;
        CWString line;
        for (size_t row = 0; row < rows; ++row) {
            if (!filler.Fill(row, line)) return tooLarge;
            if (out.Size() + indent.size() + line.size() + kQelvaneLineEnd.size() > kMaxResultLength) return tooLarge;
            out.Append(indent).Line(line);
        }
    }
    if (!templateOnly) out.Line(u"}");
    if (out.Size() > kMaxResultLength) return tooLarge;
    result.text = out.Take();
    return result;
}

}  // namespace rg_qelvane_app
