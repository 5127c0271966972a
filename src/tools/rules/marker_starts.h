#pragma once
// Tells whether a marker of a later rule could start inside a value, whatever
// text follows it: lie wholly in the value, or begin in it and run on past
// its end. All markers are looked for in one pass over the value
// (Aho-Corasick): a trie of their beginnings, where a character that leads
// nowhere falls back to the longest end of the text read that still begins
// some marker. The pass costs about the value's length, however many markers
// there are and whatever beginnings they share; building the trie costs
// about the markers' length.
#include <bitset>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tools/rules/rule_expansion.h"

namespace rg_qelvane_app {

class MarkerStarts {
public:
    // No value asked about may be longer than `longestValue`.
    MarkerStarts(const std::vector<rg_ShuJuXiang>& rules, size_t longestValue);
    bool AnyAfter(size_t rule, std::u16string_view value) const;

private:
    // One beginning of one or more markers, the root standing for the empty
    // one. Rules are counted from 1 here, 0 standing for none.
    struct Node {
        // The node of the longest shorter end of this beginning that also begins a marker.
        uint32_t fallback = 0;
        // The latest rule whose marker ends the text read on reaching this node.
        uint32_t latestEnding = 0;
        // The latest rule whose marker begins with an end of that text.
        uint32_t latestBegun = 0;
        // Most beginnings lead on by one character only: that one is kept
        // here, any others in `moreChildren_`.
        char16_t firstNext = 0;
        uint32_t firstChild = 0;
    };

    uint32_t Child(uint32_t node, char16_t next) const;
    uint32_t AddChild(uint32_t node, char16_t next);
    uint32_t Step(uint32_t node, char16_t next) const;
    uint32_t LinkFallback(uint32_t node, uint32_t parent, char16_t next);

    static constexpr uint32_t kRoot = 0;
    // No node leads to the root, so its number also means "no child".
    static constexpr uint32_t kNoChild = kRoot;
    size_t longestValue_;
    std::vector<Node> nodes_;
    std::unordered_map<uint64_t, uint32_t> moreChildren_;
    // The characters that begin a marker: any other leaves the root at once.
    std::bitset<65536> firstCharacters_;
};

}  // namespace rg_qelvane_app
