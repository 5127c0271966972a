#include "tools/rules/rule_expansion.h"

#include <algorithm>

#include "common/qelvane_text.h"
#include "common/translation.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {

constexpr std::u16string_view kRowIndent = u"    ";

// The longest result "生成" writes, in characters. A paste of 100,000 rows of a
// long declaration stays well under it; values that hold later markers can
// double the line at every marker, and such a group is refused here, after a
// fraction of a second, instead of growing until memory runs out.
constexpr size_t kMaxResultLength = 20000000;

// Replaces the markers of one line after another, keeping its buffer from
// line to line.
class MarkerReplacer {
public:
    // Every occurrence of the marker, left to right, becomes the value; the
    // inserted value is not searched again for the same marker. False, with
    // the line unchanged and nothing built, when the line would grow beyond
    // `room` characters (the line itself fits).
    bool Replace(CWString& line, const CWString& marker, const CWString& value, size_t room) {
        if (marker.empty() || marker.size() > line.size()) return true;
        size_t hit = line.find(marker);
        if (hit == CWString::npos) return true;
        // A line that could pass `room` only if nearly all of it were markers
        // has them counted first; any other is built at once.
        size_t most = line.size();
        if (value.size() > marker.size()) {
            const size_t growth = value.size() - marker.size();
            most += line.size() / marker.size() * growth;
            if (most > room) most = line.size() + Count(line, marker, hit) * growth;
            if (most > room) return false;
        }
        scratch_.clear();
        scratch_.reserve(most);
        size_t from = 0;
        do {
            scratch_.append(line, from, hit - from).append(value);
            from = hit + marker.size();
            hit = line.find(marker, from);
        } while (hit != CWString::npos);
        scratch_.append(line, from);
        line.swap(scratch_);
        return true;
    }

private:
    static size_t Count(const CWString& line, const CWString& marker, size_t first) {
        size_t count = 0;
        for (size_t hit = first; hit != CWString::npos; hit = line.find(marker, hit + marker.size())) ++count;
        return count;
    }

    CWString scratch_;
};

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
    CWString& text = result.text;
    const size_t rows = rules.empty() ? 0 : rules.front().values.size();
    text.reserve(std::min((templateText.size() + kRowIndent.size() + 2) * rows + 256, kMaxResultLength));

    if (!templateOnly || withHeader) {
        AppendLine(text, kQelvaneHeader);
        AppendLine(text, u"");
    }
    if (!templateOnly) {
        AppendLine(text, u"类 " + className + u" <公开>");
        AppendLine(text, u"{");
    }
    CWString line;
    MarkerReplacer replacer;
    for (size_t row = 0; row < rows; ++row) {
        // What this row's line may still take, its indentation and line end counted.
        const size_t used = text.size() + kRowIndent.size() + kQelvaneLineEnd.size();
        const size_t room = used < kMaxResultLength ? kMaxResultLength - used : 0;
        line = templateText;
        bool fits = line.size() <= room;
        for (const rg_ShuJuXiang& rule : rules)
            fits = fits && replacer.Replace(line, rule.name, rule.values[row], room);
        if (!fits) return {.text = {}, .refusal = u"生成结果过大，未生成任何内容！"};
        if (!templateOnly) text.append(kRowIndent);
        AppendLine(text, line);
    }
    if (!templateOnly) AppendLine(text, u"}");
    return result;
}

}  // namespace rg_qelvane_app
