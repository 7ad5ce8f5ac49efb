// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/exchange/WordListImport.h"

#include "model/AlphabeticalList.h"
#include "session/exchange/ImportSummary.h"
#include "support/ModelBuilder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tarnel {
namespace {

// The default alphabets; the Reflex Alphabet also has "ñ" (Windows-1252 F1).
Model latinSpanishModel(std::vector<std::string> vocabulary = {}) {
    Model model = test::ModelBuilder().vocabulary(std::move(vocabulary));
    model.lstColR.push_back("\xF1+--+-++------+------+");
    return model;
}

WordListImport imported(std::string_view bytes, const Model& model,
                        HeaderChoice header = HeaderChoice::Automatic) {
    auto import = readWordList(bytes, model, header);
    EXPECT_TRUE(import.ok()) << import.message();
    return import.ok() ? std::move(*import) : WordListImport{};
}

struct RefusalCase {
    const char* name;
    std::string bytes;
    std::string shown; // the refused row as the summary lists it
};

const std::string notCp1252 =
    ": Character \xC5\x8B (U+014B) is not in Windows-1252, so a model cannot hold it.";

class Refusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, NamesTheLineAndTheReason) {
    const WordListImport import =
        imported("pater,padre\r\n" + GetParam().bytes, latinSpanishModel(), HeaderChoice::No);
    EXPECT_EQ(import.items, std::vector<std::string>{"pater  padre"});
    ASSERT_EQ(import.refused.size(), 1u);
    EXPECT_EQ(refusedRowText(import.refused[0]), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    WordListImport, Refusal,
    testing::Values(
        RefusalCase{"NotCp1252", "ca\xC5\x8Bis,can", "Line 2, column 3" + notCp1252},
        RefusalCase{"NotCp1252AfterDoubledQuote", "x,\"a\"\"\xC5\x8B\"",
                    "Line 2, column 7" + notCp1252},
        RefusalCase{"NotCp1252OnTheRowsSecondLine", "\"pa\r\n\",re\xC5\x8B",
                    "Line 3, column 5" + notCp1252},
        RefusalCase{"EmptyReflex", "\n\nlupus, \n", "Line 4: The reflex is missing."},
        RefusalCase{"Blank", "pater noster,padre",
                    "Line 2: The etymon \"pater noster\" holds a blank; a word is one word."},
        RefusalCase{"LineBreak", "lupus,\"lo\nbo\"",
                    "Line 2: The reflex holds a tab, a line break or another control "
                    "character."},
        RefusalCase{"TooLong", "abcdefghijklmnopqrstu,a", "Line 2: Maximum word length is 20."},
        RefusalCase{"EtymonAlphabet", "Lupus,lobo",
                    "Line 2: Character \"L\" is not in the Etymon Alphabet."},
        RefusalCase{"EtymonAlphabetUtf8", "a\xC3\xB1us,a\xC3\xB1o",
                    "Line 2: Character \"\xC3\xB1\" is not in the Etymon Alphabet."},
        RefusalCase{"ReflexAlphabet", "lupus,lobO",
                    "Line 2: Character \"O\" is not in the Reflex Alphabet."},
        RefusalCase{"QuotedComma", "\"ver,\"\"um\",verdad",
                    "Line 2: Character \",\" is not in the Etymon Alphabet."},
        RefusalCase{"UnclosedQuote", "\"lupus,lobo\r\nmater,madre",
                    "Line 2: A quotation mark opened in this row is never closed."}),
    [](const auto& info) { return std::string(info.param.name); });

struct HeaderCase {
    const char* name;
    std::string bytes;
    HeaderChoice choice;
    int headerLine; // 0: no header taken
    std::size_t items;
    int eitherWayLine; // 0: the first row cannot be read the other way
};

class Header : public testing::TestWithParam<HeaderCase> {};

TEST_P(Header, IsTakenWhenChosenOrWhenTheFirstRowIsNoItem) {
    const HeaderCase& c = GetParam();
    const WordListImport import = imported(c.bytes, latinSpanishModel(), c.choice);
    EXPECT_EQ(std::tuple(import.header ? import.header->line : 0, import.items.size(),
                         import.eitherWayLine),
              std::tuple(c.headerLine, c.items, c.eitherWayLine));
    if (import.eitherWayLine != 0) {
        const WordListImport other = imported(c.bytes, latinSpanishModel(),
                                              import.header ? HeaderChoice::No : HeaderChoice::Yes);
        EXPECT_EQ(other.header.has_value(), !import.header.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(
    WordListImport, Header,
    testing::Values(
        HeaderCase{"Names", "Latin;Spanish\npater;padre", HeaderChoice::Automatic, 1, 1, 1},
        HeaderCase{"ExportHeader", "Etymon,REFLEX\npater,padre", HeaderChoice::Automatic, 1, 1, 1},
        HeaderCase{"AfterBlankLines", "\n,\nLatin,Spanish\npater,padre", HeaderChoice::Automatic, 3,
                   1, 3},
        HeaderCase{"FirstRowAnItem", "pater,padre\nmater,madre", HeaderChoice::Automatic, 0, 2, 1},
        HeaderCase{"UnclosedQuote", "\"Latin,Spanish\npater,padre", HeaderChoice::Yes, 0, 0, 0},
        HeaderCase{"Chosen", "pater,padre\nmater,madre", HeaderChoice::Yes, 1, 1, 1},
        HeaderCase{"Refused", "Latin,Spanish\npater,padre", HeaderChoice::No, 0, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordListImport, SkipsAndCountsDuplicatesOfTheVocabularyAndOfEarlierRows) {
    const WordListImport import =
        imported("pater\tpadre\nmater\tmadre\nlupus\tlobo\n  mater \t madre \n",
                 latinSpanishModel({"lupus  lobo", "pater  padre"}));
    EXPECT_EQ(import.items, std::vector<std::string>{"mater  madre"});
    EXPECT_FALSE(import.header);
    std::vector<std::string> skipped;
    std::ranges::transform(import.duplicates, std::back_inserter(skipped), skippedRowText);
    EXPECT_EQ(skipped,
              (std::vector<std::string>{"Line 1: \"pater  padre\" is in the Vocabulary already.",
                                        "Line 3: \"lupus  lobo\" is in the Vocabulary already.",
                                        "Line 4: \"mater  madre\" is on line 2 already."}));
}

TEST(WordListImport, MergesAsIfItemsWereAddedOneAtATime) {
    const std::vector<std::string> vocabulary = {"b  b", "bb  b", "d  d", "z  z"};
    WordListImport import;
    import.items = {"e  e", "a  a", "c  c", "C  c", "B  b", "bb  a", "zz  z", "A  a"};
    std::vector<std::string> expected = vocabulary;
    for (const std::string& item : import.items)
        insertAlphabetical(expected, item);
    EXPECT_EQ(vocabularyWithImport(vocabulary, import), expected);
}

TEST(ImportSummary, CountsTellsHowTheFileWasReadAndListsTheRefusedRows) {
    WordListImport import;
    import.items = {"a  a", "b  b"};
    import.duplicates = {{ 5, "a  a", 2 }};
    import.format = WordListFormat::SemicolonCsv;
    import.encoding = TextEncoding::Utf8WithBom;
    import.header = HeaderRow{1, "Latin", "Spanish"};
    import.refused = {{ 4, 0, "The reflex is missing." }};
    EXPECT_EQ(importSummary(import),
              "2 items to import; 1 row refused; 1 duplicate skipped.\r\n"
              "Read as CSV with semicolons, UTF-8 with BOM. Line 1 was taken as a header "
              "(\"Latin\", \"Spanish\").\r\n"
              "Refused rows:\r\n"
              "Line 4: The reflex is missing.");
}

TEST(ImportSummary, AsksWhichWayToReadAFirstRowThatMayBeEither) {
    WordListImport import;
    EXPECT_EQ(importQuestion(import),
              "Click \"OK\" to import the items, or \"Cancel\" to import nothing.");
    EXPECT_EQ(importButtons(import), (std::vector<std::string>{"OK", "Cancel"}));
    EXPECT_EQ(importChoice(import, 0), HeaderChoice::Automatic);
    EXPECT_EQ(importChoice(import, 1), std::nullopt);
    import.eitherWayLine = 3;
    import.header = HeaderRow{3, "Latin", "Spanish"};
    EXPECT_EQ(importQuestion(import),
              "The first row (line 3) is read as a header. Click \"First row is a header\" or "
              "\"First row is an item\" to import the items so, or \"Cancel\" to import nothing.");
    EXPECT_EQ(importButtons(import), (std::vector<std::string>{"First row is a header",
                                                               "First row is an item", "Cancel"}));
    EXPECT_EQ(importChoice(import, 0), HeaderChoice::Yes);
    EXPECT_EQ(importChoice(import, 1), HeaderChoice::No);
    EXPECT_EQ(importChoice(import, 2), std::nullopt);
}

TEST(ImportSummary, DetailsListEveryRefusedAndSkippedRow) {
    WordListImport import;
    EXPECT_EQ(importDetails(import), "");
    for (int line = 1; line <= 25; ++line)
        import.refused.push_back({line, 0, "The reflex is missing."});
    import.duplicates = {{ 30, "a  a", 0 }};
    const std::string details = importDetails(import);
    EXPECT_TRUE(details.starts_with("Refused rows:\r\nLine 1: The reflex is missing.\r\n"));
    EXPECT_TRUE(details.ends_with("Line 25: The reflex is missing.\r\nSkipped duplicates:\r\n"
                                  "Line 30: \"a  a\" is in the Vocabulary already."));
}

TEST(ImportSummary, ListsTwentyRefusedRowsAtMost) {
    WordListImport import;
    for (int line = 1; line <= 1025; ++line)
        import.refused.push_back({line, 0, "The reflex is missing."});
    const std::string summary = importSummary(import);
    EXPECT_EQ(summary.substr(0, summary.find('\r')),
              "No items to import; 1,025 rows refused; no duplicates skipped.");
    EXPECT_NE(summary.find("\r\nLine 20: The reflex is missing.\r\n... and 1,005 more."),
              std::string::npos);
    EXPECT_EQ(summary.find("Line 21:"), std::string::npos);
}

} // namespace
} // namespace tarnel
