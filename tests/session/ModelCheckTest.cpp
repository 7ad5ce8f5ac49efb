// SPDX-License-Identifier: GPL-3.0-or-later
// The check after a load: each damaged line of a clean file gives its problem at its line; the
// shipped samples give none; a file saved again as UTF-8 is refused as such.
#include "session/ModelCheck.h"

#include "core/Cp1252.h"
#include "model/ModelFile.h"
#include "session/Session.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace tarnel {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

// A clean model file as a hand-edit leaves it, written with "$" for "\xA7", "&" for "\xB6" and
// "<", ">" for "\xAB", "\xBB". The Vocabulary is out of alphabetical order on purpose: the
// reader sorts it, and the lines must follow the items.
constexpr std::string_view cleanText = R"($1_NAME:check
$2_START:Notes
$3_END:Notes
$4_START:Rules
Branch <...>
A:  B or C <...>
B:  +syll (*-1) <...>
C:  +syll (*+1) <...>
1:  +voice (*) <...>
END:  Branch
Drop <...>
A:  -syll (0) <...>
1:  DELETE (0) <...>
END:  Drop
$5_END:Rules
$6_START:Diachronic_Order
Branch
& Drop
$7_END:Diachronic_Order
$8_START:Etymon_Order
Drop
$9_END:Etymon_Order
$10_START:Reflex_Order
$11_END:Reflex_Order
$12_START:Etymon_Alphabet
a----+-+++---+-----+++
t+--+-+-+------+------
d+--+-+-+------+-----+
$13_END:Etymon_Alphabet
$14_START:Reflex_Alphabet
a----+-+++---+-----+++
d+--+-+-+------+-----+
$15_END:Reflex_Alphabet
$16_START:Vocabulary
tat  dad
ata  ada
$17_END:Vocabulary)";

// Line n of the file is cleanLines()[n - 1], its marks in Windows-1252.
Texts cleanLines() {
    Texts lines(1);
    for (const char c : cleanText) {
        if (c == '\n')
            lines.emplace_back();
        else if (const std::size_t mark = std::string_view("$&<>").find(c);
                 mark != std::string::npos)
            lines.back() += "\xA7\xB6\xAB\xBB"[mark];
        else
            lines.back() += c;
    }
    return lines;
}

std::string fileText(const Texts& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

Texts problemsOf(const std::string& bytes) {
    const Result<LoadedModel> loaded = readModelText(bytes, "check");
    if (!loaded)
        return {"(not loaded) " + loaded.message()};
    Texts texts;
    for (const ModelProblem& problem : checkModel(loaded->model, loaded->lines)) {
        EXPECT_TRUE(problem.text.starts_with("Line " + std::to_string(problem.line) + ": "));
        texts.push_back(problem.text);
    }
    return texts;
}

// Lines of the clean file replaced, and the problems the file then holds, in its order.
using Damage = std::pair<std::map<int, std::string>, Texts>;

TEST(ModelCheck, EachDamagedLineGivesItsProblemAtItsLine) {
    const Damage cases[] = {
        {{{6, "A:  B and Q"},
          {7, "B:  +syll (*+12)"},
          {12, "A:  -syll (21)"},
          {13, "1:  DELETE (*+99)"},
          {17, "Brnch"},
          {18, "\xB6 Drp"},
          {21, "3 Dorp"},
          {27, "t+--+-"},
          {28, "a+--+-+-+------+-----+"},
          {31, "a----+-+++---+-----+++-"},
          {35, "tox  dad"},
          {36, "ata  adaT"}},
         {"Line 6: rule Branch, line A names line Q, which does not exist; A never holds.",
          "Line 7: rule Branch, line B reads (*+12) as (*+1); only one digit of an offset counts "
          "there.",
          "Line 12: rule Drop, (21) lies outside the word's 20 positions; line A never holds.",
          "Line 13: rule Drop, (*+99) lies outside the word's 20 positions; line 1 changes "
          "nothing.",
          "Line 17: the Diachronic Order names \"Brnch\", which is no rule; the entry does "
          "nothing.",
          "Line 18: the Diachronic Order names \"Drp\", which is no rule; the entry does nothing.",
          "Line 21: the Etymon Order names \"Dorp\", which is no rule; the entry does nothing.",
          "Line 27: the Etymon Alphabet entry \"t\" has 5 signs, not 21; the missing ones read as "
          "minus.",
          "Line 28: a second Etymon Alphabet entry for \"a\"; the first one, on line 26, is used.",
          "Line 31: the Reflex Alphabet entry \"a\" has 22 signs, not 21; those after the 21st "
          "are not read.",
          "Line 35: the item \"tox  dad\" has \"o\", which the Etymon Alphabet does not hold; the "
          "item's results are not reliable.",
          "Line 35: the item \"tox  dad\" has \"x\", which the Etymon Alphabet does not hold; the "
          "item's results are not reliable.",
          "Line 36: the item \"ata  adaT\" has \"T\", which the Reflex Alphabet does not hold; "
          "the item's results are not reliable."}},
        {{{6, "A:  A or C"}, {8, "C:  "}, {13, "B:  +syll (*)"}, {27, "t+--+-+-+------+------x"}},
         {"Line 6: rule Branch, line A names line A, which does not stand below it; A holds only "
          "where C holds.",
          "Line 8: rule Branch, line C names no line; C never holds.",
          "Line 11: rule Drop has no then-line; it changes nothing.",
          "Line 27: the Etymon Alphabet line is not one character and 21 signs; it is read as 2 "
          "entries, for \"t\" and \"x\"."}}};
    EXPECT_EQ(problemsOf(fileText(cleanLines())), Texts{});
    for (const auto& [damage, problems] : cases) {
        Texts lines = cleanLines();
        for (const auto& [line, text] : damage)
            lines.at(static_cast<std::size_t>(line - 1)) = text;
        EXPECT_EQ(problemsOf(fileText(lines)), problems);
    }
}

TEST(ModelCheck, TheShippedSamplesGiveNoProblems) {
    Session session{fs::temp_directory_path()};
    int samples = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(TARNEL_SAMPLES_DIR)) {
        if (entry.path().extension() != ".tnl")
            continue;
        ++samples;
        ASSERT_TRUE(session.openFile(entry.path())) << entry.path();
        EXPECT_EQ(session.fileProblems().size(), 0u)
            << entry.path() << ": " << session.fileProblems().front().text;
    }
    EXPECT_GE(samples, 2);
}

TEST(ModelCheck, AFileSavedAgainAsUtf8IsSaidToBeSoNotToEndEarly) {
    const std::string utf8 = cp1252ToUtf8(fileText(cleanLines()));
    const std::string sentence = "This file is UTF-8 text; model files are Windows-1252";
    for (const std::size_t size : {utf8.size(), utf8.size() / 2}) {
        const Result<LoadedModel> loaded = readModelText(utf8.substr(0, size), "check");
        ASSERT_FALSE(loaded);
        EXPECT_NE(loaded.message().find(sentence), std::string::npos) << loaded.message();
    }
    // Windows-1252 bytes that are also UTF-8 sequences are not taken for it.
    Texts lines = cleanLines();
    lines.insert(lines.begin() + 2, "\xC3\xA9t\xC3\xA9"); // the notes
    EXPECT_EQ(problemsOf(fileText(lines)), Texts{});
}

} // namespace
} // namespace tarnel
