#pragma once
// Regular expressions over UTF-16 texts (PCRE2, 16-bit code units).
//
// Patterns use the default options: case-sensitive, no multi-line and no
// dot-all mode; \w \d \s \b have their ASCII meaning. Each pattern text is
// compiled once (JIT where the library has it) and kept for later calls.
//
// Every search runs under a match limit and a time budget of a few tenths of
// a second, so a pasted text on which a pattern would backtrack without end,
// or rescan the rest of the text from every position, cannot hang the
// program. A search that runs out of either (or fails in any other way) is
// cut short: it stops there and keeps what it had found. RegexFindAll returns
// the matches before that point, RegexReplaceAll replaces the matches before
// that point and copies the rest unchanged. An invalid pattern matches
// nothing.
//
// Many searches in a row could still take seconds, each within its own
// budget; a RegexSearchBudget bounds them all together.
#include <chrono>
#include <string_view>

#include "platform/text.h"

namespace rg_qelvane_base {

// One time budget for all the searches of one user action, such as a click
// on a parse button: while it is open, every search on this thread ends by
// its deadline as well as by its own limit, and a search that starts after
// the deadline ends at once, finding nothing. Close it (let it go out of
// scope) when the action is done; the budget opened last is the one that
// counts, and the one open before it counts again once it closes.
class RegexSearchBudget {
public:
    // About a second: real sources finish in a fraction of that.
    static constexpr std::chrono::milliseconds kWholeAction{1000};
    // What one search may take, under a budget or not.
    static constexpr std::chrono::milliseconds kEachSearch{300};

    explicit RegexSearchBudget(std::chrono::milliseconds whole = kWholeAction,
                               std::chrono::milliseconds eachSearch = kEachSearch);
    ~RegexSearchBudget();
    RegexSearchBudget(const RegexSearchBudget&) = delete;
    RegexSearchBudget& operator=(const RegexSearchBudget&) = delete;

    // Whether any search under this budget was cut short, so that what the
    // action made of the searches may be incomplete.
    bool CutShort() const { return cutShort_; }

private:
    friend class SearchWatch;

    static thread_local RegexSearchBudget* open_;
    std::chrono::steady_clock::time_point deadline_;
    std::chrono::milliseconds eachSearch_;
    bool cutShort_ = false;
    RegexSearchBudget* outer_;
};

// Appends the flat match list of `pattern` over `subject` to `result`: per
// match, in source order, the whole match and then each capture group of the
// pattern (an empty entry for a group that took no part). Matches do not
// overlap; after an empty match the search goes on one code unit further.
// Returns the number of entries `result` then holds.
int RegexFindAll(std::u16string_view subject, std::u16string_view pattern, rg_WenBenShuZuLei& result);

// `subject` with every match of `pattern` replaced by `replacement`, taken
// literally.
CWString RegexReplaceAll(std::u16string_view subject, std::u16string_view pattern, std::u16string_view replacement);

}  // namespace rg_qelvane_base
