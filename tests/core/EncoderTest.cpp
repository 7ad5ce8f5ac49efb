// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Encoder.h"

#include "support/Words.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tarnel;
using namespace tarnel::test;

namespace {

class Encoding : public testing::Test {
protected:
    Alphabet etymon = defaultAlphabet();
    EncodingTable etymonTable{etymon}, reflexTable{etymon};
    RecordedMessages messages;
};

Segment filled(bool value) {
    return Segment{value ? (1u << slotCount) - 1 : 0u};
}

} // namespace

TEST_F(Encoding, EachCharacterBecomesItsColumnWithMarkMinusAndSegmentPlus) {
    Word word;
    word.segments[0] = filled(true);
    encodeEtymon("ab", etymonTable, word, messages);
    ASSERT_EQ(word.length, 2);
    for (int k = 0; k < soundFeatureCount; ++k)
        EXPECT_EQ(word.segments[0][k], columnValue(etymon[0], k));
    // the "all" slot is never written
    const Segment& a = word.segments[0];
    EXPECT_EQ(std::tuple(a[markFeature], a[segmentFeature], a[allFeature]),
              std::tuple(false, true, true));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Encoding, AMissingEtymonCharacterIsReportedKeepsItsOldValuesAndCounts) {
    Word word;
    word.segments[1] = filled(true);
    encodeEtymon("aXb", etymonTable, word, messages);
    EXPECT_EQ(word.length, 3);
    EXPECT_EQ(word.segments[1], filled(true));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Character X\" not found in etymon alphabet.\r\n"
                                 "Results for aXb\" not reliable.");
}

TEST_F(Encoding, AMissingReflexCharacterIsSilent) {
    Word word;
    word.segments[0] = filled(true);
    encodeReflex("?a", reflexTable, word);
    EXPECT_EQ(word.length, 2);
    EXPECT_EQ(word.segments[0], filled(true));
}

TEST_F(Encoding, PositionsBeyondTheNewLengthKeepTheirValues) {
    Word word;
    encodeEtymon("abcde", etymonTable, word, messages);
    const Word before = word;
    encodeEtymon("tt", etymonTable, word, messages);
    EXPECT_EQ(word.length, 2);
    for (std::size_t p = 2; p < 5; ++p)
        EXPECT_EQ(word.segments[p], before.segments[p]);

    const Word beforeEmpty = word;
    encodeEtymon("", etymonTable, word, messages);
    EXPECT_EQ(word.length, 0);
    EXPECT_EQ(word.segments, beforeEmpty.segments);
}

TEST_F(Encoding, ATextLongerThanAWordIsCutToTwentySegments) {
    Word word;
    encodeReflex(std::string(30, 'a'), reflexTable, word);
    EXPECT_EQ(word.length, maxTypedLength);
    EXPECT_FALSE(word.segments[maxTypedLength][segmentFeature]);
}
