// SPDX-License-Identifier: GPL-3.0-or-later
#include "Distance.h"

#include "core/Features.h"
#include "core/Popcount.h"

#include <algorithm>
#include <bit>

namespace tarnel::insight {

namespace {

constexpr int indelCost = soundFeatureCount;

// Levenshtein over the segments of two words, with insertions and deletions costing
// `indel` and a substitution what `substitution` says.
template <class Substitution>
[[gnu::always_inline]] inline int editDistance(const FeatureWord& a, const FeatureWord& b,
                                               int indel, Substitution substitution) {
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
        result.segments[static_cast<std::size_t>(p)] =
            soundFeatures(word.segments[static_cast<std::size_t>(p)]);
    }
    return result;
}

int segmentDistance(const FeatureWord& a, const FeatureWord& b) {
    return editDistance(a, b, 1, [](std::uint32_t x, std::uint32_t y) { return x == y ? 0 : 1; });
}

TARNEL_POPCOUNT_CLONES int featureDistance21(const FeatureWord& a, const FeatureWord& b) {
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

namespace tarnel::insight {

std::vector<bool> differingSegments(const Word& expected, const Word& derived) {
    const FeatureWord a = featureWord(expected);
    const FeatureWord b = featureWord(derived);
    const auto n = static_cast<std::size_t>(a.length);
    const auto m = static_cast<std::size_t>(b.length);
    // cost[i][j]: the distance between the first i segments of `a` and the first j of `b`.
    std::array<std::array<int, wordPositions + 1>, wordPositions + 1> cost{};
    for (std::size_t i = 0; i <= n; ++i)
        for (std::size_t j = 0; j <= m; ++j)
            cost[i][j] = i == 0 || j == 0
                             ? static_cast<int>(i + j)
                             : std::min({cost[i - 1][j] + 1, cost[i][j - 1] + 1,
                                         cost[i - 1][j - 1] +
                                             (a.segments[i - 1] == b.segments[j - 1] ? 0 : 1)});
    // Back from the end, a pairing of equal segments first where it is as cheap.
    std::vector<bool> differs(n, true);
    for (std::size_t i = n, j = m; i > 0;) {
        if (j > 0 && a.segments[i - 1] == b.segments[j - 1] && cost[i][j] == cost[i - 1][j - 1]) {
            differs[--i] = false;
            --j;
        } else if (j > 0 && cost[i][j] == cost[i - 1][j - 1] + 1) {
            --i;
            --j;
        } else if (cost[i][j] == cost[i - 1][j] + 1) {
            --i;
        } else {
            --j;
        }
    }
    return differs;
}

} // namespace tarnel::insight
