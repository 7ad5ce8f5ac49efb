// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Features.h"

#include <array>
#include <cstdint>

namespace tarnel {

// One sound: slot k of Features.h is bit k, set for plus.
struct Segment {
    std::uint32_t bits = 0;

    bool operator[](int slot) const { return ((bits >> slot) & 1u) != 0; }
    void set(int slot, bool plus) {
        bits = (bits & ~(1u << slot)) | (static_cast<std::uint32_t>(plus) << slot);
    }
    bool operator==(const Segment&) const = default;
};

// The slots of the 21 sound features, and those with "mark" after them.
inline constexpr std::uint32_t soundFeatureSlots = (1u << soundFeatureCount) - 1;
inline constexpr std::uint32_t slotsThroughMark = (1u << (markFeature + 1)) - 1;

// The value of slot `slot` (Features.h) of a segment. Code outside the engine reads segments
// through this, so that their storage can change.
inline bool slotValue(const Segment& segment, int slot) {
    return segment[slot];
}

// The 21 sound features of a segment, bit f for feature f.
inline std::uint32_t soundFeatures(const Segment& segment) {
    return segment.bits & soundFeatureSlots;
}

// At most 20 characters are typed; position 20 is the spare that lets a rule grow a word.
inline constexpr int maxTypedLength = 20;
inline constexpr int wordPositions = 21;

// Fixed storage: positions at or beyond `length` keep whatever they held before, and some
// rules (and the batch comparison of words of unequal length) can see them.
struct Word {
    std::array<Segment, wordPositions> segments{};
    int length = 0;
};

} // namespace tarnel
