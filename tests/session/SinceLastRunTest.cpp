// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/insight/SinceLastRun.h"

#include <gtest/gtest.h>

namespace tarnel::insight {
namespace {

// A current item: Good without a feature, else Bad at segment 2 of `feature`.
BatchItemResult item(const std::string& etymon, const std::string& reflex,
                     std::string_view feature = {}) {
    BatchItemResult result;
    result.etymon = etymon;
    result.reflex = reflex;
    if (!feature.empty())
        result.discrepancy = Discrepancy{2, feature};
    return result;
}

class SinceLastRunTest : public ::testing::Test {
protected:
    const std::vector<PreviousItem> previous{
        {"pater", "padre", false, "seg.#2, voice"}, // to be fixed
        {"lupum", "lobo", true, ""},                // to be broken
        {"rotam", "rueda", false, "seg.#3, high"},  // to be Bad elsewhere
        {"lupum", "lobo", false, "seg.#2, voice"},  // the second lupum: stays as it was
        {"aquam", "agua", true, ""},                // to be removed
    };
};

TEST_F(SinceLastRunTest, MatchesItemsByTheirTextsAndTellsWhatChanged) {
    BatchRun current;
    current.items = {item("lupum", "lobo", "cont"),   item("pater", "padre"),
                     item("rotam", "rueda", "voice"), item("lupum", "lobo", "voice"),
                     item("vitam", "vida"),           item("lupum", "lobo")};
    const SinceLastRun since = compareRuns(previous, current);
    ASSERT_EQ(since.items.size(), 6u);
    const ItemChange expected[] = {ItemChange::Broken,    ItemChange::Fixed, ItemChange::Moved,
                                   ItemChange::Unchanged, ItemChange::New,   ItemChange::New};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(since.items[i].change, expected[i]) << i;
    EXPECT_EQ(std::tie(since.items[0].before, since.items[1].before, since.items[4].before),
              std::tuple("Before: Good", "Before: Bad at seg.#2, voice", "Before: not there"));
    ASSERT_EQ(since.removed.size(), 1u);
    EXPECT_EQ(since.removed[0].etymon, "aquam");
    EXPECT_EQ(sinceText(since), "Since the last run: 1 fixed, 1 broken, 1 still Bad at a new "
                                "place, 2 new items, 1 removed");
}

TEST_F(SinceLastRunTest, SaysWhenNothingChanged) {
    BatchRun current;
    current.items = {item("pater", "padre", "voice"), item("lupum", "lobo")};
    const SinceLastRun since = compareRuns({previous[0], previous[1]}, current);
    EXPECT_EQ(sinceText(since), "Since the last run: no change");
    EXPECT_EQ(previousItems(current)[0].discrepancy, "seg.#2, voice");
    EXPECT_EQ(sinceText(compareRuns({}, current)), "Since the last run: 2 new items");
}

} // namespace
} // namespace tarnel::insight
