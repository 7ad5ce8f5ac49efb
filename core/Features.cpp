// SPDX-License-Identifier: GPL-3.0-or-later
#include "Features.h"

#include <array>

namespace tarnel {

namespace {

constexpr std::array<std::string_view, slotCount> featureNames = {
    "ant",    "asp",   "back", "cons",  "cont",  "cor",  "delrel",  "distr",
    "front",  "high",  "lat",  "long",  "low",   "nas",  "obstr",   "round",
    "stress", "strid", "syll", "tense", "voice", "mark", "segment", "all",
};

} // namespace

std::optional<std::string_view> featureName(int index) {
    if (index < 0 || index >= slotCount)
        return std::nullopt;
    return featureNames[static_cast<std::size_t>(index)];
}

// Rule text names features all the time: a name's first character and length rule out most
// candidates before the text is compared.
std::optional<int> featureIndex(std::string_view name) {
    if (name.empty())
        return std::nullopt;
    for (int i = 0; i < slotCount; ++i) {
        const std::string_view candidate = featureNames[static_cast<std::size_t>(i)];
        if (candidate.size() == name.size() && candidate.front() == name.front() &&
            candidate == name)
            return i;
    }
    return std::nullopt;
}

} // namespace tarnel
