// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Alphabet.h"
#include "core/OutputAlphabet.h"
#include "support/Words.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

Segment defaultLetter(char letter) {
    const Alphabet etymon = test::defaultAlphabet();
    Segment segment{};
    for (int k = 0; k < soundFeatureCount; ++k)
        segment.set(k, columnValue(*findColumn(etymon, letter), k));
    segment.set(segmentFeature, true);
    return segment;
}

Segment withFeatures(Segment segment, std::initializer_list<std::pair<const char*, bool>> values) {
    for (const auto& [name, value] : values)
        segment.set(*featureIndex(name), value);
    return segment;
}

struct DecodeCase {
    const char* name;
    Segment segment;
    std::string codes;
    std::string differs;
    CellColour colour;
};

void PrintTo(const DecodeCase& c, std::ostream* out) {
    *out << c.name;
}

class Decoder : public testing::TestWithParam<DecodeCase> {};

// A consonant, then a vowel, with every feature minus but those named.
Segment bare(std::initializer_list<const char*> plus) {
    Segment segment{};
    for (const char* name : plus)
        segment.set(*featureIndex(name), true);
    return segment;
}

} // namespace

TEST_P(Decoder, DecodesTheSegmentAsTheFirstFittingRowWithItsMarks) {
    const DecodeCase& c = GetParam();
    const DecodedSymbol decoded = getSymbol(c.segment);
    EXPECT_EQ(std::tie(decoded.codes, decoded.differs, decoded.colour),
              std::tie(c.codes, c.differs, c.colour));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedCases, Decoder,
    testing::Values(
        DecodeCase{"plainA", defaultLetter('a'), "\x61", "", CellColour::Black},
        DecodeCase{"longA", withFeatures(defaultLetter('a'), {{"long", true}}), "\x61\xf9", "",
                   CellColour::Black},
        DecodeCase{"stressedNasalA",
                   withFeatures(defaultLetter('a'), {{"stress", true}, {"nas", true}}),
                   "\xc8\x61\xe2", "", CellColour::Black},
        DecodeCase{"nasalBeforeLength",
                   withFeatures(defaultLetter('a'), {{"long", true}, {"nas", true}}),
                   "\x61\xe2\xf9", "", CellColour::Black},
        DecodeCase{"palatalizedT", withFeatures(defaultLetter('t'), {{"high", true}}), "\x74\x4a",
                   "+high", CellColour::Blue},
        // Row 1 records +ant for b before failing on cons; none of it may reach b's symbol.
        DecodeCase{"failedRowLeavesNoTrace", defaultLetter('b'), "\x62", "", CellColour::Black},
        DecodeCase{"voicelessNonSyllabicI",
                   withFeatures(defaultLetter('i'), {{"voice", false}, {"syll", false}}),
                   "\x6a\xa5", "", CellColour::Black},
        DecodeCase{"unfitSegmentFallsBackToG", bare({"cons", "cont", "obstr", "voice"}), "g",
                   " -back +cont -distr -high", CellColour::Red},
        DecodeCase{"laxRoundedMidVowel", withFeatures(defaultLetter('o'), {{"tense", false}}),
                   "\x8d", "", CellColour::Black}),
    [](const auto& info) { return std::string(info.param.name); });

// The reflex decoder shows an unfit segment as the empty box in red, and has no palatalization
// mark.
TEST(Decoder, ReflexDecoderShowsAnUnfitSegmentAsTheEmptyBoxAndNoPalatalization) {
    const DecodedSymbol unfit = reflexGetSymbol(bare({"cons", "cont", "obstr", "voice"}));
    EXPECT_EQ(std::tie(unfit.codes, unfit.colour), std::tuple("\xc5", CellColour::Red));
    const DecodedSymbol t = reflexGetSymbol(withFeatures(defaultLetter('t'), {{"high", true}}));
    EXPECT_EQ(std::tie(t.codes, t.differs, t.colour),
              std::tuple("\x74", "+high", CellColour::Blue));
}

TEST(Decoder, FallbackLettersFollowTheDecisionTree) {
    const std::pair<Segment, std::string> cases[] = {
        {bare({"round"}), "w"},
        {bare({}), "j"},
        {bare({"syll", "high", "round", "back"}), "u"},
        {bare({"syll", "high", "round"}), "y"},
        {bare({"syll", "high"}), "i"},
        {bare({"syll", "round", "tense"}), "o"},
        {bare({"syll", "round"}), "\x8d"},
        {bare({"syll"}), "e"},
        {bare({"syll", "low", "front"}), "a"},
        {bare({"syll", "low", "back"}), "A"},
        {bare({"syll", "low"}), "a_"},
        {bare({"cons", "lat"}), "l"},
        {bare({"cons"}), "r"},
        {bare({"cons", "nas", "cor"}), "n"},
        {bare({"cons", "nas", "ant"}), "m"},
        {bare({"cons", "nas"}), "n"},
        {bare({"cons", "obstr", "cor"}), "t"},
        {bare({"cons", "obstr", "cor", "voice"}), "d"},
        {bare({"cons", "obstr", "cor", "cont"}), "s"},
        {bare({"cons", "obstr", "cor", "cont", "voice"}), "z"},
        {bare({"cons", "obstr", "ant"}), "p"},
        {bare({"cons", "obstr", "ant", "voice"}), "b"},
        {bare({"cons", "obstr", "ant", "cont"}), "f"},
        {bare({"cons", "obstr", "ant", "cont", "voice"}), "v"},
        {bare({"cons", "obstr"}), "k"},
        {bare({"cons", "obstr", "cont"}), "x"},
        {bare({"cons", "obstr", "cont", "voice"}), "g"}};
    for (const auto& [segment, letter] : cases)
        EXPECT_EQ(unknownLet(segment), letter);
}

TEST(OutputAlphabetTable, HoldsEveryRowInSearchOrder) {
    const auto& rows = outputAlphabet();
    EXPECT_EQ(std::tuple(rows.front().symbol, rows[1].symbol, rows[1].values.substr(0, 4),
                         rows.back().symbol),
              std::tuple("\x61", "\x61\x5f", "--==", "\xd6"));
    for (const OutputRow& row : rows) {
        EXPECT_EQ(row.values.size(), 21u);
        EXPECT_EQ(row.values.find_first_not_of("+-#="), std::string_view::npos);
        EXPECT_FALSE(row.description.empty());
    }
    ASSERT_NE(findOutputRow("e"), nullptr);
    EXPECT_EQ(findOutputRow("e")->values, "---=+=++#=--=--=--+#+");
    EXPECT_EQ(findOutputRow("?"), nullptr);
}
