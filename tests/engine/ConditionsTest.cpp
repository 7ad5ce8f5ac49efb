#include "engine/Conditions.h"

#include "EngineFixture.h"
#include "engine/Location.h"

namespace tarnel::test {
namespace {

struct LocationCase {
    const char* text;
    int expected; // focus 3, length 5
};

class ResolveLocation : public ::testing::TestWithParam<LocationCase> {};

TEST_P(ResolveLocation, ReadsTheTextAsAPosition) {
    EXPECT_EQ(resolveLocation(GetParam().text, 3, 5), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Forms, ResolveLocation,
                         ::testing::Values(LocationCase{"*", 3}, LocationCase{"*+2", 5},
                                           LocationCase{"*-1", 2}, LocationCase{"*+12", 15},
                                           LocationCase{"1", 0}, LocationCase{"2", 1},
                                           LocationCase{"-1", 4}, LocationCase{"-2", 3},
                                           LocationCase{"0", 5}, LocationCase{"+cons", 5},
                                           LocationCase{"3x", 2}, LocationCase{"", 5}));

TEST(ReadNumber, ReadsSignAndDigitsAndSaturates) {
    EXPECT_EQ(readNumber("12abc"), 12);
    EXPECT_EQ(readNumber(" -3"), -3);
    EXPECT_EQ(readNumber("cons"), 0);
    EXPECT_EQ(readNumber("99999999999999999999"), readNumber("9999999"));
}

struct IfCase {
    const char* word;
    int focus;
    const char* body;
    bool expected;
};

class IfLines : public ::testing::TestWithParam<IfCase> {};

TEST_P(IfLines, HoldAsRead) {
    const IfCase& c = GetParam();
    const Word word = makeWord(c.word);
    const std::string_view body = c.body;
    bool result = false;
    if (body.starts_with("COUNT"))
        result = evalCount(word, c.focus, body);
    else if (body[0] == '+' || body[0] == '-')
        result = evalAbsolute(word, c.focus, body);
    else
        result = evalRelative(word, c.focus, body);
    EXPECT_EQ(result, c.expected) << c.word << " at " << c.focus << ": " << c.body;
}

INSTANTIATE_TEST_SUITE_P(
    Absolute, IfLines,
    ::testing::Values(IfCase{"an", 0, "+syll (*) +low (*) +nas (*+1)", true},
                      IfCase{"an", 1, "-nas (*+1)", false}, IfCase{"a", 0, "+syll (-1)", true},
                      IfCase{"a", 0, "-syll (-2)", false}, IfCase{"pa", 0, "+syll (*+12)", true},
                      IfCase{"pa", 0, "+syll (2) -syll (1)", true},
                      IfCase{"pa", 0, "+syll (3)", false}, IfCase{"pa", 0, "+bogus (*)", false},
                      IfCase{"pa", 0, "-bogus (*)", false}));

INSTANTIATE_TEST_SUITE_P(Relative, IfLines,
                         ::testing::Values(IfCase{"pa", 0, "cons (*) = cons (*-1)", false},
                                           IfCase{"aa", 0, "all (*) = all (*+1)", true},
                                           IfCase{"ae", 0, "all (*) = all (*+1)", false},
                                           IfCase{"ae", 0, "all (*) <> all (*+1)", false},
                                           IfCase{"ma", 0, "nas (*) = voice (*+1)", true},
                                           IfCase{"pa", 0, "voice (*) <> voice (*+1)", true},
                                           IfCase{"pa", 0, "voice (*) ~ voice (*+1)", false},
                                           IfCase{"pa", 0, "voice (*) = bogus (*+1)", false}));

INSTANTIATE_TEST_SUITE_P(Count, IfLines,
                         ::testing::Values(IfCase{"pata", 2, "COUNT +syll (*) (*+2) = 0", true},
                                           IfCase{"pata", 1, "COUNT +syll (*) (*+2) = 2", true},
                                           IfCase{"pata", 1, "COUNT +cons (*+1) (*) = 0", false},
                                           IfCase{"pata", 0, "COUNT +syll (*) (-1) > 1", true},
                                           IfCase{"pata", 2, "COUNT +syll (*) (-1) > 1", false},
                                           IfCase{"pata", 0, "COUNT -syll (1) (-1) < 3", true},
                                           IfCase{"pata", 0, "COUNT +bogus (1) (-1) = 0", false}));

TEST(IfLines, AllComparesMarkToo) {
    Word word = makeWord("aa");
    word.segments[1][markFeature] = true;
    EXPECT_FALSE(evalRelative(word, 0, "all (*) = all (*+1)"));
}

TEST(IfLines, FeatureLocationReadsTheSpareOnePastTheEnd) {
    Word word = makeWord("pa");
    word.length = 1; // position 1 still holds the "a"
    EXPECT_TRUE(evalAbsolute(word, 0, "+syll (+cons)"));
    EXPECT_TRUE(evalAbsolute(word, 0, "+syll (0)"));
}

class Branching : public EngineTest {
protected:
    // Applies a rule whose line A is `a` and whose B and C are "+syll (*)" and "+nas (*)".
    std::string apply(const std::string& a, const std::string& word) {
        return applyTo(addRule("BRANCH", {a, "+syll (*)", "+nas (*)"}, {"-low (*)"}), word);
    }
};

TEST_F(Branching, ReadsLaterLinesFromTheTruthTable) {
    EXPECT_EQ(apply("B or C", "pa"), "pe");
    EXPECT_EQ(apply("B and C", "pa"), "pa");
    EXPECT_EQ(apply("C or B", "pa"), "pe");
}

TEST_F(Branching, LabelsThatNameNoLaterLineReadFalse) {
    EXPECT_EQ(apply("Y or B", "pa"), "pe");
    EXPECT_EQ(apply("Y and B", "pa"), "pa");
    EXPECT_EQ(apply("A or A", "pa"), "pa");
    EXPECT_EQ(apply("? or B", "pa"), "pe");
    EXPECT_EQ(apply("B AND Y", "pa"), "pe"); // anything but "and" is "or"
}

} // namespace
} // namespace tarnel::test
