// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/exchange/WordListExport.h"

#include "session/exchange/WordListImport.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

// Alphabets that hold the characters a field must be quoted for, and "é".
Model punctuatedModel() {
    Model model;
    createAlphabets(model.lstCol, model.lstColR);
    for (const char* column : {",", "\"", ";", "\xE9"}) {
        model.lstCol.push_back(column);
        model.lstColR.push_back(column);
    }
    return model;
}

const std::vector<std::string> vocabulary = {"a\"b  c,d", "caf\xE9  x;y", "pater  padre"};

TEST(WordListExport, WritesUtf8WithAHeaderQuotingOnlyWhereNeededAndMarksCsvForSpreadsheets) {
    EXPECT_EQ(wordListText(vocabulary, WordListFormat::Csv),
              "\xEF\xBB\xBF"
              "etymon,reflex\n\"a\"\"b\",\"c,d\"\ncaf\xC3\xA9,x;y\npater,padre\n");
    EXPECT_EQ(wordListText(vocabulary, WordListFormat::Tsv),
              "etymon\treflex\n\"a\"\"b\"\tc,d\ncaf\xC3\xA9\tx;y\npater\tpadre\n");
}

class RoundTrip : public testing::TestWithParam<WordListFormat> {};

TEST_P(RoundTrip, ImportOfAnExportGivesTheSameVocabulary) {
    auto import = readWordList(wordListText(vocabulary, GetParam()), punctuatedModel());
    ASSERT_TRUE(import.ok());
    EXPECT_EQ(std::tuple(import->format, import->header.has_value(), import->refused.size()),
              std::tuple(GetParam(), true, 0u));
    EXPECT_EQ(vocabularyWithImport({}, *import), vocabulary);
}

INSTANTIATE_TEST_SUITE_P(WordListExport, RoundTrip,
                         testing::Values(WordListFormat::Tsv, WordListFormat::Csv,
                                         WordListFormat::SemicolonCsv));

} // namespace
} // namespace tarnel
