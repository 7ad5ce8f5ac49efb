// SPDX-License-Identifier: GPL-3.0-or-later
#include "InsightModel.h"
#include "session/insight/Metrics.h"

#include <gtest/gtest.h>

namespace tarnel::insight {
namespace {

struct DistanceCase {
    const char* derived;
    const char* expected;
    int segments;
    double normalised;
    double features;
};

void PrintTo(const DistanceCase& c, std::ostream* out) {
    *out << '"' << c.derived << "\" against \"" << c.expected << '"';
}

class DistanceTest : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(DistanceTest, MeasuresTheWayFromDerivedToExpected) {
    const DistanceCase& c = GetParam();
    const Distances d = measureDistances(test::typed(c.derived), test::typed(c.expected));
    EXPECT_EQ(d.segments, c.segments);
    EXPECT_DOUBLE_EQ(d.normalised, c.normalised);
    EXPECT_DOUBLE_EQ(d.features, c.features);
}

// t and d differ in voice alone; a and t in 11 of the 21 features.
INSTANTIATE_TEST_SUITE_P(HandWorked, DistanceTest,
                         ::testing::Values(DistanceCase{"ata", "ata", 0, 0, 0},
                                           DistanceCase{"ata", "atta", 1, 0.25, 1},
                                           DistanceCase{"pater", "pate", 1, 0.2, 1},
                                           DistanceCase{"ata", "ada", 1, 1.0 / 3, 1.0 / 21},
                                           DistanceCase{"tad", "dat", 2, 2.0 / 3, 2.0 / 21},
                                           DistanceCase{"a", "t", 1, 1, 11.0 / 21},
                                           DistanceCase{"", "", 0, 0, 0},
                                           DistanceCase{"", "ad", 2, 1, 2}));

TEST(RunMetrics, AveragesOverEveryItem) {
    const RunMetrics m = summarise({{0, 0, 0}, {1, 0.25, 1}, {3, 1, 2.5}}, 1);
    EXPECT_EQ(m.items, 3);
    EXPECT_DOUBLE_EQ(m.meanSegmentDistance, 4.0 / 3);
    EXPECT_DOUBLE_EQ(m.meanNormalisedDistance, 1.25 / 3);
    EXPECT_DOUBLE_EQ(m.withinOneSegment, 2.0 / 3);
    EXPECT_DOUBLE_EQ(m.meanFeatureDistance, 3.5 / 3);
    EXPECT_EQ(distanceText(m), "Mean segment distance 1.33, normalised 0.417; 66.7% within one "
                               "segment; mean feature distance 1.17");
    EXPECT_EQ(distanceText(summarise({}, 0)), "");
}

TEST(RunMetrics, AccuracyTextRoundsButNeverClaimsAllGood) {
    EXPECT_EQ(accuracyText(233, 237), "Good 233 of 237 (98.3%)");
    EXPECT_EQ(accuracyText(5, 5), "Good 5 of 5 (100.0%)");
    EXPECT_EQ(accuracyText(2000, 2001), "Good 2000 of 2001 (99.9%)");
    EXPECT_EQ(accuracyText(0, 3), "Good 0 of 3 (0.0%)");
    EXPECT_EQ(accuracyText(0, 0), "No items were compared");
}

// The Expected row marks the segments an alignment leaves unpaired, not all after a gap.
TEST(DifferingSegments, FollowTheAlignment) {
    const auto marks = [](const char* expected, const char* derived) {
        std::string shown;
        for (const bool differs : differingSegments(test::typed(expected), test::typed(derived)))
            shown += differs ? 'x' : '.';
        return shown;
    };
    EXPECT_EQ(marks("pater", "pader"), "..x..");
    EXPECT_EQ(marks("pater", "ater"), "x....");   // one segment lost at the start
    EXPECT_EQ(marks("pater", "paater"), "....."); // one inserted
    EXPECT_EQ(marks("pater", "pat"), "...xx");
    EXPECT_EQ(marks("pater", ""), "xxxxx");
    EXPECT_EQ(marks("", "pa"), "");
}

} // namespace
} // namespace tarnel::insight
