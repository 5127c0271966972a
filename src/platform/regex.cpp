#include "platform/regex.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace rg_qelvane_base {

namespace {

using Clock = std::chrono::steady_clock;

// Backtracking steps one starting position may take before the search gives
// up: far above what any pattern of the program needs on real Java text,
// reached only by a pattern that explodes on some paste.
constexpr uint32_t kMatchLimit = 5'000'000;

// The limit above counts per starting position, so a pattern that scans to
// the end of the text from each of many positions (an unclosed comment opened
// a hundred thousand times) stays under it and is still quadratic. A whole
// search therefore also has a time budget. The matcher calls out before every
// item of the pattern, and the watch reads its clock every so many calls, so
// the budget holds however the work is spread over the text; one matcher call
// that had to finish first could take seconds (RegexSearchBudget::kEachSearch).
// Under a whole action's budget a search keeps its own limit too, so that one
// search that runs away leaves time for the searches after it.
constexpr uint32_t kCalloutsPerClockRead = 256;

// The JIT keeps its backtracking frames on a stack of its own; a long
// documentation comment full of stars needs more than the default 32 KiB.
constexpr size_t kJitStackStart = 32 * 1024;
constexpr size_t kJitStackMax = 8 * 1024 * 1024;

// Patterns built from source names (a class's own name) would otherwise fill
// the cache without end.
constexpr size_t kMaxCachedPatterns = 128;

class CompiledPattern {
public:
    explicit CompiledPattern(std::u16string_view pattern) {
        int error = 0;
        PCRE2_SIZE errorOffset = 0;
        code_ = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                              PCRE2_USE_OFFSET_LIMIT | PCRE2_AUTO_CALLOUT, &error, &errorOffset, nullptr);
        if (!code_) return;
        pcre2_jit_compile(code_, PCRE2_JIT_COMPLETE);  // without JIT the interpreter runs
        pcre2_pattern_info(code_, PCRE2_INFO_CAPTURECOUNT, &groups_);
        uint32_t lastType = 0, lastUnit = 0;
        pcre2_pattern_info(code_, PCRE2_INFO_LASTCODETYPE, &lastType);
        pcre2_pattern_info(code_, PCRE2_INFO_LASTCODEUNIT, &lastUnit);
        // A letter may be required in either case ("(?i)"); other code units have only one.
        bool letter = (lastUnit >= 'a' && lastUnit <= 'z') || (lastUnit >= 'A' && lastUnit <= 'Z');
        if (lastType == 1 && !letter) requiredUnit_ = static_cast<char16_t>(lastUnit);
    }
    ~CompiledPattern() { pcre2_code_free(code_); }
    CompiledPattern(const CompiledPattern&) = delete;
    CompiledPattern& operator=(const CompiledPattern&) = delete;

    const pcre2_code* Code() const { return code_; }
    uint32_t Groups() const { return groups_; }

    // Every match holds the pattern's required code unit (when it has one)
    // after its start, so no match starts behind the last one. The library
    // looks for that unit only near each starting position; without this
    // bound every start behind it would scan to the end of the text.
    std::optional<PCRE2_SIZE> LastPossibleStart(std::u16string_view subject) const {
        if (!requiredUnit_) return subject.size();
        size_t last = subject.rfind(*requiredUnit_);
        if (last == std::u16string_view::npos) return std::nullopt;
        return last;
    }

private:
    pcre2_code* code_ = nullptr;
    uint32_t groups_ = 0;
    std::optional<char16_t> requiredUnit_;
};

std::shared_ptr<const CompiledPattern> Compiled(std::u16string_view pattern) {
    static std::mutex mutex;
    static std::unordered_map<std::u16string, std::shared_ptr<const CompiledPattern>> cache;
    std::lock_guard lock(mutex);
    auto found = cache.find(std::u16string(pattern));
    if (found != cache.end()) return found->second;
    if (cache.size() >= kMaxCachedPatterns) cache.clear();
    auto compiled = std::make_shared<const CompiledPattern>(pattern);
    cache.emplace(pattern, compiled);
    return compiled;
}

}  // namespace

thread_local RegexSearchBudget* RegexSearchBudget::open_ = nullptr;

RegexSearchBudget::RegexSearchBudget(std::chrono::milliseconds whole, std::chrono::milliseconds eachSearch)
    : deadline_(Clock::now() + whole), eachSearch_(eachSearch), outer_(open_) {
    open_ = this;
}

RegexSearchBudget::~RegexSearchBudget() { open_ = outer_; }

// The time one search may take: its own budget, and no more than what is
// left of the budget open on this thread, which hears of it when the search
// is cut short.
class SearchWatch {
public:
    SearchWatch() : budget_(RegexSearchBudget::open_) {
        Clock::time_point now = Clock::now();
        deadline_ =
            budget_ ? std::min(now + budget_->eachSearch_, budget_->deadline_) : now + RegexSearchBudget::kEachSearch;
    }

    bool Spent() const { return Clock::now() >= deadline_; }
    void ReportCutShort() const {
        if (budget_) budget_->cutShort_ = true;
    }

    // The matcher's callout: ends the match once the time is spent.
    static int Check(pcre2_callout_block*, void* data) {
        auto* watch = static_cast<SearchWatch*>(data);
        if (--watch->calloutsLeft_ > 0) return 0;
        watch->calloutsLeft_ = kCalloutsPerClockRead;
        return watch->Spent() ? PCRE2_ERROR_CALLOUT : 0;
    }

private:
    RegexSearchBudget* budget_;
    Clock::time_point deadline_;
    uint32_t calloutsLeft_ = kCalloutsPerClockRead;
};

namespace {

// Match context and JIT stack of the calling thread.
class MatchResources {
public:
    MatchResources()
        : context_(pcre2_match_context_create(nullptr)),
          jitStack_(pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr)) {
        pcre2_set_match_limit(context_, kMatchLimit);
        if (jitStack_) pcre2_jit_stack_assign(context_, nullptr, jitStack_);
    }
    ~MatchResources() {
        pcre2_match_context_free(context_);
        pcre2_jit_stack_free(jitStack_);
    }
    MatchResources(const MatchResources&) = delete;
    MatchResources& operator=(const MatchResources&) = delete;

    // The context for one search: matches start at or before `lastStart`.
    pcre2_match_context* Context(SearchWatch& watch, PCRE2_SIZE lastStart) const {
        pcre2_set_callout(context_, SearchWatch::Check, &watch);
        pcre2_set_offset_limit(context_, lastStart);
        return context_;
    }

private:
    pcre2_match_context* context_;
    pcre2_jit_stack* jitStack_;
};

struct MatchDataDeleter {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};

// Calls `onMatch(ovector, setPairs, groups)` for every successive
// non-overlapping match; pairs from `setPairs` on belong to groups that took
// no part in the match. Stops when nothing more matches, and is cut short
// when the time is spent (before it starts, too) or a search fails (match
// limit, JIT stack, memory).
template <typename OnMatch>
void ForEachMatch(std::u16string_view subject, std::u16string_view pattern, OnMatch onMatch) {
    SearchWatch watch;
    if (watch.Spent()) return watch.ReportCutShort();
    auto compiled = Compiled(pattern);
    if (!compiled->Code()) return;
    std::optional<PCRE2_SIZE> lastStart = compiled->LastPossibleStart(subject);
    if (!lastStart) return;
    thread_local MatchResources resources;
    std::unique_ptr<pcre2_match_data, MatchDataDeleter> matchData(
        pcre2_match_data_create_from_pattern(compiled->Code(), nullptr));
    if (!matchData) return watch.ReportCutShort();

    static const char16_t kEmpty = 0;
    auto text = reinterpret_cast<PCRE2_SPTR>(subject.empty() ? &kEmpty : subject.data());
    pcre2_match_context* context = resources.Context(watch, *lastStart);
    PCRE2_SIZE start = 0;
    uint32_t options = 0;
    while (start <= *lastStart) {
        int rc = pcre2_match(compiled->Code(), text, subject.size(), start, options, matchData.get(), context);
        if (rc == PCRE2_ERROR_NOMATCH) return;
        if (rc < 0) return watch.ReportCutShort();
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(matchData.get());
        onMatch(ovector, static_cast<uint32_t>(rc), compiled->Groups());
        // An empty match may not be found again at the same place: the next
        // search must either match something there or move on.
        options = ovector[0] == ovector[1] ? PCRE2_NOTEMPTY_ATSTART : 0;
        start = ovector[1];
    }
}

}  // namespace

int RegexFindAll(std::u16string_view subject, std::u16string_view pattern, rg_WenBenShuZuLei& result) {
    ForEachMatch(subject, pattern, [&](const PCRE2_SIZE* ovector, uint32_t setPairs, uint32_t groups) {
        for (uint32_t g = 0; g <= groups; ++g) {
            PCRE2_SIZE begin = ovector[2 * g], end = ovector[2 * g + 1];
            if (g >= setPairs || begin == PCRE2_UNSET || end < begin) result.emplace_back();
            else result.emplace_back(subject.substr(begin, end - begin));
        }
    });
    return static_cast<int>(result.size());
}

CWString RegexReplaceAll(std::u16string_view subject, std::u16string_view pattern, std::u16string_view replacement) {
    CWString out;
    out.reserve(subject.size());
    PCRE2_SIZE copied = 0;
    ForEachMatch(subject, pattern, [&](const PCRE2_SIZE* ovector, uint32_t, uint32_t) {
        out.append(subject.substr(copied, ovector[0] - copied));
        out.append(replacement);
        copied = ovector[1];
    });
    out.append(subject.substr(copied));
    return out;
}

}  // namespace rg_qelvane_base
