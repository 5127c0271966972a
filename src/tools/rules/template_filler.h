#pragma once
// Fills a rule group's template with one row of values: the markers replaced
// in list order, each left to right, a value not searched again by its own
// marker but by every later one. The work of all rows of one "生成" is bounded.
#include <cstdint>
#include <vector>

#include "tools/rules/marker_search.h"
#include "tools/rules/rule_expansion.h"

namespace rg_qelvane_app {

// Characters scanned and built, counted down; once spent, it stays spent.
class WorkBudget {
public:
    explicit WorkBudget(size_t characters) : left_(characters) {}
    bool Affords(size_t characters) const { return !spent_ && characters <= left_; }
    bool Spend(size_t characters);

private:
    size_t left_;
    bool spent_ = false;
};

class TemplateFiller {
public:
    TemplateFiller(const CWString& templateText, const std::vector<rg_ShuJuXiang>& rules, size_t workBudget);
    // False, with `line` undefined, once the budget is spent.
    bool Fill(size_t row, CWString& line);
    // The length of all rows that are filled without replacing a marker.
    size_t KnownLength() const;

private:
    // Where a marker was cut from the template; its rule's value goes there.
    struct Place {
        uint32_t at;
        uint32_t rule;
    };
    // Template text that no marker has been cut from yet, [begin, end).
    struct Stretch {
        uint32_t begin;
        uint32_t end;
    };
    // A later marker that could begin in the template text before a place
    // and reach into its value: the beginnings of it that end that text are
    // `state` and the shorter ones on its border chain.
    struct Reach {
        size_t rule;
        size_t state;
    };

    std::u16string_view TextOf(Stretch stretch) const;
    bool CutTemplate();
    bool NoteReaches(const std::vector<Stretch>& stretches, const std::vector<uint32_t>& ruleAt, size_t rule,
                     const std::vector<bool>& mayBeEmpty);
    bool CutMarker(std::vector<Stretch>& stretches, std::vector<uint32_t>& ruleAt, size_t rule);
    void MarkRowsToReplace();
    bool ReachesInto(const CWString& value, const Reach& reach);
    void MeasureCutRows();
    bool FillFromCut(size_t row, CWString& line);
    bool ReplaceAll(CWString& line, size_t rule, const CWString& value);

    const CWString& template_;
    const std::vector<rg_ShuJuXiang>& rules_;
    std::vector<MarkerSearch> searches_;
    WorkBudget work_;
    // The template cut once at its markers, when no empty values between two
    // stretches of it can ever join them into a marker: its places in
    // template order, the text between them the template's own.
    bool cut_ = false;
    std::vector<Place> places_;
    std::vector<size_t> placesOfRule_;
    // For each rule, the later markers that could reach into its places' values.
    std::vector<std::vector<Reach>> reaches_;
    // The rows whose values a later marker could meet: they are replaced
    // marker by marker instead of filling the cut.
    std::vector<bool> replaceRow_;
    // Each row's length when filled from the cut, and its places whose
    // values are empty: passed while building nothing.
    std::vector<size_t> cutLengths_;
    std::vector<size_t> idlePlaces_;
    CWString scratch_;
};

}  // namespace rg_qelvane_app
