// SPDX-License-Identifier: GPL-3.0-or-later
// A list of 3,000 Latin-like etymons and Spanish-like reflexes saved from a spreadsheet: CSV,
// CR LF, a byte-order mark, a header row, and a handful of bad rows among the good ones.
#include "core/Cp1252.h"
#include "model/AlphabeticalList.h"
#include "session/exchange/ImportSummary.h"
#include "session/exchange/WordListImport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tarnel {
namespace {

constexpr int pairCount = 3000;
constexpr int repeatedPair = 10; // appears twice in the list
constexpr int pairInModel = 20;  // already in the Vocabulary

// Pair `index`: an etymon of three syllables, its own for every index, and an ending; a
// reflex with t voiced after the first syllable, "ñ" (UTF-8) for n, and -us, -um as -o.
std::pair<std::string, std::string> latinSpanishPair(int index) {
    static const char* endings[][2] = {{"us", "o"}, {"um", "o"}, {"a", "a"}, {"em", "e"}};
    std::string etymon;
    std::string reflex;
    for (int n = index, i = 0; i < 3; ++i, n /= 55) {
        const char consonant = "ptcbdmnlrsf"[n % 55 / 5];
        const char vowel = "aeiou"[n % 5];
        etymon += {consonant, vowel};
        reflex += consonant == 'n'            ? std::string("\xC3\xB1")
                  : consonant == 't' && i > 0 ? std::string("d")
                                              : std::string(1, consonant);
        reflex += vowel;
    }
    return {etymon + endings[index % 4][0], reflex + endings[index % 4][1]};
}

std::string itemOf(int index) {
    const auto [etymon, reflex] = latinSpanishPair(index);
    return etymon + "  " + *utf8ToCp1252(reflex);
}

struct BadRow {
    int afterPair; // the bad row follows this pair
    std::string row;
    std::string shown; // as listed, after "Line N"
};

const std::vector<BadRow> badRows = {
    {100, "Lupus,lobo", ": Character \"L\" is not in the Etymon Alphabet."},
    {500, "ca\xC5\x8Bis,can",
     ", column 3: Character \xC5\x8B (U+014B) is not in Windows-1252, so a model cannot hold it."},
    {1000, "pater noster,padre",
     ": The etymon \"pater noster\" holds a blank; a word is one word."},
    {1500, "abcdefghijklmnopqrstuvw,abc", ": Maximum word length is 20."},
    {2000, "lupus,", ": The reflex is missing."},
    {2999, "\"ver,\"\"um\",verdad", ": Character \",\" is not in the Etymon Alphabet."},
};

struct SpreadsheetList {
    std::string bytes = "\xEF\xBB\xBFLatin,Spanish\r\n";
    std::vector<std::string> expectedItems;
    std::vector<std::string> expectedRefusals;
    int line = 1;

    void add(const std::string& row) {
        bytes += row + "\r\n";
        ++line;
    }
};

SpreadsheetList spreadsheetList() {
    SpreadsheetList list;
    auto bad = badRows.begin();
    for (int i = 0; i < pairCount; ++i) {
        const auto [etymon, reflex] = latinSpanishPair(i);
        list.add(etymon + "," + reflex);
        if (i != pairInModel)
            list.expectedItems.push_back(itemOf(i));
        if (i == 400)
            list.add(latinSpanishPair(repeatedPair).first + "," +
                     latinSpanishPair(repeatedPair).second);
        for (; bad != badRows.end() && bad->afterPair == i; ++bad) {
            list.add(bad->row);
            list.expectedRefusals.push_back("Line " + std::to_string(list.line) + bad->shown);
        }
    }
    return list;
}

Model latinSpanishModel() {
    Model model;
    createAlphabets(model.lstCol, model.lstColR);
    model.lstColR.push_back("\xF1+--+-++------+------+");
    model.lstVocab = {itemOf(pairInModel)};
    return model;
}

TEST(SpreadsheetList, ImportsInOneStepReportingExactlyItsBadRows) {
    const SpreadsheetList list = spreadsheetList();
    const Model model = latinSpanishModel();
    const auto import = readWordList(list.bytes, model);
    ASSERT_TRUE(import.ok());
    EXPECT_EQ(import->encoding, TextEncoding::Utf8WithBom);
    EXPECT_EQ(import->format, WordListFormat::Csv);
    ASSERT_TRUE(import->header);
    EXPECT_EQ(import->header->etymon, "Latin");

    std::vector<std::string> refusals;
    for (const RefusedRow& row : import->refused)
        refusals.push_back(refusedRowText(row));
    EXPECT_EQ(refusals, list.expectedRefusals);
    EXPECT_EQ(import->duplicates.size(), 2u);
    EXPECT_EQ(import->items, list.expectedItems);

    const auto vocabulary = vocabularyWithImport(model.lstVocab, *import);
    EXPECT_EQ(vocabulary.size(), std::size_t{pairCount});
    EXPECT_TRUE(std::is_sorted(vocabulary.begin(), vocabulary.end(), alphabeticalLess));
    EXPECT_EQ(importSummary(*import).substr(0, 60),
              "2,999 items to import; 6 rows refused; 2 duplicates skipped.");
}

} // namespace
} // namespace tarnel
