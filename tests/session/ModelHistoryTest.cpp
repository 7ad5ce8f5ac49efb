// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ModelHistory.h"

#include <gtest/gtest.h>
#include <random>

namespace tarnel {
namespace {

TEST(Splice, ReplaysAnyChangeBothWaysHoldingOnlyWhatChanged) {
    std::mt19937 random(7);
    const auto list = [&random] {
        std::vector<std::string> items(random() % 8);
        for (auto& item : items)
            item = std::string(1, static_cast<char>('a' + random() % 3));
        return items;
    };
    for (int i = 0; i < 2000; ++i) {
        const std::vector<std::string> before = list(), after = list();
        const auto splice = spliceBetween(before, after);
        std::vector<std::string> replayed = before;
        redoSplice(replayed, splice);
        ASSERT_EQ(replayed, after);
        undoSplice(replayed, splice);
        ASSERT_EQ(replayed, before);
        ASSERT_LE(splice.removed.size(), before.size());
    }
    const auto one = spliceBetween(std::string("pater"), std::string("patter"));
    EXPECT_EQ(std::tie(one.at, one.removed, one.inserted), std::tuple(3u, "", "t"));
}

// A history over a model whose Vocabulary is edited item by item.
class History : public ::testing::Test {
protected:
    void change(const std::string& caption, std::vector<std::string> vocab, bool affectsFile = true,
                bool merging = false) {
        const ModelSnapshot before = takeSnapshot(model, vocabularyPart);
        model.lstVocab = std::move(vocab);
        history.record(caption, before, model, affectsFile, merging);
    }
    void undo(int steps = 1) {
        for (; steps > 0; --steps)
            history.undo(model);
    }
    Model model;
    ModelHistory history;
};

TEST_F(History, KnowsWhenTheModelIsBackAtItsLastSave) {
    change("Add Item", {"a"});
    history.markSaved();
    EXPECT_TRUE(history.atSavedState());
    change("Mask Rule", {"a", "m"}, false); // not saved in a file
    EXPECT_TRUE(history.atSavedState());
    change("Add Item", {"a", "m", "b"});
    EXPECT_FALSE(history.atSavedState());
    undo(3);
    EXPECT_TRUE(model.lstVocab.empty());
    EXPECT_FALSE(history.atSavedState());
    history.redo(model);
    EXPECT_TRUE(history.atSavedState());
    undo();
    change("Add Item", {"c"}); // the step that led to the save is gone
    undo();
    EXPECT_FALSE(history.atSavedState());
    EXPECT_TRUE(model.lstVocab.empty());
}

// The oldest steps go when there are too many; where the save was stays known.
TEST_F(History, KnowsTheSaveAfterTheOldestStepsWent) {
    change("Add Item", {"saved"});
    history.markSaved();
    for (std::size_t i = 0; i < ModelHistory::maxSteps; ++i)
        change("Add Item", {"saved", std::to_string(i)});
    while (history.canUndo())
        history.undo(model);
    EXPECT_EQ(model.lstVocab, std::vector<std::string>{"saved"});
    EXPECT_TRUE(history.atSavedState());
    history.redo(model);
    EXPECT_FALSE(history.atSavedState());
}

TEST_F(History, MergesTypingAndKeepsOnlyTheNewestSteps) {
    change("Edit Notes", {"x"}, true, true);
    change("Edit Notes", {"xy"}, true, true);
    change("Add Item", {"xy", "z"});
    EXPECT_EQ(history.size(), 2u);
    undo(2);
    EXPECT_TRUE(model.lstVocab.empty());
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.redoCaption(), "Edit Notes");

    ModelHistory longOne;
    for (int i = 0; i < 1200; ++i) {
        const ModelSnapshot before = takeSnapshot(model, vocabularyPart);
        model.lstVocab.push_back("w");
        longOne.record("Add Item", before, model);
    }
    EXPECT_EQ(longOne.size(), ModelHistory::maxSteps);
    while (longOne.canUndo())
        longOne.undo(model);
    EXPECT_EQ(model.lstVocab.size(), 1200u - ModelHistory::maxSteps);
}

} // namespace
} // namespace tarnel
