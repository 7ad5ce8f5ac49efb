// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace tarnel {

// A segment stores the 21 sound features in alphabetical order of their names, then the
// pseudo-features "mark" and "segment", then a slot for "all" (a name rules use to address
// every feature at once; no encoder or decoder touches its slot).
inline constexpr int soundFeatureCount = 21;
inline constexpr int markFeature = 21;
inline constexpr int segmentFeature = 22;
inline constexpr int allFeature = 23;
inline constexpr int slotCount = 24;

// The name of feature `index` (0..23); no value for any other index.
std::optional<std::string_view> featureName(int index);

// The index of the feature called `name` (exact, case-sensitive); no value when there is
// none, which is never to be confused with `ant`, index 0.
std::optional<int> featureIndex(std::string_view name);

} // namespace tarnel
