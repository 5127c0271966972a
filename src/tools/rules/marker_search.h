#pragma once
// Finds a marker in text at a cost of about the text searched plus the
// marker, whatever both hold (Knuth-Morris-Pratt): a mismatch falls back
// along the marker's own borders instead of searching again from the next
// character, so a long marker whose beginnings the text keeps repeating costs
// no more than a short one.
#include <cstdint>
#include <string_view>
#include <vector>

namespace rg_qelvane_app {

class MarkerSearch {
public:
    // The marker must outlive the search; an empty one is never found.
    explicit MarkerSearch(std::u16string_view marker);

    size_t size() const { return marker_.size(); }
    // The first occurrence beginning at or after `from`, npos when none.
    size_t Find(std::u16string_view text, size_t from = 0) const;

    // A match state is the length of the marker's longest beginning that
    // ends the text read so far; the whole marker's length once it is found.
    size_t Step(size_t state, char16_t next) const;
    // The longest beginning, shorter than the marker, that ends the text.
    size_t StateAtEnd(std::u16string_view text) const;

private:
    std::u16string_view marker_;
    // For each length of beginning, its longest proper beginning that is also its end.
    std::vector<uint32_t> borders_;
};

}  // namespace rg_qelvane_app
