#include "TestModels.h"
#include "model/ModelFile.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(ModelWriter, WritesTheSampleModelByteForByte) {
    EXPECT_EQ(modelFileText(test::sampleModel()), test::dataFile("sample.tnl"));
}

TEST(ModelWriter, EmptyListsGiveTwoBlankLinesBetweenMarkers) {
    Model model;
    model.modelName = "empty";
    model.notes = "   ";
    const std::string text = modelFileText(model);
    EXPECT_TRUE(holds(text, "\xA7"
                            "2_START:Notes\r\n\r\n\r\n\r\n\xA7"
                            "3_END:Notes\r\n"));
    EXPECT_TRUE(holds(text, "\xA7"
                            "4_START:Rules\r\n\r\n\r\n\xA7"
                            "5_END:Rules\r\n"));
    EXPECT_TRUE(holds(text, "\xA7"
                            "14_START:Reflex_Alphabet\r\n\r\n\r\n\xA7"
                            "15_END:Reflex_Alphabet\r\n"));
    EXPECT_TRUE(text.ends_with("\xA7"
                               "16_START:Vocabulary\r\n\r\n\r\n\xA7"
                               "17_END:Vocabulary\r\n"));
}

TEST(ModelWriter, DropsMasksAndMarksPersistentEntries) {
    const std::string text = modelFileText(test::richModel());
    EXPECT_TRUE(holds(text, "\xA7"
                            "6_START:Diachronic_Order\r\n\r\n\xB6 Stress\r\nVoicing\r\n"
                            "Apocope\r\n\xB6 Voicing\r\n\r\n\xA7"
                            "7_END"));
}

TEST(ModelWriter, NotesAreTrimmedButKeepTheirInnerLines) {
    Model model = test::richModel();
    model.notes = "  \r\n one\r\ntwo \r\n\r\n ";
    EXPECT_TRUE(holds(modelFileText(model), "Notes\r\n\r\none\r\ntwo\r\n\r\n\xA7"
                                            "3_END"));
}

TEST(ModelWriter, WritesRulesInSupplyOrderEachRuleOnce) {
    Model model = test::sampleModel();
    model.lst1Rule = {{"B \xAB"
                       "first B\xBB",
                       "END:"},
                      {"A \xAB...\xBB", "END:"},
                      {"B \xAB"
                       "second B\xBB",
                       "END:"},
                      {"C\xAB"
                       "no blank\xBB",
                       "END:"}};
    model.lstSupply = {"A", "B", "B", "C"};
    EXPECT_TRUE(holds(modelFileText(model), "Rules\r\n\r\nA \xAB...\xBB\r\nEND:\r\n\r\n"
                                            "B \xAB"
                                            "first B\xBB\r\nEND:\r\n\r\n"
                                            "B \xAB"
                                            "second B\xBB\r\nEND:\r\n\r\n"
                                            "C\xAB"
                                            "no blank\xBB\r\nEND:\r\n\r\n\r\n\xA7"
                                            "5_END"));
}
