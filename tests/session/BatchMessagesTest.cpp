// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BatchMessages.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

std::string missing(char c, const std::string& word) {
    return "Character " + std::string(1, c) + "\" not found in etymon alphabet.\r\nResults for " +
           word + "\" not reliable.";
}

TEST(BatchMessages, CountsTheItemsOfEachDistinctMessageAndKeepsRunMessagesWhole) {
    BatchMessages messages;
    EXPECT_TRUE(messages.empty());
    messages.add(missing('e', "pee")); // twice in one item: the item counts once
    messages.add(missing('e', "pee"));
    messages.endItem();
    messages.endItem(); // an item without messages
    messages.add(missing('o', "po"));
    messages.add(missing('e', "pe"));
    messages.endItem();
    messages.add("These items ...:\r\nab > cd");
    EXPECT_EQ(messages.summary(), "Character \"e\" not found in etymon alphabet.  (2 items)\r\n"
                                  "Character \"o\" not found in etymon alphabet.  (1 item)\r\n"
                                  "These items ...:\r\n"
                                  "ab > cd");
}

TEST(BatchMessages, ShowsAtMostTwentyLines) {
    BatchMessages messages;
    for (char c = 'a'; c < 'a' + 23; ++c) {
        messages.add(missing(c, "x"));
        messages.endItem();
    }
    const std::string summary = messages.summary();
    EXPECT_EQ(std::count(summary.begin(), summary.end(), '\n'), 20);
    EXPECT_TRUE(summary.ends_with("Character \"t\" not found in etymon alphabet.  (1 item)\r\n"
                                  "... and 3 more"));
}

} // namespace
} // namespace tarnel
