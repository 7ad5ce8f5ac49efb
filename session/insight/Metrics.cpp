// SPDX-License-Identifier: GPL-3.0-or-later
#include "Metrics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tarnel::insight {

namespace {

std::string fixed(double value, int decimals) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// One decimal, but never "100.0" for a share that is not whole.
std::string percentText(int part, int whole) {
    double percent = 100.0 * part / whole;
    if (part < whole)
        percent = std::min(percent, 99.9);
    return fixed(percent, 1) + "%";
}

} // namespace

// The first half of the items is measured on a thread of the pool, the rest here.
std::vector<Distances> measureItems(const BatchRun& run, ThreadPool* pool) {
    std::vector<Distances> distances(run.items.size());
    const auto measure = [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            distances[i] = measureDistances(run.items[i].derived, run.items[i].expected);
    };
    const std::size_t half = run.items.size() / 2;
    runSideBySide(
        pool, [&] { measure(0, half); }, [&] { measure(half, run.items.size()); });
    return distances;
}

RunMetrics summarise(const std::vector<Distances>& items, int goodCount) {
    RunMetrics metrics;
    metrics.items = static_cast<int>(items.size());
    metrics.good = goodCount;
    if (items.empty())
        return metrics;
    int withinOne = 0;
    for (const Distances& item : items) {
        metrics.meanSegmentDistance += item.segments;
        metrics.meanNormalisedDistance += item.normalised;
        metrics.meanFeatureDistance += item.features;
        withinOne += item.segments <= 1 ? 1 : 0;
    }
    const auto n = static_cast<double>(items.size());
    metrics.meanSegmentDistance /= n;
    metrics.meanNormalisedDistance /= n;
    metrics.meanFeatureDistance /= n;
    metrics.withinOneSegment = withinOne / n;
    return metrics;
}

std::string accuracyText(int good, int total) {
    if (total <= 0)
        return "No items were compared";
    return "Good " + std::to_string(good) + " of " + std::to_string(total) + " (" +
           percentText(good, total) + ")";
}

std::string distanceText(const RunMetrics& metrics) {
    if (metrics.items == 0)
        return {};
    const int withinOne = static_cast<int>(std::lround(metrics.withinOneSegment * metrics.items));
    return "Mean segment distance " + fixed(metrics.meanSegmentDistance, 2) + ", normalised " +
           fixed(metrics.meanNormalisedDistance, 3) + "; " + percentText(withinOne, metrics.items) +
           " within one segment; mean feature distance " + fixed(metrics.meanFeatureDistance, 2);
}

} // namespace tarnel::insight
