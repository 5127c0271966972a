#include "tools/rules/marker_starts.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace rg_qelvane_app {

namespace {

uint64_t EdgeKey(uint32_t node, char16_t next) { return uint64_t{node} << 16 | next; }

}  // namespace

// The trie is built one depth at a time over all markers together, so that
// every shallower node has its fallback when a node's own is looked for.
MarkerStarts::MarkerStarts(const std::vector<rg_ShuJuXiang>& rules, size_t longestValue)
    : longestValue_(longestValue), nodes_(1) {
    assert(rules.size() < std::numeric_limits<uint32_t>::max());
    struct Growing {
        uint32_t rule;  // counted from 1
        uint32_t node;
    };
    std::vector<Growing> growing;
    for (size_t rule = 0; rule < rules.size(); ++rule)
        if (!rules[rule].name.empty() && longestValue > 0) growing.push_back({static_cast<uint32_t>(rule + 1), kRoot});
    // Each node's parent and the character that leads there from it.
    std::vector<std::pair<uint32_t, char16_t>> arrivals(1);
    for (size_t depth = 0; !growing.empty(); ++depth) {
        const auto levelBegin = static_cast<uint32_t>(nodes_.size());
        size_t kept = 0;
        for (const Growing& marker : growing) {
            const CWString& name = rules[marker.rule - 1].name;
            uint32_t child = Child(marker.node, name[depth]);
            if (child == kNoChild) {
                child = AddChild(marker.node, name[depth]);
                arrivals.emplace_back(marker.node, name[depth]);
            }
            Node& reached = nodes_[child];
            reached.latestBegun = std::max(reached.latestBegun, marker.rule);
            if (depth + 1 == name.size()) reached.latestEnding = std::max(reached.latestEnding, marker.rule);
            // A value holds no more of a marker than its own length: the rest
            // of the marker could only run on past the value's end, which the
            // beginning kept already tells.
            else if (depth + 1 < longestValue) growing[kept++] = {marker.rule, child};
        }
        growing.resize(kept);
        for (uint32_t node = levelBegin; node < nodes_.size(); ++node) {
            [[maybe_unused]] const uint32_t fallback = LinkFallback(node, arrivals[node].first, arrivals[node].second);
            assert(fallback < levelBegin);
        }
    }
}

uint32_t MarkerStarts::Child(uint32_t node, char16_t next) const {
    if (node == kRoot && !firstCharacters_[next]) return kNoChild;
    const Node& from = nodes_[node];
    if (from.firstChild == kNoChild || from.firstNext == next) return from.firstChild;
    const auto more = moreChildren_.find(EdgeKey(node, next));
    return more == moreChildren_.end() ? kNoChild : more->second;
}

uint32_t MarkerStarts::AddChild(uint32_t node, char16_t next) {
    const auto child = static_cast<uint32_t>(nodes_.size());
    nodes_.emplace_back();
    Node& from = nodes_[node];
    if (from.firstChild == kNoChild) {
        from.firstNext = next;
        from.firstChild = child;
    } else {
        moreChildren_.emplace(EdgeKey(node, next), child);
    }
    if (node == kRoot) firstCharacters_.set(next);
    return child;
}

uint32_t MarkerStarts::Step(uint32_t node, char16_t next) const {
    for (;;) {
        if (const uint32_t child = Child(node, next); child != kNoChild) return child;
        if (node == kRoot) return kRoot;
        node = nodes_[node].fallback;
    }
}

// The fallback is the child, by the same character, of the parent's fallback
// or of the first node along its fallbacks that has one; what ends or begins
// at the fallback ends or begins at the node too.
uint32_t MarkerStarts::LinkFallback(uint32_t node, uint32_t parent, char16_t next) {
    uint32_t fallback = kRoot;
    if (parent != kRoot) fallback = Step(nodes_[parent].fallback, next);
    Node& linked = nodes_[node];
    linked.fallback = fallback;
    linked.latestEnding = std::max(linked.latestEnding, nodes_[fallback].latestEnding);
    linked.latestBegun = std::max(linked.latestBegun, nodes_[fallback].latestBegun);
    return fallback;
}

bool MarkerStarts::AnyAfter(size_t rule, std::u16string_view value) const {
    assert(value.size() <= longestValue_);
    const size_t latestBefore = rule + 1;
    uint32_t node = kRoot;
    for (char16_t next : value) {
        // Text that begins no marker is passed over at once.
        if (node == kRoot && !firstCharacters_[next]) continue;
        node = Step(node, next);
        if (nodes_[node].latestEnding > latestBefore) return true;
    }
    return nodes_[node].latestBegun > latestBefore;
}

}  // namespace rg_qelvane_app
