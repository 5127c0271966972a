#include "tools/rules/marker_search.h"

#include <algorithm>

namespace rg_qelvane_app {

MarkerSearch::MarkerSearch(std::u16string_view marker) : marker_(marker), borders_(marker.size() + 1, 0) {
    for (size_t length = 2; length <= marker.size(); ++length)
        borders_[length] = static_cast<uint32_t>(Step(borders_[length - 1], marker[length - 1]));
}

size_t MarkerSearch::Step(size_t state, char16_t next) const {
    while (state > 0 && (state == marker_.size() || marker_[state] != next)) state = borders_[state];
    return marker_[state] == next ? state + 1 : 0;
}

size_t MarkerSearch::Find(std::u16string_view text, size_t from) const {
    constexpr size_t kNone = std::u16string_view::npos;
    if (marker_.empty()) return kNone;
    size_t state = 0;
    for (size_t at = from; at < text.size();) {
        // Nothing matched: straight on to the marker's first character.
        if (state == 0 && (at = text.find(marker_[0], at)) == kNone) return kNone;
        while (at < text.size() && text[at] == marker_[state]) {
            ++at;
            if (++state == marker_.size()) return at - state;
        }
        // A mismatch falls back to a shorter beginning, never to the full marker.
        if (at < text.size()) state = Step(state, text[at++]);
    }
    return kNone;
}

size_t MarkerSearch::StateAtEnd(std::u16string_view text) const {
    if (marker_.empty()) return 0;
    // A beginning shorter than the marker lies within its length less one.
    const size_t window = std::min(text.size(), marker_.size() - 1);
    size_t state = 0;
    for (char16_t next : text.substr(text.size() - window)) state = Step(state, next);
    return state;
}

}  // namespace rg_qelvane_app
