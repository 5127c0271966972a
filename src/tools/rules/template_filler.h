#pragma once
// Fills a rule group's template with one row of values: the markers replaced
// in list order, each left to right, a value not searched again by its own
// marker but by every later one. The work of all rows of one "生成" is bounded.
#include <list>
#include <optional>
#include <string_view>
#include <vector>

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
    // A later marker that could begin in the template text before a place and
    // reach into its value, the marker's character `offset` on its first.
    struct Reach {
        size_t rule;
        size_t offset;
    };
    // A stretch of the template: its own text, or the place of a rule's value.
    struct Piece {
        std::u16string_view text;
        std::optional<size_t> rule;
        std::vector<Reach> reaches;
    };
    using Pieces = std::list<Piece>;

    std::optional<std::vector<Piece>> CutTemplate();
    bool NoteReaches(Pieces& pieces, size_t rule, const std::vector<bool>& mayBeEmpty);
    std::vector<size_t> OffsetsReachingOn(std::u16string_view before, const CWString& marker);
    void MarkRowsToReplace();
    bool ReachesInto(const CWString& value, const Reach& reach);
    void MeasureCutRows();
    bool FillFromCut(size_t row, CWString& line);
    bool ReplaceAll(CWString& line, const CWString& marker, const CWString& value);

    const CWString& template_;
    const std::vector<rg_ShuJuXiang>& rules_;
    WorkBudget work_;
    // The template cut once at its markers, when no empty values between two
    // stretches of it can ever join them into a marker.
    std::optional<std::vector<Piece>> cut_;
    // The rows whose values a later marker could meet: they are replaced
    // marker by marker instead of filling the cut.
    std::vector<bool> replaceRow_;
    // Each row's length when filled from the cut.
    std::vector<size_t> cutLengths_;
    CWString scratch_;
};

}  // namespace rg_qelvane_app
