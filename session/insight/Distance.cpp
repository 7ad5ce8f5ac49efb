// SPDX-License-Identifier: GPL-3.0-or-later
#include "Distance.h"

#include "core/Features.h"

#include <algorithm>
#include <bit>

namespace tarnel::insight {

namespace {

constexpr int indelCost = soundFeatureCount;

// Levenshtein over the segments of two words, with insertions and deletions costing
// `indel` and a substitution what `substitution` says.
template <class Substitution>
int editDistance(const FeatureWord& a, const FeatureWord& b, int indel, Substitution substitution) {
    std::array<int, wordPositions + 1> row{};
    for (int j = 0; j <= b.length; ++j)
        row[static_cast<std::size_t>(j)] = j * indel;
    for (int i = 1; i <= a.length; ++i) {
        int diagonal = row[0];
        row[0] = i * indel;
        for (int j = 1; j <= b.length; ++j) {
            const auto uj = static_cast<std::size_t>(j);
            const int above = row[uj];
            const int substituted =
                diagonal +
                substitution(a.segments[static_cast<std::size_t>(i - 1)], b.segments[uj - 1]);
            row[uj] = std::min({above + indel, row[uj - 1] + indel, substituted});
            diagonal = above;
        }
    }
    return row[static_cast<std::size_t>(b.length)];
}

} // namespace

FeatureWord featureWord(const Word& word) {
    FeatureWord result;
    result.length = std::clamp(word.length, 0, wordPositions);
    for (int p = 0; p < result.length; ++p) {
        std::uint32_t bits = 0;
        for (int f = 0; f < soundFeatureCount; ++f)
            if (slotValue(word.segments[static_cast<std::size_t>(p)], f))
                bits |= 1u << f;
        result.segments[static_cast<std::size_t>(p)] = bits;
    }
    return result;
}

int segmentDistance(const FeatureWord& a, const FeatureWord& b) {
    return editDistance(a, b, 1, [](std::uint32_t x, std::uint32_t y) { return x == y ? 0 : 1; });
}

int featureDistance21(const FeatureWord& a, const FeatureWord& b) {
    return editDistance(a, b, indelCost,
                        [](std::uint32_t x, std::uint32_t y) { return std::popcount(x ^ y); });
}

Distances measureDistances(const Word& derived, const Word& expected) {
    const FeatureWord a = featureWord(derived);
    const FeatureWord b = featureWord(expected);
    Distances distances;
    distances.segments = segmentDistance(a, b);
    const int longer = std::max(a.length, b.length);
    if (longer > 0)
        distances.normalised = static_cast<double>(distances.segments) / longer;
    distances.features = static_cast<double>(featureDistance21(a, b)) / indelCost;
    return distances;
}

} // namespace tarnel::insight
