#include "TestModels.h"
#include "model/ModelFile.h"

#include <gtest/gtest.h>
#include <random>

using namespace tarnel;

namespace {

using Lines = std::vector<std::string>;

Model read(const std::string& bytes) {
    auto result = readModelText(bytes, "m");
    EXPECT_EQ(result.error, "");
    return result.model.value_or(Model{});
}

// A written model whose section `number` holds `lines` instead of what the writer put there.
std::string withSection(Model model, int number, const std::string& lines) {
    const std::string text = modelFileText(model);
    const std::string start = "\xA7" + std::to_string(number) + "_START:";
    const std::string end = "\xA7" + std::to_string(number + 1) + "_END:";
    const auto from = text.find("\r\n", text.find(start)) + 2;
    return text.substr(0, from) + lines + text.substr(text.find(end));
}

} // namespace

TEST(ModelReader, LoadsTheSampleFileIntoItsLists) {
    const Model model = read(test::dataFile("sample.tnl"));
    const Model expected = test::sampleModel();
    EXPECT_EQ(model.modelName, "m"); // named by its file, not by the "§1_NAME:" line
    EXPECT_EQ(model.notes, expected.notes);
    EXPECT_EQ(model.lst1Rule, expected.lst1Rule);
    EXPECT_EQ(model.lstSupply, expected.lstSupply);
    EXPECT_EQ(model.lstDiacOrd, expected.lstDiacOrd);
    EXPECT_EQ(model.lstM, expected.lstM);
    EXPECT_EQ(model.lstP, expected.lstP);
    EXPECT_EQ(model.lstEtyOrd, Lines{});
    EXPECT_EQ(model.lstReflOrd, Lines{});
    EXPECT_EQ(model.lstCol, expected.lstCol);
    EXPECT_EQ(model.lstColR, expected.lstColR);
    EXPECT_EQ(model.lstVocab, expected.lstVocab);
    EXPECT_FALSE(model.unsavedChanges);
}

TEST(ModelReader, SaveLoadSaveIsAFixedPoint) {
    Model noRules = test::sampleModel();
    clearModel(noRules);
    Model blankNotes = test::richModel();
    blankNotes.notes = "    ";
    for (const Model& model :
         {test::sampleModel(), test::richModel(), Model{}, noRules, blankNotes}) {
        const std::string saved = modelFileText(model);
        Model loaded = read(saved);
        loaded.modelName = model.modelName;
        EXPECT_EQ(modelFileText(loaded), saved);
    }
}

TEST(ModelReader, ReloadClearsMasksKeepsPersistenceAndNotes) {
    const Model model = read(modelFileText(test::richModel()));
    EXPECT_EQ(model.lstDiacOrd, (Lines{"Stress", "Voicing", "Apocope", "Voicing"}));
    EXPECT_EQ(model.lstM, (Lines{"", "", "", ""}));
    EXPECT_EQ(model.lstP, (Lines{"P", "", "", "P"}));
    EXPECT_EQ(model.lstEtyOrd, (Lines{"Stress", "Stress"}));
    EXPECT_EQ(model.notes, test::richModel().notes); // "§" and bytes above 0x7F survive
}

TEST(ModelReader, ToleratesNumbersColonsCommentsAndBlankSpaceInOrders) {
    const Model model =
        read(withSection(test::sampleModel(), 6,
                         "1: \xB6 R1 \xAB"
                         "comment\xBB\r\n\r\n  \r\n22:R2\r\n\xB6 R3 \xAB x\xBB   \r\n") +
             "");
    EXPECT_EQ(model.lstDiacOrd, (Lines{"R1", "R2", "R3"}));
    EXPECT_EQ(model.lstP, (Lines{"P", "", "P"}));
    EXPECT_EQ(model.lstM, (Lines{"", "", ""}));

    const Model etymon = read(withSection(test::sampleModel(), 8,
                                          "\r\n12 R1\r\n   R2 \xAB"
                                          "c\xBB\r\n\r\n\r\n3  R3"
                                          "\r\n"));
    EXPECT_EQ(etymon.lstEtyOrd, (Lines{"R1", "R2", "R3"}));
    const Model reflex = read(withSection(test::sampleModel(), 10, "R1\r\n1 R2\r\n"));
    EXPECT_EQ(reflex.lstReflOrd, (Lines{"R1", "R2"}));
}

TEST(ModelReader, RuleLinesWithoutCommentGetThePlaceholder) {
    const Model model = read(withSection(test::sampleModel(), 4,
                                         "\r\nR2\r\n   A:  +cons (*)   \r\n\r\n1:  -cons (*) "
                                         "\xAB"
                                         "c\xBB\r\nEND:  R2\r\n\r\nR1 \xAB...\xBB\r\nEND:\r\n"));
    EXPECT_EQ(model.lst1Rule, (std::vector<Lines>{{"R2 \xAB...\xBB", "A:  +cons (*)    \xAB...\xBB",
                                                   "1:  -cons (*) \xAB"
                                                   "c\xBB",
                                                   "END:  R2"},
                                                  {"R1 \xAB...\xBB", "END:"}}));
    EXPECT_EQ(model.lstSupply, (Lines{"R1", "R2"}));
    const std::string saved = modelFileText(model);
    EXPECT_EQ(modelFileText(read(saved)), saved);
}

TEST(ModelReader, RulesSharingANameAreBothKept) {
    const Model model = read(withSection(test::sampleModel(), 4,
                                         "\r\nR1 \xAB"
                                         "one\xBB\r\nEND:\r\n\r\nR1 \xAB"
                                         "two\xBB\r\nEND:\r\n\r\n"));
    EXPECT_EQ(model.lstSupply, (Lines{"R1", "R1"}));
    const std::string saved = modelFileText(model);
    EXPECT_NE(saved.find("one"), std::string::npos);
    EXPECT_NE(saved.find("two"), std::string::npos);
    EXPECT_EQ(modelFileText(read(saved)), saved);
}

TEST(ModelReader, AlphabetLinesAreSplitWhereTheSignsStop) {
    const Model model = read(withSection(test::sampleModel(), 12, "a+-x+\r\n\r\n+-+\r\nq\r\n"));
    EXPECT_EQ(model.lstCol, (Lines{"a+-", "x+", "+-+", "q"}));
}

TEST(ModelReader, SortsSupplyAndVocabularyAndStopsAtTheLastMarker) {
    std::string text = withSection(test::sampleModel(), 16, "ta  da\r\nat  ad\r\n\r\nAt  ad\r\n");
    text.resize(text.rfind('\xA7') + 1);
    EXPECT_EQ(read(text).lstVocab, (Lines{"At  ad", "at  ad", "ta  da"}));
}

TEST(ModelReader, ReportsEveryTruncationOfARealModel) {
    const std::string text = modelFileText(test::richModel());
    const std::size_t lastMarker = text.rfind('\xA7');
    for (std::size_t size = 0; size <= lastMarker; ++size) {
        const auto result = readModelText(std::string_view(text).substr(0, size), "rich");
        ASSERT_FALSE(result.model) << size;
        ASSERT_TRUE(result.error.starts_with("The model file \"rich.tnl\" ")) << result.error;
    }
    EXPECT_EQ(readModelText(text.substr(0, text.find("5_END")), "rich").error,
              "The model file \"rich.tnl\" ends early (in the Rules section).");
    EXPECT_EQ(readModelText("", "rich").error, "The model file \"rich.tnl\" is empty.");
    EXPECT_TRUE(readModelText(text.substr(0, lastMarker + 1), "rich").model);
}

TEST(ModelReader, AnyBytesGiveAModelOrAReport) {
    const std::string real = modelFileText(test::richModel());
    const std::string pieces = "\xA7\xB6\xAB\xBB\r\n +-:09AZaz";
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = real;
        if (round % 2 == 0) {
            bytes.resize(random() % 600);
            for (char& c : bytes)
                c = pieces[random() % pieces.size()];
        } else {
            for (int flip = 0; flip < 8; ++flip)
                bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
        }
        const auto result = readModelText(bytes, "fuzz");
        ASSERT_NE(result.model.has_value(), !result.error.empty()) << round;
    }
}
