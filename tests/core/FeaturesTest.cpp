// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Features.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(Features, NamesAndIndicesFollowTheFixedAlphabeticalOrder) {
    const std::pair<const char*, int> named[] = {{"ant", 0},    {"stress", 16}, {"strid", 17},
                                                 {"voice", 20}, {"mark", 21},   {"segment", 22},
                                                 {"all", 23}};
    for (const auto& [name, index] : named)
        EXPECT_EQ(std::tuple(featureIndex(name), featureName(index)), std::tuple(index, name));
    for (int i = 0; i < slotCount; ++i)
        EXPECT_EQ(featureIndex(*featureName(i)), i);
}

TEST(Features, UnknownNamesAndIndicesAreAbsentNotZero) {
    for (const char* name : {"ANT", "", " ant", "ant ", "Voice", "alls"})
        EXPECT_FALSE(featureIndex(name).has_value()) << name;
    for (int index : {-1, 24, 1000})
        EXPECT_FALSE(featureName(index).has_value()) << index;
}
