#include "engine/RuleElements.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

using Lines = std::vector<std::string>;
using K = ElementKind;

std::vector<K> kindsOfLine(const Lines& rule, int line) {
    std::vector<K> kinds;
    for (const Element& e : ruleElements(rule))
        if (e.line == line)
            kinds.push_back(e.kind);
    return kinds;
}

TEST(RuleElements, GivenEveryLineTypeThenEachTokenHasItsKind) {
    const Lines rule = {"Vowel_Raising \xAB raise \xBB",
                        "A:  B or C \xAB...\xBB",
                        "B:  COUNT +syll (*) (-1) > 1 \xAB...\xBB",
                        "C:  voice (*) = voice (*+1) \xAB...\xBB",
                        "1:  +high (*) -low (*) \xAB...\xBB",
                        "2:  INSERT e (*+1) \xAB...\xBB",
                        "3:  SWAP (*) (*-1) \xAB...\xBB",
                        "END:  Vowel_Raising"};
    EXPECT_EQ(kindsOfLine(rule, 0), (std::vector{K::Name, K::Comment}));
    EXPECT_EQ(kindsOfLine(rule, 1),
              (std::vector{K::IfLabel, K::BranchLabel, K::Connective, K::BranchLabel, K::Comment}));
    EXPECT_EQ(kindsOfLine(rule, 2), (std::vector{K::IfLabel, K::Keyword, K::Feature, K::Location,
                                                 K::Location, K::Operator, K::Count, K::Comment}));
    EXPECT_EQ(kindsOfLine(rule, 3), (std::vector{K::IfLabel, K::Feature, K::Location, K::Operator,
                                                 K::Feature, K::Location, K::Comment}));
    EXPECT_EQ(kindsOfLine(rule, 4), (std::vector{K::ThenLabel, K::Feature, K::Location, K::Feature,
                                                 K::Location, K::Comment}));
    EXPECT_EQ(kindsOfLine(rule, 5),
              (std::vector{K::ThenLabel, K::Keyword, K::Insertee, K::Location, K::Comment}));
    EXPECT_EQ(kindsOfLine(rule, 6),
              (std::vector{K::ThenLabel, K::Keyword, K::Location, K::Location, K::Comment}));
    EXPECT_EQ(kindsOfLine(rule, 7), (std::vector{K::EndLabel, K::EndName}));
}

TEST(RuleElements, CaptionsAreTheTextsOfTheElements) {
    const Lines rule = {"Abc \xAB...\xBB", "A:  +cons (*) \xAB x y \xBB", "END:  Abc"};
    std::vector<std::string> captions;
    for (const Element& e : ruleElements(rule))
        captions.push_back(e.text);
    EXPECT_EQ(captions, (std::vector<std::string>{"Abc", "\xAB...\xBB", "A:", "+cons", "(*)",
                                                  "\xAB x y \xBB", "END:", "Abc"}));
}

TEST(RuleElements, ARuleWithoutThenLinesHasOnlyIfLines) {
    const Lines rule = {"Abc", "A:  +cons (*)", "B:  -syll (*)", "END:  Abc"};
    EXPECT_EQ(firstThenLine(rule), 3);
    EXPECT_EQ(lineRole(rule, 2), LineRole::If);
    EXPECT_EQ(lineRole(rule, 3), LineRole::End);
}

TEST(RuleElements, SplitAndJoinGiveTheCanonicalLine) {
    const LineParts parts = splitLine("B:   +cons   (*)  \xAB c \xBB", LineRole::If);
    EXPECT_EQ(parts.label, "B:");
    EXPECT_EQ(parts.tokens, (std::vector<std::string>{"+cons", "(*)"}));
    EXPECT_EQ(joinLine(parts, LineRole::If), "B:  +cons (*) \xAB c \xBB");
}

} // namespace
} // namespace tarnel
