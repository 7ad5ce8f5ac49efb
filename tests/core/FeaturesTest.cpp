// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Features.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(Features, NamesAndIndicesFollowTheFixedAlphabeticalOrder) {
    EXPECT_EQ(featureIndex("ant"), 0);
    EXPECT_EQ(featureIndex("stress"), 16);
    EXPECT_EQ(featureIndex("strid"), 17);
    EXPECT_EQ(featureIndex("voice"), 20);
    EXPECT_EQ(featureIndex("all"), 23);
    EXPECT_EQ(featureName(21), "mark");
    EXPECT_EQ(featureName(22), "segment");
    for (int i = 0; i < slotCount; ++i)
        EXPECT_EQ(featureIndex(*featureName(i)), i);
}

TEST(Features, UnknownNamesAndIndicesAreAbsentNotZero) {
    for (const char* name : {"ANT", "", " ant", "ant ", "Voice", "alls"})
        EXPECT_FALSE(featureIndex(name).has_value()) << name;
    for (int index : {-1, 24, 1000})
        EXPECT_FALSE(featureName(index).has_value()) << index;
}
