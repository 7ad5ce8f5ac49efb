// SPDX-License-Identifier: GPL-3.0-or-later
// Words typed in IPA, read through the alphabets as the decoder shows their columns, and
// columns made for IPA symbols.
#include "session/Session.h"
#include "session/WordBox.h"
#include "session/ipa/IpaColumns.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tarnel {
namespace {

// Stands in for the front end's NFC composition of the letters these tests type composed.
std::string composeSome(const std::string& text) {
    std::string out = text;
    for (const auto& [apart, composed] : {std::pair{"a\u0303", "ã"}, {"e\u0303", "ẽ"}})
        for (auto at = out.find(apart); at != std::string::npos; at = out.find(apart))
            out.replace(at, std::string(apart).size(), composed);
    return out;
}

class IpaWords : public testing::Test {
protected:
    IpaWords() : session_(std::filesystem::temp_directory_path()) {
        session_.setTextNormaliser(composeSome);
        session_.newModel();
    }
    void add(const char* symbol, char character, AlphabetSide side = AlphabetSide::Etymon) {
        const Result<> added = session_.addIpaColumn(side, symbol, character);
        ASSERT_TRUE(added) << added.message();
    }
    // The word in keyboard characters, or "SYMBOL@POSITION" of its refusal.
    std::string read(const std::string& word, AlphabetSide side = AlphabetSide::Etymon) {
        const IpaText text = readIpaWord(word, side, session_.ipaAlphabets());
        return text.refusal ? text.refusal->refusal.symbol + "@" +
                                  std::to_string(text.refusal->refusal.position)
                            : text.keyboard;
    }
    const IpaSpelling& spelling() { return session_.ipaSpelling(); }

    Session session_;
};

TEST_F(IpaWords, SymbolsAreReadAsTheColumnsThatShowAsThem) {
    for (const auto& [symbol, character] :
         {std::pair{"ɛ", 'E'}, {"ã", 'N'}, {"t͡s", 'C'}, {"kʷʰ", 'K'}, {"ˈa", 'S'}})
        add(symbol, character);
    const std::pair<std::string, std::string> cases[] = {
        {"pata", "pata"}, {"gato", "gato"},   {"ɡato", "gato"},        {"pɛs", "pEs"},
        {"pã", "pN"},     {"pa\u0303", "pN"}, {"t͡sa", "Ca"},           {"t͜sa", "Ca"},
        {"tsa", "tsa"},   {"kʰʷa", "Ka"},     {"ˈapa", "Spa"},         {"pɔ", "ɔ@2"},
        {"at͡", "t͡@2"},    {"ẽ", "ẽ@1"},       {"\u0303a", "\u0303@1"},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(read(typed), expected) << typed;
    EXPECT_EQ(read("pɛs", AlphabetSide::Reflex), "ɛ@2"); // the other alphabet has no ɛ
}

TEST_F(IpaWords, ColumnsCountAsEncodingFindsThem) {
    const std::string t = "+--+-+-+------+------";
    const std::string blueT = "+--+-+-+------+--+---"; // +strid: "t", shown with a difference
    const std::string epsilon = *valuesForIpa(spelling(), "ɛ");
    const auto first = [&](const Alphabet& alphabet, const char* symbol) {
        const auto found =
            IpaAlphabet(alphabet, spelling()).characterOf(spelling().split(symbol).at(0).key);
        return found ? std::string(1, *found) : std::string("none");
    };
    EXPECT_EQ(first({"X" + blueT, "t" + t}, "t"), "t");      // no difference wins
    EXPECT_EQ(first({"X" + blueT, "Y" + blueT}, "t"), "X");  // else the first column
    EXPECT_EQ(first({"a" + t, "a" + epsilon}, "ɛ"), "none"); // hidden behind the first "a"
    EXPECT_EQ(first({" " + epsilon}, "ɛ"), "none");          // a blank is no character
    const IpaAlphabet shown({"a" + t, "a" + epsilon, "g---++---------+-----+"}, spelling());
    EXPECT_EQ(shown.columnSymbol(1), "ɛ"); // a hidden column still shows what it is
    EXPECT_EQ(shown.columnSymbol(2), "");  // values that fit no symbol show as none
}

// The values made for every symbol of the palette, bare and with each mark, show as exactly
// that symbol; two affricates no values show as bare have none.
TEST_F(IpaWords, ValuesMadeForASymbolShowAsIt) {
    const IpaPalette palette = ipaPalette(spelling());
    ASSERT_EQ(palette.symbols.size(), 91u);
    ASSERT_EQ(palette.marks.size(), 9u);
    std::vector<std::string> none;
    int made = 0;
    for (const std::string& symbol : palette.symbols) {
        std::vector<std::string> written{symbol};
        for (const std::string& mark : palette.marks)
            written.push_back(mark == "ˈ" ? mark + symbol : symbol + mark);
        for (const std::string& text : written) {
            const auto values = valuesForIpa(spelling(), text);
            if (!values) {
                if (text == symbol)
                    none.push_back(symbol);
                continue;
            }
            ++made;
            EXPECT_EQ(IpaAlphabet({"x" + *values}, spelling()).columnSymbol(0),
                      spelling().normalised(text));
        }
    }
    EXPECT_EQ(none, (std::vector<std::string>{"ɖ͡ʐ", "ʈ͡ʂ"}));
    EXPECT_GT(made, 600);
    EXPECT_FALSE(valuesForIpa(spelling(), "ta")); // two symbols
    EXPECT_FALSE(valuesForIpa(spelling(), "b̥"));  // a voiceless b is shown as p
}

TEST_F(IpaWords, AFreeCharacterIsProposed) {
    const Alphabet& etymon = session_.model().lstCol;
    EXPECT_EQ(proposeCharacter(etymon, "ɛ", spelling()), 'E'); // the old font's letter
    EXPECT_EQ(proposeCharacter(etymon, "ʃ", spelling()), 'S');
    EXPECT_EQ(proposeCharacter(etymon, "ã", spelling()), 'A'); // "a" is taken
    add("ɛ", 'E');
    EXPECT_EQ(proposeCharacter(session_.model().lstCol, "ɛ", spelling()), 'A');
}

TEST_F(IpaWords, AnUnknownSymbolIsOfferedAsANewColumnOfItsAlphabet) {
    const auto refusal = [&](const char* word) {
        return *readIpaItem(word, session_.ipaAlphabets()).refusal;
    };
    const Session::IpaColumnOffer offer = session_.offerIpaColumn(refusal("pɛs pes"));
    EXPECT_EQ(offer.text, "Symbol \"ɛ\" at position 2 of \"pɛs\" is not in the Etymon "
                          "Alphabet.\r\nAdd a column \"E\" showing \"ɛ\" to the Etymon Alphabet?");
    EXPECT_EQ(offer.character, 'E');
    EXPECT_NE(session_.offerIpaColumn(refusal("pes pɛʃ")).text.find("\"pɛʃ\" is not in the Reflex"),
              std::string::npos);
    const Session::IpaColumnOffer affricate = session_.offerIpaColumn(refusal("ɖ͡ʐa pa"));
    EXPECT_FALSE(affricate.character);
    EXPECT_NE(affricate.text.find(ipaNoValuesMessage("ɖ͡ʐ")), std::string::npos);

    add("ɛ", 'E');
    EXPECT_EQ(session_.readIpaItem("pɛs  pes").keyboard, "pEs  pes");
    EXPECT_EQ(session_.ipaItem("pEs  pes"), "pɛs  pes");
    EXPECT_EQ(session_.undoCaption(), "Undo Add Column E");
    session_.undo(); // the alphabets as IPA are made again
    EXPECT_EQ(read("pɛs"), "ɛ@2");
    EXPECT_FALSE(session_.addIpaColumn(AlphabetSide::Etymon, "ɛ", 'a')); // "a" is taken
}

TEST_F(IpaWords, AFullAlphabetIsSaidSo) {
    for (char c = 'A'; c <= 'Z'; ++c)
        add("ɛ", c);
    const IpaText read = session_.readIpaItem("pɔ pa");
    EXPECT_EQ(session_.offerIpaColumn(*read.refusal).text,
              "Symbol \"ɔ\" at position 2 of \"pɔ\" is not in the Etymon Alphabet.\r\n" +
                  std::string(alphabetFullMessage));
}

TEST_F(IpaWords, WordListColumnsAreReadAsIpa) {
    add("ɛ", 'E');
    const IpaAlphabets ipa = session_.ipaAlphabets();
    const auto import = readWordList("pɛs,pes\nʃa,pa\n", session_.model(), HeaderChoice::No, &ipa);
    ASSERT_TRUE(import);
    EXPECT_EQ(import->items, std::vector<std::string>{"pEs  pes"});
    ASSERT_EQ(import->refused.size(), 1u);
    EXPECT_EQ(import->refused[0].reason,
              "Symbol \"ʃ\" at position 1 of \"ʃa\" is not in the Etymon Alphabet.");
}

TEST(IpaWordBox, BlanksAndTheTwentyFirstSymbolAreRefusedAsTyped) {
    EXPECT_EQ(checkIpaKey(" ", 3, DerivationMode::Interactive), "Space not allowed in etymon.");
    EXPECT_EQ(checkIpaKey(" ", 3, DerivationMode::Reflex), "Space not allowed in reflex.");
    EXPECT_EQ(checkIpaKey("a", 21, DerivationMode::Interactive), maxWordLengthMessage);
    EXPECT_FALSE(checkIpaKey("\u0303", 20, DerivationMode::Interactive));
}

} // namespace
} // namespace tarnel
