// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Distance.h"
#include "engine/ThreadPool.h"
#include "session/BatchRun.h"

#include <string>
#include <vector>

namespace tarnel::insight {

// The measures of a whole run beyond the Good count: means over every compared item.
struct RunMetrics {
    int items = 0;
    int good = 0;
    double meanSegmentDistance = 0;
    double meanNormalisedDistance = 0;
    double withinOneSegment = 0; // the share of items at most one segment away
    double meanFeatureDistance = 0;
};

// The distances of each item of `run`, in its order; on two threads with a pool.
std::vector<Distances> measureItems(const BatchRun& run, ThreadPool* pool = nullptr);

RunMetrics summarise(const std::vector<Distances>& items, int goodCount);

// "Good 233 of 237 (98.3%)"; "No items were compared" for an empty run.
std::string accuracyText(int good, int total);

// "Mean segment distance 0.04, normalised 0.01; 98.7% within one segment; mean feature
// distance 0.02"; empty for an empty run.
std::string distanceText(const RunMetrics& metrics);

} // namespace tarnel::insight
