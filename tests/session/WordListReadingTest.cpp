// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/exchange/RowReader.h"
#include "session/exchange/TextDecoding.h"
#include "session/exchange/WordListFormat.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

struct DecodingCase {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
    std::u32string text;
};

class Decoding : public testing::TestWithParam<DecodingCase> {};

TEST_P(Decoding, ReadsUtf8WhenValidAndWindows1252Otherwise) {
    const auto decoded = decodeWordListText(GetParam().bytes);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(std::pair(decoded->encoding, decoded->text),
              std::pair(GetParam().encoding, GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    WordListText, Decoding,
    testing::Values(
        DecodingCase{"Ascii", "pater\tpadre", TextEncoding::Ascii, U"pater\tpadre"},
        DecodingCase{"Utf8", "caf\xC3\xA9", TextEncoding::Utf8, U"caf\u00E9"},
        DecodingCase{"Bom", "\xEF\xBB\xBFpa", TextEncoding::Utf8WithBom, U"pa"},
        DecodingCase{"E9", "caf\xE9", TextEncoding::Windows1252, U"caf\u00E9"},
        DecodingCase{"Overlong", "\xC0\xAF", TextEncoding::Windows1252, U"\u00C0\u00AF"},
        DecodingCase{"Surrogate", "\xED\xA0\x80", TextEncoding::Windows1252, U"\u00ED\u00A0\u20AC"},
        DecodingCase{"BomThenCp1252", "\xEF\xBB\xBF\xE9", TextEncoding::Windows1252, U"\u00E9"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Decoding, RefusesUtf16RatherThanReadingNonsense) {
    EXPECT_FALSE(decodeWordListText(std::string("\xFF\xFEp\0a\0", 6)));
    EXPECT_FALSE(decodeWordListText(std::string("\xFE\xFF\0p\0a", 6)));
}

struct FormatCase {
    std::u32string text;
    WordListFormat format;
};

class FormatDetection : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatDetection, FollowsTheSeparatorsOfTheFirstFilledLine) {
    EXPECT_EQ(detectFormat(GetParam().text), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(WordList, FormatDetection,
                         testing::Values(FormatCase{U"a\tb,c\n", WordListFormat::Tsv},
                                         FormatCase{U"a,b\nc\td", WordListFormat::Csv},
                                         FormatCase{U"a;b,c", WordListFormat::Csv},
                                         FormatCase{U"\"a,b\";c", WordListFormat::SemicolonCsv},
                                         FormatCase{U"\r\n  \na;b", WordListFormat::SemicolonCsv}));

TEST(FormatDetection, TakesCsvFromTheFileNameAndTsvOtherwise) {
    EXPECT_EQ(formatForFileName("latin.CSV"), WordListFormat::Csv);
    EXPECT_EQ(formatForFileName("latin.tsv"), WordListFormat::Tsv);
    EXPECT_EQ(formatForFileName("csv"), WordListFormat::Tsv);
}

struct ExpectedRow {
    int line;
    std::vector<std::u32string> fields;
    bool operator==(const ExpectedRow&) const = default;
};

struct RowsCase {
    const char* name;
    std::u32string text;
    char32_t separator;
    std::vector<ExpectedRow> rows;
};

class Rows : public testing::TestWithParam<RowsCase> {};

TEST_P(Rows, SplitIntoFieldsWithTheirPhysicalLines) {
    RowReader reader(GetParam().text, GetParam().separator);
    std::vector<ExpectedRow> rows;
    for (Row row; reader.next(row);) {
        rows.push_back({row.line, {}});
        for (const Field& field : row.fields)
            rows.back().fields.push_back(field.text);
    }
    EXPECT_EQ(rows, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    WordList, Rows,
    testing::Values(
        RowsCase{"LineEndings",
                 U"a,b\r\nc,d\ne,f\rg,h",
                 U',',
                 {{1, {U"a", U"b"}}, {2, {U"c", U"d"}}, {3, {U"e", U"f"}}, {4, {U"g", U"h"}}}},
        RowsCase{"LastLineBreak", U"a,b\n\n", U',', {{1, {U"a", U"b"}}, {2, {U""}}}},
        RowsCase{"DoubledQuote", U"\"x,\"\"y\"\"\",z", U',', {{1, {U"x,\"y\"", U"z"}}}},
        RowsCase{"QuotedLineBreak",
                 U"\"multi\r\nline\",r\r\nnext,n",
                 U',',
                 {{1, {U"multi\r\nline", U"r"}}, {3, {U"next", U"n"}}}},
        RowsCase{"BlanksAroundQuotes", U" \"q\" ;r;", U';', {{1, {U"q ", U"r", U""}}}},
        RowsCase{"QuoteInsideField", U"a\"b,c", U',', {{1, {U"a\"b", U"c"}}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarnel
