// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Word.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarnel::insight {

// A word as the batch compares it: the 21 sound features of each segment as bits.
struct FeatureWord {
    std::array<std::uint32_t, wordPositions> segments{};
    int length = 0;
};

FeatureWord featureWord(const Word& word);

// Levenshtein distance over segments; two segments are equal when their 21 features are.
int segmentDistance(const FeatureWord& a, const FeatureWord& b);

// The feature edit distance in 21sts of a feature, so that distances compare exactly: a
// substitution costs the number of features that differ, an insertion or a deletion 21.
int featureDistance21(const FeatureWord& a, const FeatureWord& b);

// How far a derived word is from its expected reflex.
struct Distances {
    int segments = 0;      // segment edit distance
    double normalised = 0; // the same divided by the longer length (0 for two empty words)
    double features = 0;   // feature edit distance: a substitution costs the share of the 21
                           // features that differ, an insertion or a deletion 1
};

Distances measureDistances(const Word& derived, const Word& expected);

// For each segment of `expected`, whether it differs from `derived`: true unless a cheapest
// segment alignment of the two words (the segment edit distance's) pairs it with an equal
// segment. One inserted or lost segment marks only itself, not every segment after it.
std::vector<bool> differingSegments(const Word& expected, const Word& derived);

} // namespace tarnel::insight
