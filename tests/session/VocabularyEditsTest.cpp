// SPDX-License-Identifier: GPL-3.0-or-later
// The Vocabulary's edits: a pair typed into the one-item box, and the whole list replaced.
#include "SessionFixture.h"

namespace tarnel::test {
namespace {

const Lines items = {"mater  madre", "pater  padre"};

// A model whose Reflex Alphabet also has "X".
class VocabularyEdits : public SessionFixture {
protected:
    VocabularyEdits() {
        Model model = ModelBuilder().vocabulary(items);
        model.lstColR.push_back("X" + model.lstColR.front().substr(1));
        open(model);
    }
};

TEST_F(VocabularyEdits, ATypedPairIsCheckedThenAddedOrReplacesItsRowInAlphabeticalOrder) {
    const std::pair<std::string, std::string> refused[] = {
        {"pater", "Item requires BOTH etymon AND reflex, separated by space."},
        {"a b c", "Item requires just TWO words: etymon and reflex, separated by space."},
        {"aXa aqua", "Character \"X\" is not in the Etymon Alphabet."},
        {"aqua a?a", "Character \"?\" is not in the Reflex Alphabet."},
        {std::string(21, 'a') + " a", "Maximum word length is 20."},
        {"a " + std::string(20, 'a') + "?", "Maximum word length is 20."}};
    for (const auto& [typed, message] : refused)
        EXPECT_EQ(session.addItem(typed).message(),
                  message + "\r\nClick \"OK\" to return to editing,\r\nor \"Cancel\" to quit "
                            "editing.");
    EXPECT_FALSE(session.unsavedChanges());
    ASSERT_TRUE(session.addItem("frater fradre"));
    ASSERT_TRUE(session.addItem("aqua aXa"));
    ASSERT_TRUE(session.addItem("bater badre", 3)); // Edit Item on "pater  padre"
    EXPECT_EQ(session.model().lstVocab,
              (Lines{"aqua  aXa", "bater  badre", "frater  fradre", "mater  madre"}));
}

TEST_F(VocabularyEdits, EveryLineOfTheWholeListIsCheckedBeforeItReplacesTheVocabulary) {
    const std::pair<Lines, std::string> refused[] = {
        {{"a b", "", "c d"}, "Please delete blank lines."},
        {{"a b", "abc"}, "Item \"abc\" is just 1 word;\r\nit should be 2:  etymon & reflex."},
        {{"a b c"}, "Item \"a b c\" has too many words;\r\nit should be just 2:  etymon & reflex."},
        {{"aXa a"}, "Character \"X\" in etymon \"aXa\" is not in the Etymon Alphabet."},
        {{"a b?"}, "Character \"?\" in reflex \"b?\" is not in the Reflex Alphabet."},
        {{"a b", std::string(21, 'p') + " p"}, "Maximum word length is 20."}};
    for (const auto& [lines, message] : refused)
        EXPECT_EQ(session.replaceVocabulary(lines).message(), message);
    EXPECT_EQ(session.model().lstVocab, items);
    ASSERT_TRUE(session.replaceVocabulary({"zeta   zed ", "\t alpha al"}));
    EXPECT_EQ(session.model().lstVocab, (Lines{"alpha  al", "zeta  zed"}));
}

} // namespace
} // namespace tarnel::test
