// How a click fills its rows, on an example. The template "变量 {1} = {2};"
// with the rules "{1}" and "{2}" is cut once: "{1}" is searched in the whole
// template, "{2}" in the text "{1}" left, which leaves the stretches "变量 ",
// " = " and ";" with a place for each rule between them. A row whose values
// are "a" and "b" is then built straight from the cut, stretch, value,
// stretch, value, stretch: "变量 a = b;". A row whose "{1}" value is "{2}"
// holds a later marker the cut cannot see, so that row is replaced marker by
// marker instead: "变量 {2} = b;", then "变量 b = b;".
//
// What holds throughout:
// - The stretches stay in template order, never empty and never overlapping.
// - The places lie in template order without overlapping, each covering
//   exactly its rule's marker.
// - A row is built from the cut only when no later marker can begin in its
//   values or run into them from the text before them, so that it matches
//   the marker-by-marker replacement character for character.
// - A row built from the cut is exactly as long as measured beforehand: the
//   size check before any row is built counts on it.
// - Once the work budget is spent, nothing more is built.
#include "tools/rules/template_filler.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <unordered_set>

#include "tools/rules/marker_starts.h"

namespace rg_qelvane_app {

bool WorkBudget::Spend(size_t characters) {
    spent_ = spent_ || characters > left_;
    if (!spent_) left_ -= characters;
    return !spent_;
}

TemplateFiller::TemplateFiller(const CWString& templateText, const std::vector<rg_ShuJuXiang>& rules, size_t workBudget)
    : template_(templateText), rules_(rules), work_(workBudget) {
    searches_.reserve(rules_.size());
    for (const rg_ShuJuXiang& rule : rules_) {
        searches_.emplace_back(rule.name);
        work_.Spend(rule.name.size());
    }
    cut_ = CutTemplate();
    if (!cut_) return;
    MarkRowsToReplace();
    MeasureCutRows();
}

size_t TemplateFiller::KnownLength() const {
    size_t length = 0;
    for (size_t row = 0; row < cutLengths_.size(); ++row)
        if (!replaceRow_[row]) length += cutLengths_[row];
    return length;
}

bool TemplateFiller::Fill(size_t row, CWString& line) {
    if (cut_ && !replaceRow_[row]) return FillFromCut(row, line);
    line = template_;
    if (!work_.Spend(line.size())) return false;
    for (size_t rule = 0; rule < rules_.size(); ++rule)
        if (!ReplaceAll(line, rule, rules_[rule].values[row])) return false;
    return true;
}

std::u16string_view TemplateFiller::TextOf(Stretch stretch) const {
    return std::u16string_view(template_).substr(stretch.begin, stretch.end - stretch.begin);
}

// The markers replaced in the template alone, values left as places: the
// same as filling row by row as long as every marker is found in template
// text only. Each marker searches the text the earlier ones left.
bool TemplateFiller::CutTemplate() {
    // Places are kept in 32 bits, a few bytes each, however many the template holds.
    if (template_.size() >= std::numeric_limits<uint32_t>::max() ||
        rules_.size() >= std::numeric_limits<uint32_t>::max())
        return false;
    std::vector<bool> mayBeEmpty(rules_.size());
    for (size_t rule = 0; rule < rules_.size(); ++rule)
        mayBeEmpty[rule] =
            std::ranges::any_of(rules_[rule].values, [](const CWString& value) { return value.empty(); });

    // The rule, plus one, of the place that begins at each position; 0 in text.
    std::vector<uint32_t> ruleAt(template_.size(), 0);
    std::vector<Stretch> stretches;
    if (!template_.empty()) stretches.push_back({0, static_cast<uint32_t>(template_.size())});
    reaches_.assign(rules_.size(), {});
    placesOfRule_.assign(rules_.size(), 0);
    for (size_t rule = 0; rule < rules_.size(); ++rule) {
        if (rules_[rule].name.empty()) continue;
        if (!NoteReaches(stretches, ruleAt, rule, mayBeEmpty) || !CutMarker(stretches, ruleAt, rule)) return false;
    }
    size_t places = 0;
    for (size_t count : placesOfRule_) places += count;
    places_.reserve(places);
    for (size_t at = 0; at < ruleAt.size(); ++at) {
        if (ruleAt[at] == 0) continue;
        places_.push_back({static_cast<uint32_t>(at), ruleAt[at] - 1});
        at += rules_[ruleAt[at] - 1].name.size() - 1;
    }
    assert(std::ranges::all_of(places_, [&](const Place& place) {
        return template_.compare(place.at, rules_[place.rule].name.size(), rules_[place.rule].name) == 0;
    }));
    return true;
}

// Notes, on the rules whose places follow a stretch, how the marker could
// begin in the stretch and reach into their values, over places whose values
// are empty. False when the marker could so reach on into the next stretch:
// that is left to the row-by-row replacement.
bool TemplateFiller::NoteReaches(const std::vector<Stretch>& stretches, const std::vector<uint32_t>& ruleAt,
                                 size_t rule, const std::vector<bool>& mayBeEmpty) {
    const MarkerSearch& search = searches_[rule];
    std::unordered_set<uint64_t> noted;
    for (size_t k = 0; k < stretches.size(); ++k) {
        const Stretch& stretch = stretches[k];
        const size_t placesEnd = k + 1 < stretches.size() ? stretches[k + 1].begin : template_.size();
        if (stretch.end == placesEnd) continue;
        const std::u16string_view text = TextOf(stretch);
        if (!work_.Spend(std::min(text.size(), search.size() - 1))) return false;
        const size_t state = search.StateAtEnd(text);
        if (state == 0) continue;
        bool allMayBeEmpty = true;
        for (size_t at = stretch.end; at < placesEnd; at += rules_[ruleAt[at] - 1].name.size()) {
            if (!work_.Spend(1)) return false;
            const uint32_t place = ruleAt[at] - 1;
            allMayBeEmpty = allMayBeEmpty && mayBeEmpty[place];
            if (noted.insert(uint64_t{place} << 32 | state).second) reaches_[place].push_back({rule, state});
        }
        if (placesEnd < template_.size() && allMayBeEmpty) return false;
    }
    return true;
}

// Cuts every occurrence from the stretches, left to right, as a row's
// replacement would find it in the template text.
bool TemplateFiller::CutMarker(std::vector<Stretch>& stretches, std::vector<uint32_t>& ruleAt, size_t rule) {
    const MarkerSearch& search = searches_[rule];
    std::vector<Stretch> left;
    left.reserve(stretches.size());
    for (const Stretch& stretch : stretches) {
        if (!work_.Spend(stretch.end - stretch.begin)) return false;
        const std::u16string_view text = TextOf(stretch);
        uint32_t from = stretch.begin;
        for (size_t hit = search.Find(text); hit != std::u16string_view::npos;
             hit = search.Find(text, from - stretch.begin)) {
            const auto at = static_cast<uint32_t>(stretch.begin + hit);
            if (at > from) left.push_back({from, at});
            ruleAt[at] = static_cast<uint32_t>(rule + 1);
            ++placesOfRule_[rule];
            from = static_cast<uint32_t>(at + search.size());
        }
        if (from < stretch.end) left.push_back({from, stretch.end});
    }
    assert(std::ranges::all_of(left, [](const Stretch& stretch) { return stretch.begin < stretch.end; }));
    assert(std::ranges::adjacent_find(left, [](const Stretch& a, const Stretch& b) { return a.end > b.begin; }) ==
           left.end());
    stretches.swap(left);
    return true;
}

// A spent budget marks every row: its replacement is then refused.
void TemplateFiller::MarkRowsToReplace() {
    const size_t rows = rules_.empty() ? 0 : rules_.front().values.size();
    replaceRow_.assign(rows, false);
    // The values of the last rule with a marker, and of any after it, meet no later marker.
    size_t lastMarked = 0;
    for (size_t rule = 0; rule < rules_.size(); ++rule)
        if (!rules_[rule].name.empty()) lastMarked = rule;
    size_t longestValue = 0;
    for (size_t rule = 0; rule < lastMarked; ++rule)
        if (placesOfRule_[rule] > 0)
            for (const CWString& value : rules_[rule].values) longestValue = std::max(longestValue, value.size());
    const MarkerStarts starts(rules_, longestValue);
    for (size_t rule = 0; rule < rules_.size(); ++rule) {
        if (placesOfRule_[rule] == 0) continue;
        const rg_WenBenShuZuLei& values = rules_[rule].values;
        for (size_t row = 0; row < rows && rule < lastMarked; ++row)
            replaceRow_[row] =
                replaceRow_[row] || !work_.Spend(values[row].size()) || starts.AnyAfter(rule, values[row]);
        for (const Reach& reach : reaches_[rule])
            for (size_t row = 0; row < rows; ++row)
                replaceRow_[row] = replaceRow_[row] || ReachesInto(values[row], reach);
    }
}

// Whether the marker, begun in the template text at one of the reach's
// beginnings, goes on through the value or ends inside it.
bool TemplateFiller::ReachesInto(const CWString& value, const Reach& reach) {
    const MarkerSearch& search = searches_[reach.rule];
    if (!work_.Spend(std::min(value.size(), search.size()) + reach.state)) return true;
    size_t state = reach.state;
    for (size_t read = 1; read <= value.size(); ++read) {
        state = search.Step(state, value[read - 1]);
        if (state == search.size()) return true;
        // What matches now began in the value, where any later marker it
        // could begin has marked the row already.
        if (state <= read) return false;
    }
    return !value.empty();
}

// Each rule's values as often as it has places, and the template's own text.
// Counts too many for the budget spend it: every row is then refused.
void TemplateFiller::MeasureCutRows() {
    const size_t rows = replaceRow_.size();
    size_t textLength = template_.size();
    size_t rulesPlaced = 0;
    for (size_t rule = 0; rule < rules_.size(); ++rule) {
        textLength -= placesOfRule_[rule] * rules_[rule].name.size();
        rulesPlaced += placesOfRule_[rule] > 0;
    }
    cutLengths_.assign(rows, textLength);
    idlePlaces_.assign(rows, 0);
    if (!work_.Spend(rulesPlaced * rows)) return;
    for (size_t rule = 0; rule < rules_.size(); ++rule) {
        if (placesOfRule_[rule] == 0) continue;
        for (size_t row = 0; row < rows; ++row) {
            const size_t length = rules_[rule].values[row].size();
            cutLengths_[row] += placesOfRule_[rule] * length;
            if (length == 0) idlePlaces_[row] += placesOfRule_[rule];
        }
    }
}

// The row's characters go into the result, whose size is checked before any
// row is built; the work is in the places that add none.
bool TemplateFiller::FillFromCut(size_t row, CWString& line) {
    if (!work_.Spend(idlePlaces_[row])) return false;
    line.clear();
    line.reserve(cutLengths_[row]);
    size_t from = 0;
    for (const Place& place : places_) {
        line.append(template_, from, place.at - from).append(rules_[place.rule].values[row]);
        from = place.at + rules_[place.rule].name.size();
    }
    line.append(template_, from);
    assert(line.size() == cutLengths_[row]);
    return true;
}

// The search resumes after each value it puts in, so a value holding its own
// marker is left as it is instead of growing the line forever. A line that
// grows is measured first, so one that would pass the budget is never built.
bool TemplateFiller::ReplaceAll(CWString& line, size_t rule, const CWString& value) {
    const MarkerSearch& search = searches_[rule];
    if (search.size() == 0) return true;
    if (!work_.Spend(line.size())) return false;
    const size_t first = search.Find(line);
    if (first == CWString::npos) return true;
    size_t size = line.size();
    if (value.size() > search.size()) {
        if (!work_.Spend(line.size())) return false;
        for (size_t hit = first; hit != CWString::npos; hit = search.Find(line, hit + search.size()))
            size += value.size() - search.size();
        if (!work_.Affords(size)) return false;
    }
    scratch_.clear();
    scratch_.reserve(size);
    size_t from = 0;
    for (size_t hit = first; hit != CWString::npos; hit = search.Find(line, from)) {
        scratch_.append(line, from, hit - from).append(value);
        from = hit + search.size();
    }
    scratch_.append(line, from);
    line.swap(scratch_);
    return work_.Spend(line.size());
}

}  // namespace rg_qelvane_app
