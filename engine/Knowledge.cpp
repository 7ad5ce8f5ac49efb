// SPDX-License-Identifier: GPL-3.0-or-later
#include "Knowledge.h"

#include <algorithm>
#include <numeric>

namespace tarnel {

namespace {

using Index = std::size_t;

// Slots `slotMask` of the positions in `range` take the values one after them (`down`) or
// one before them: the move of Changes.cpp, on bits and on starting positions alike.
void shiftPlanes(std::array<std::uint32_t, slotCount>& planes, std::uint32_t range, bool down,
                 std::uint32_t slotMask) {
    for (; slotMask != 0; slotMask &= slotMask - 1) {
        std::uint32_t& plane = planes[static_cast<Index>(std::countr_zero(slotMask))];
        plane = (plane & ~range) | ((down ? plane >> 1 : plane << 1) & range);
    }
}

template <class Origins> void shiftOrigins(Origins& origins, std::uint32_t range, bool down) {
    if (range == 0)
        return;
    const auto first = static_cast<Index>(std::countr_zero(range));
    const auto last = static_cast<Index>(31 - std::countl_zero(range));
    if (down)
        std::copy(origins.begin() + static_cast<long>(first) + 1,
                  origins.begin() + static_cast<long>(last) + 2,
                  origins.begin() + static_cast<long>(first));
    else
        std::copy_backward(origins.begin() + static_cast<long>(first) - 1,
                           origins.begin() + static_cast<long>(last),
                           origins.begin() + static_cast<long>(last) + 1);
}

constexpr std::uint32_t movedTogether = slotsThroughMark; // slots 0 to 21

} // namespace

void WordKnowledge::forget() {
    known_.fill(0);
    together_ = 0;
    surveyedLength_ = -1;
    std::iota(origin_.begin(), origin_.end(), std::int8_t{0});
    segmentOrigin_ = origin_;
    moved_ = 0;
    segmentMoved_ = 0;
    lost_ = false;
}

void WordKnowledge::learnAll() {
    forget();
    known_.fill(allPositions);
    together_ = allPositions;
}

void WordKnowledge::shift(std::uint32_t range, bool down, std::uint32_t slotMask) {
    // A position that takes only some of its slots from its neighbour stays whole when both
    // were.
    const std::uint32_t neighbours = (down ? together_ >> 1 : together_ << 1) & range;
    const bool whole = (slotMask & movedTogether) == movedTogether;
    together_ = (together_ & ~range) | (whole ? neighbours : neighbours & together_);
    surveyedLength_ = -1;
    shiftPlanes(known_, range, down, slotMask);
    shiftOrigins(origin_, range, down);
    moved_ |= range;
    if ((slotMask >> segmentFeature) & 1u) {
        shiftOrigins(segmentOrigin_, range, down);
        segmentMoved_ |= range;
    }
}

void WordKnowledge::copy(int from, int to) {
    together_ = (together_ & ~(1u << to)) | (((together_ >> from) & 1u) << to);
    surveyedLength_ = -1;
    for (Index s = 0; s <= static_cast<Index>(markFeature); ++s)
        known_[s] = (known_[s] & ~(1u << to)) | (((known_[s] >> from) & 1u) << to);
    origin_[static_cast<Index>(to)] = origin_[static_cast<Index>(from)];
    moved_ |= 1u << to;
}

void WordKnowledge::swap(int first, int second) {
    const std::uint32_t both = (1u << first) | (1u << second);
    if ((together_ & both) != both) {
        for (Index s = 0; s <= static_cast<Index>(markFeature); ++s) {
            const std::uint32_t differ = ((known_[s] >> first) ^ (known_[s] >> second)) & 1u;
            known_[s] ^= (differ << first) | (differ << second);
        }
        const std::uint32_t differ = ((together_ >> first) ^ (together_ >> second)) & 1u;
        together_ ^= (differ << first) | (differ << second);
        surveyedLength_ = -1;
    }
    std::swap(origin_[static_cast<Index>(first)], origin_[static_cast<Index>(second)]);
    moved_ |= (1u << first) | (1u << second);
}

void WordKnowledge::survey(int length) {
    const std::uint32_t inside = positionsBelow(length);
    const std::uint32_t beyond = positionsBelow(length + 1);
    sureInside_ = 0;
    sureBeyond_ = 0;
    for (Index s = 0; s < known_.size(); ++s) {
        sureInside_ |= static_cast<std::uint32_t>((known_[s] & inside) == inside) << s;
        sureBeyond_ |= static_cast<std::uint32_t>((known_[s] & beyond) == beyond) << s;
    }
    surveyedLength_ = length;
}

// Values that never moved come from their own position, a whole plane at a time; only
// moved ones are looked up one by one.
void WordKnowledge::bringUp(WordPlanes& exact, const WordPlanes& reached) const {
    const WordPlanes start = exact;
    for (Index s = 0; s < known_.size(); ++s) {
        const bool together = ((movedTogether >> s) & 1u) != 0;
        const bool segment = s == static_cast<Index>(segmentFeature);
        const std::uint32_t moved = together ? moved_ : segment ? segmentMoved_ : 0u;
        const std::uint32_t unknown = ~known_[s] & allPositions;
        std::uint32_t plane = (reached.plane[s] & known_[s]) | (start.plane[s] & unknown & ~moved);
        for (std::uint32_t p = unknown & moved; p != 0; p &= p - 1) {
            const auto at = static_cast<Index>(std::countr_zero(p));
            const int origin = together ? origin_[at] : segmentOrigin_[at];
            plane |= ((start.plane[s] >> origin) & 1u) << at;
        }
        exact.plane[s] = plane;
    }
    exact.length = reached.length;
}

} // namespace tarnel
