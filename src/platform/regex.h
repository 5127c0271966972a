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
// program. A search that runs out of either (or fails in any other way)
// stops there and keeps what it had found:
// RegexFindAll returns the matches before that point, RegexReplaceAll
// replaces the matches before that point and copies the rest unchanged. An
// invalid pattern matches nothing.
#include <string_view>

#include "platform/text.h"

namespace rg_qelvane_base {

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
