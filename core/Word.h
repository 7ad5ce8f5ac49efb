#pragma once

#include "Features.h"

#include <array>

namespace tarnel {

// One sound: every slot of Features.h, true for plus.
using Segment = std::array<bool, slotCount>;

// The value of slot `slot` (Features.h) of a segment. Code outside the engine reads segments
// through this, so that their storage can change.
inline bool slotValue(const Segment& segment, int slot) {
    return segment[static_cast<std::size_t>(slot)];
}

// True when two segments agree in the 21 sound features; "mark" and the rest do not count.
inline bool sameSoundFeatures(const Segment& a, const Segment& b) {
    for (int feature = 0; feature < soundFeatureCount; ++feature)
        if (slotValue(a, feature) != slotValue(b, feature))
            return false;
    return true;
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
