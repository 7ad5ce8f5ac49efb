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

std::optional<int> featureIndex(std::string_view name) {
    for (int i = 0; i < slotCount; ++i)
        if (featureNames[static_cast<std::size_t>(i)] == name)
            return i;
    return std::nullopt;
}

} // namespace tarnel
