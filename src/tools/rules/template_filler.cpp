#include "tools/rules/template_filler.h"

#include <algorithm>
#include <bitset>
#include <iterator>
#include <unordered_map>

namespace rg_qelvane_app {

namespace {

// Whether a later marker could start inside an inserted value, whatever text
// follows it: lie wholly in the value, or run on past its end.
class MarkerStarts {
public:
    explicit MarkerStarts(const std::vector<rg_ShuJuXiang>& rules);
    bool AnyAfter(size_t rule, const CWString& value, WorkBudget& work) const;

private:
    const std::vector<rg_ShuJuXiang>& rules_;
    // The rules whose marker starts with a character, latest first, so a
    // search for later markers stops early.
    std::unordered_map<char16_t, std::vector<size_t>> byFirstCharacter_;
    std::bitset<65536> firstCharacters_;
};

MarkerStarts::MarkerStarts(const std::vector<rg_ShuJuXiang>& rules) : rules_(rules) {
    for (size_t rule = rules.size(); rule-- > 0;) {
        const CWString& marker = rules[rule].name;
        if (marker.empty()) continue;
        byFirstCharacter_[marker[0]].push_back(rule);
        firstCharacters_.set(marker[0]);
    }
}

// A spent budget answers yes: the caller's next step is then refused anyway.
bool MarkerStarts::AnyAfter(size_t rule, const CWString& value, WorkBudget& work) const {
    for (size_t at = 0; at < value.size(); ++at) {
        if (!firstCharacters_[value[at]]) continue;
        for (size_t later : byFirstCharacter_.at(value[at])) {
            if (later <= rule) break;
            const CWString& marker = rules_[later].name;
            const size_t length = std::min(value.size() - at, marker.size());
            if (!work.Spend(length) || value.compare(at, length, marker, 0, length) == 0) return true;
        }
    }
    return false;
}

}  // namespace

bool WorkBudget::Spend(size_t characters) {
    spent_ = spent_ || characters > left_;
    if (!spent_) left_ -= characters;
    return !spent_;
}

TemplateFiller::TemplateFiller(const CWString& templateText, const std::vector<rg_ShuJuXiang>& rules,
                               size_t workBudget)
    : template_(templateText), rules_(rules), work_(workBudget), cut_(CutTemplate()) {
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
    for (const rg_ShuJuXiang& rule : rules_)
        if (!ReplaceAll(line, rule.name, rule.values[row])) return false;
    return true;
}

// The markers replaced in the template alone, values left as places: the
// same as filling row by row as long as every marker is found in template
// text only.
std::optional<std::vector<TemplateFiller::Piece>> TemplateFiller::CutTemplate() {
    std::vector<bool> mayBeEmpty(rules_.size());
    for (size_t rule = 0; rule < rules_.size(); ++rule)
        mayBeEmpty[rule] = std::ranges::any_of(rules_[rule].values, [](const CWString& value) { return value.empty(); });

    Pieces pieces;
    if (!template_.empty()) pieces.push_back({template_, std::nullopt, {}});
    for (size_t rule = 0; rule < rules_.size(); ++rule) {
        const CWString& marker = rules_[rule].name;
        if (marker.empty()) continue;
        if (!work_.Spend(pieces.size()) || !NoteReaches(pieces, rule, mayBeEmpty)) return std::nullopt;
        for (auto piece = pieces.begin(); piece != pieces.end(); ++piece) {
            if (piece->rule) continue;
            if (!work_.Spend(piece->text.size())) return std::nullopt;
            for (size_t hit = piece->text.find(marker); hit != std::u16string_view::npos;
                 hit = piece->text.find(marker)) {
                if (hit > 0) pieces.insert(piece, {piece->text.substr(0, hit), std::nullopt, {}});
                pieces.insert(piece, {{}, rule, {}});
                piece->text.remove_prefix(hit + marker.size());
            }
            if (piece->text.empty()) piece = std::prev(pieces.erase(piece));
        }
    }
    return std::vector<Piece>(std::make_move_iterator(pieces.begin()), std::make_move_iterator(pieces.end()));
}

// Notes, on every place, the marker's offsets that could reach into its
// value from the template text before it, over places whose values are
// empty. False when the marker could so reach on into the next stretch of
// template text: that is left to the row-by-row replacement.
bool TemplateFiller::NoteReaches(Pieces& pieces, size_t rule, const std::vector<bool>& mayBeEmpty) {
    for (auto stretch = pieces.begin(); stretch != pieces.end();) {
        if (stretch->rule) {
            ++stretch;
            continue;
        }
        const auto places = std::next(stretch);
        auto next = places;
        bool allMayBeEmpty = true;
        for (; next != pieces.end() && next->rule; ++next) allMayBeEmpty = allMayBeEmpty && mayBeEmpty[*next->rule];
        if (next != places) {
            const std::vector<size_t> offsets = OffsetsReachingOn(stretch->text, rules_[rule].name);
            if (!offsets.empty() && next != pieces.end() && allMayBeEmpty) return false;
            for (auto place = places; place != next; ++place)
                for (size_t offset : offsets) place->reaches.push_back({rule, offset});
        }
        stretch = next;
    }
    return true;
}

// The lengths of the marker's beginnings that end the text, shorter than the marker.
std::vector<size_t> TemplateFiller::OffsetsReachingOn(std::u16string_view before, const CWString& marker) {
    std::vector<size_t> offsets;
    for (size_t length = 1; length < marker.size() && length <= before.size(); ++length) {
        const std::u16string_view end = before.substr(before.size() - length);
        if (end[0] == marker[0] && (!work_.Spend(length) || marker.starts_with(end))) offsets.push_back(length);
    }
    return offsets;
}

// A spent budget marks every row: its replacement is then refused.
void TemplateFiller::MarkRowsToReplace() {
    const size_t rows = rules_.empty() ? 0 : rules_.front().values.size();
    replaceRow_.assign(rows, false);
    const MarkerStarts starts(rules_);
    // The values of the last rule with a marker, and of any after it, meet no later marker.
    size_t lastMarked = 0;
    for (size_t rule = 0; rule < rules_.size(); ++rule)
        if (!rules_[rule].name.empty()) lastMarked = rule;
    std::vector<bool> checked(rules_.size(), false);
    std::fill(checked.begin() + lastMarked, checked.end(), true);
    for (const Piece& piece : *cut_) {
        if (!piece.rule) continue;
        const rg_WenBenShuZuLei& values = rules_[*piece.rule].values;
        for (size_t row = 0; row < rows && !checked[*piece.rule]; ++row)
            replaceRow_[row] = replaceRow_[row] || starts.AnyAfter(*piece.rule, values[row], work_);
        checked[*piece.rule] = true;
        for (const Reach& reach : piece.reaches)
            for (size_t row = 0; row < rows; ++row)
                replaceRow_[row] = replaceRow_[row] || ReachesInto(values[row], reach);
    }
}

// Whether the marker, its character at the reach's offset on the value's
// first, agrees with the value as far as both go.
bool TemplateFiller::ReachesInto(const CWString& value, const Reach& reach) {
    const CWString& marker = rules_[reach.rule].name;
    const size_t length = std::min(value.size(), marker.size() - reach.offset);
    if (!work_.Spend(length + 1)) return true;
    return length > 0 && value.compare(0, length, marker, reach.offset, length) == 0;
}

// Piece by piece, each rule's values read in a row. A cut too long for the
// rows' budget spends it: every row is then refused.
void TemplateFiller::MeasureCutRows() {
    cutLengths_.assign(replaceRow_.size(), 0);
    if (!work_.Spend(cut_->size() * cutLengths_.size())) return;
    for (const Piece& piece : *cut_) {
        for (size_t row = 0; row < cutLengths_.size(); ++row)
            cutLengths_[row] += piece.rule ? rules_[*piece.rule].values[row].size() : piece.text.size();
    }
}

bool TemplateFiller::FillFromCut(size_t row, CWString& line) {
    if (!work_.Spend(cutLengths_[row])) return false;
    line.clear();
    line.reserve(cutLengths_[row]);
    for (const Piece& piece : *cut_) {
        if (piece.rule) line.append(rules_[*piece.rule].values[row]);
        else line.append(piece.text);
    }
    return true;
}

// Every occurrence, left to right, becomes the value; the inserted value is
// not searched again for the same marker. A line that grows is measured
// first, so one that would pass the budget is never built.
bool TemplateFiller::ReplaceAll(CWString& line, const CWString& marker, const CWString& value) {
    if (marker.empty()) return true;
    if (!work_.Spend(line.size())) return false;
    const size_t first = line.find(marker);
    if (first == CWString::npos) return true;
    size_t size = line.size();
    if (value.size() > marker.size()) {
        if (!work_.Spend(line.size())) return false;
        for (size_t hit = first; hit != CWString::npos; hit = line.find(marker, hit + marker.size()))
            size += value.size() - marker.size();
        if (!work_.Affords(size)) return false;
    }
    scratch_.clear();
    scratch_.reserve(size);
    size_t from = 0;
    for (size_t hit = first; hit != CWString::npos; hit = line.find(marker, from)) {
        scratch_.append(line, from, hit - from).append(value);
        from = hit + marker.size();
    }
    scratch_.append(line, from);
    line.swap(scratch_);
    return work_.Spend(line.size());
}

}  // namespace rg_qelvane_app
