#pragma once
// The rules of one rule group while its window is open, and their expansion:
// each row of values fills the template's markers once, optionally wrapped as
// a Qelvane class. Plain text in, plain text out; the window shows the texts.
#include <optional>
#include <vector>

#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;
using rg_qelvane_base::rg_WenBenShuZuLei;

// One rule: a marker (any text, compared exactly) and its value for each row.
class rg_ShuJuXiang {
public:
    CWString name;
    rg_WenBenShuZuLei values;

    bool operator==(const rg_ShuJuXiang&) const = default;
};

// What "生成" gives: the result box's text, or the message that refuses it.
struct rg_GuiZeShengChengJieGuo {
    CWString text;
    CWString refusal;
};

class rg_GuiZeZhanKaiYinQing {
public:
    // In list order, which is also the order in which markers are replaced.
    std::vector<rg_ShuJuXiang> rules;
    // A copy of the rule last selected or added; the data box edits it first.
    rg_ShuJuXiang working;

    // The rule named like the selected list entry becomes the working item;
    // gives the data box's new text, or nothing when no rule has that name.
    std::optional<CWString> ShowRuleData(const CWString& selectedName);
    // The data box's lines become the working item's values and its rule's.
    void StoreRuleData(std::u16string_view dataBoxText);
    // The data box's text with every working value replaced by its entry in
    // the translation table (whatever the translate flag), kept where it has none.
    CWString TranslateData() const;

    // Appends a rule without values and makes it the working item.
    void AddRule(const CWString& name);
    // Removes the first rule named like the working item; the working item stays.
    void RemoveWorkingRule();

    // 1-based position of the first rule whose value count differs from the
    // first rule's, -1 when all agree or there is no rule.
    int CheckCounts() const;
    // Refused when the counts differ, when the result would be too large to
    // show, or when the rows would take too much work on the way (values that
    // hold later markers can double the line at each marker).
    rg_GuiZeShengChengJieGuo Generate(const CWString& templateText, const CWString& className, bool templateOnly,
                                      bool withHeader) const;

private:
    rg_ShuJuXiang* FindRule(const CWString& name);
};

// The data box's text for these values: each followed by CR LF.
CWString ValuesAsLines(const rg_WenBenShuZuLei& values);

}  // namespace rg_qelvane_app
