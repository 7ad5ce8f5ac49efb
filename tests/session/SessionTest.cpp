// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionFixture.h"
#include "session/AlphabetEditor.h"
#include "session/RuleEditor.h"
#include "session/exchange/ImportSummary.h"
#include "support/SavedModel.h"

#include <functional>
#include <random>

namespace tarnel::test {
namespace {

// A session over model "demo": three rules, two in the Diachronic Order, two Vocabulary items.
class SessionTest : public SessionFixture {
protected:
    SessionTest() { open(demo); }
    const Model demo = ModelBuilder()
                           .named("demo")
                           .rule("Alpha", {"+cons (*)"}, {"+voice (*)"})
                           .rule("Beta", {"+cons (*)"}, {"+voice (*)"})
                           .rule("Gamma", {"+cons (*)"}, {"+voice (*)"})
                           .diachronic({"Alpha", "Beta"})
                           .vocabulary({"mater  madre", "pater  padre"});
};

// The large-run warning is asked only of a run expected to take more than ten seconds.
TEST_F(SessionTest, OnlyALongBatchRunIsQuestioned) {
    EXPECT_FALSE(session.largeRunQuestion());
    open(ModelBuilder(demo).diachronic(Lines(600, "Alpha")).vocabulary(Lines(301, "a  a")));
    EXPECT_FALSE(session.largeRunQuestion());
    open(ModelBuilder(demo).diachronic(Lines(600, "Alpha")).vocabulary(Lines(20'000, "a  a")));
    ASSERT_TRUE(session.largeRunQuestion());
    EXPECT_TRUE(session.largeRunQuestion()->starts_with("Because of the large vocabulary size"));
}

// The batch keeps the words it started from, and the report traces each item from the words
// the run derived it from: "aa" reads the t that the word box's "aat" left one past its end.
TEST_F(SessionTest, ABatchStartsFromTheWordsTheLastDerivationLeft) {
    open(ModelBuilder()
             .rule("Raising", {"+syll (*) +cor (0)"}, {"+high (*)"})
             .diachronic({"Raising"})
             .vocabulary({"aa  aa"}));
    struct Quiet : MessageSink, StageDisplay {
        void showMessage(const std::string&) override {}
        void showStage(int, const std::string&, const Word&) override {}
    } quiet;
    session.setDerivationMode(DerivationMode::Interactive);
    ASSERT_TRUE(session.derive("aat", quiet, quiet));
    session.runBatch();
    ASSERT_EQ(session.lastBatch().items.size(), 1u);
    EXPECT_FALSE(session.lastBatch().items[0].good());
    const insight::BatchReport& report = session.reportBatch({});
    ASSERT_TRUE(report.items[0].blame);
    EXPECT_EQ(report.items[0].blame->rule, "Raising");
}

// Typing after a save is a step of its own: the model is unsaved until the typing is undone.
TEST_F(SessionTest, NotesTypedAfterASaveAreAStepOfTheirOwn) {
    session.setNotes("a");
    ASSERT_TRUE(session.save());
    session.setNotes("ab");
    EXPECT_TRUE(session.unsavedChanges());
    session.undo();
    EXPECT_EQ(session.model().notes, "a");
    EXPECT_FALSE(session.unsavedChanges());
    session.redo();
    EXPECT_TRUE(session.unsavedChanges());
}

TEST_F(SessionTest, UndoAndRedoCrossEveryKindOfEditInOrder) {
    ASSERT_TRUE(session.moveInOrder(OrderList::Diachronic, 0, MoveDirection::Down));
    session.deleteItem(0);
    EXPECT_EQ(session.undoCaption(), "Undo Delete Item mater > madre");
    session.undo();
    EXPECT_EQ(session.model().lstVocab, loaded.lstVocab);
    EXPECT_EQ(session.undoCaption(), "Undo Move Alpha Down");
    session.undo();
    EXPECT_TRUE(lists(session.model()) == lists(loaded));
    EXPECT_FALSE(session.unsavedChanges()); // back where the file is
    EXPECT_EQ(session.redoCaption(), "Redo Move Alpha Down");
    session.redo();
    session.redo();
    EXPECT_EQ(session.model().lstDiacOrd, (Lines{"Beta", "Alpha"}));
    EXPECT_EQ(session.model().lstVocab, Lines{"pater  padre"});
    EXPECT_TRUE(session.unsavedChanges());
    EXPECT_EQ(session.redoCaption(), "Redo");
}

TEST_F(SessionTest, SavingKeepsTheHistoryAndOpeningOrNewEmptiesIt) {
    session.deleteItem(1);
    ASSERT_TRUE(session.save());
    EXPECT_FALSE(session.unsavedChanges());
    session.undo();
    EXPECT_TRUE(session.unsavedChanges());
    session.redo();
    EXPECT_FALSE(session.unsavedChanges());
    ASSERT_TRUE(session.toggleMask(0)); // masks are not saved: the flag stays clear
    EXPECT_FALSE(session.unsavedChanges());
    EXPECT_EQ(session.undoCaption(), "Undo Mask Alpha");
    session.newModel();
    EXPECT_FALSE(session.canUndo());
    EXPECT_FALSE(session.hasModel());
    ASSERT_TRUE(session.openModel("demo"));
    EXPECT_FALSE(session.canUndo());
    EXPECT_EQ(session.model().lstVocab, Lines{"mater  madre"});
}

TEST_F(SessionTest, RefusedEditsLeaveNoStepButSomeStillMarkTheModelChanged) {
    const auto refused =
        session.insertIntoOrder(OrderList::Reflex, {"Alpha", false, {}}, InsertPlace::Below);
    ASSERT_TRUE(refused); // an empty order takes the name without a highlight
    session.undo();
    EXPECT_EQ(
        session.insertIntoOrder(OrderList::Diachronic, {"Alpha", true, {}}, InsertPlace::Below)
            .message(),
        "Click a rule in the Supply list (which rule to insert),\r\nand another rule in "
        "the Order list (where to insert, above or below).\r\nIf the Order list is "
        "empty, click near its top.");
    EXPECT_TRUE(session.unsavedChanges());
    EXPECT_EQ(session.redoCaption(), "Redo Insert Alpha Below");
    EXPECT_EQ(session.addItem("a b c").message(),
              "Item requires just TWO words: etymon and reflex, separated by space.\r\nClick "
              "\"OK\" to return to editing,\r\nor \"Cancel\" to quit editing.");
    EXPECT_EQ(session.redoCaption(), "Redo Insert Alpha Below");
}

TEST_F(SessionTest, TheAlphabetEditorKeepsItsChangesAsOneStepOrRestoresThem) {
    AlphabetEditor& editor = session.alphabetEditor(AlphabetSide::Etymon);
    editor.enter();
    EXPECT_TRUE(editor.leave(KeepAnswer::Cancel)); // nothing pending: nothing asked
    editor.toggleValue(0, 10);
    ASSERT_TRUE(editor.deleteColumn(1));
    EXPECT_EQ(editor.undoCaption(), "Undo Delete Column b");
    editor.undo();
    EXPECT_EQ(session.model().lstCol.size(), 26u);
    editor.redo();
    EXPECT_FALSE(editor.leave(KeepAnswer::Cancel));
    EXPECT_TRUE(editor.leave(KeepAnswer::Yes));
    EXPECT_EQ(session.undoCaption(), "Undo Edit Etymon Alphabet");
    session.undo();
    EXPECT_EQ(session.model().lstCol, loaded.lstCol);

    AlphabetEditor& reflex = session.alphabetEditor(AlphabetSide::Reflex);
    reflex.enter();
    ASSERT_TRUE(reflex.deleteColumn(0));
    ASSERT_TRUE(reflex.leave(KeepAnswer::Yes));
    const Model before = session.model();
    editor.enter();
    editor.resetToDefaults(); // both alphabets
    ASSERT_TRUE(editor.insertColumn(0));
    EXPECT_TRUE(editor.leave(KeepAnswer::No)); // both as they were
    EXPECT_TRUE(lists(session.model()) == lists(before));
    EXPECT_EQ(session.undoCaption(), "Undo Edit Reflex Alphabet");
}

TEST_F(SessionTest, TheRuleEditorUndoesItsOwnEditsAndKeepsThemAsOneStep) {
    RuleEditor& editor = session.ruleEditor();
    ASSERT_TRUE(editor.open("Alpha"));
    const Lines opened = editor.lines();
    ASSERT_TRUE(editor.insertUnit(1));
    const Lines oneUnitMore = editor.lines();
    ASSERT_TRUE(editor.acceptName("Delta"));
    EXPECT_FALSE(editor.deleteUnit(2, 0)); // the last unit of a then-line: refused, no step
    EXPECT_EQ(editor.undoCaption(), "Undo Rename");
    editor.undo();
    EXPECT_EQ(editor.lines(), oneUnitMore);
    EXPECT_EQ(editor.currentName(), "Alpha");
    editor.undo();
    EXPECT_EQ(editor.lines(), opened);
    EXPECT_FALSE(editor.canUndo());
    editor.redo();
    editor.redo();
    EXPECT_EQ(editor.currentName(), "Delta");
    EXPECT_FALSE(editor.canRedo());

    ASSERT_TRUE(editor.keep());
    EXPECT_EQ(session.model().lstSupply, (Lines{"Beta", "Delta", "Gamma"}));
    EXPECT_EQ(session.model().lstDiacOrd, (Lines{"Delta", "Beta"}));
    EXPECT_EQ(session.undoCaption(), "Undo Edit Rule Delta");
    session.undo(); // the whole edit, rename and all, in one step
    EXPECT_TRUE(lists(session.model()) == lists(loaded));
    session.redo();
    EXPECT_EQ(session.model().lst1Rule[0], editor.lines());
}

TEST_F(SessionTest, ABatchIsComparedWithTheLastCompletedRunOfTheSameModel) {
    const auto report = [this] {
        session.runBatch();
        return session.reportBatch({});
    };
    EXPECT_FALSE(report().since);
    session.deleteItem(0);
    struct StopAtOnce : BatchDisplay, MessageSink {
        void showBatchItem(const BatchItem&) override {}
        bool stopRequested() override { return true; }
        void showBatchEnd(std::string_view) override {}
        void showMessage(const std::string&) override {}
    } stop;
    session.runBatch(stop, stop);
    ASSERT_TRUE(session.lastBatch().stopped);
    EXPECT_FALSE(session.reportBatch({}).since); // neither compared nor kept
    const insight::BatchReport afterDelete = report();
    ASSERT_TRUE(afterDelete.since);
    EXPECT_EQ(afterDelete.since->removed.size(), 1u);
    ASSERT_TRUE(session.openModel("demo"));
    EXPECT_FALSE(report().since);
}

TEST_F(SessionTest, AnImportedWordListIsOneChange) {
    const auto read = readWordList("etymon,reflex\nrosa,rosa\nmater,madre\n", session.model());
    ASSERT_TRUE(read);
    ASSERT_EQ(read->duplicates.size(), 1u);
    EXPECT_EQ(skippedRowText(read->duplicates[0]),
              "Line 3: \"mater  madre\" is in the Vocabulary already.");
    session.importVocabulary(*read);
    EXPECT_EQ(session.model().lstVocab, (Lines{"mater  madre", "pater  padre", "rosa  rosa"}));
    EXPECT_EQ(session.undoCaption(), "Undo Import Vocabulary");
    session.undo();
    EXPECT_EQ(session.model().lstVocab, loaded.lstVocab);
}

// A long run of random edits undone to the start gives back the model as loaded, and redone
// to the end the model as it was before undoing.
TEST_F(SessionTest, AnyRunOfEditsUndoesToTheLoadedModelAndRedoesToTheEnd) {
    std::mt19937 random(11);
    const auto below = [&random](std::size_t n) { return n == 0 ? 0 : random() % n; };
    const OrderList orders[] = {OrderList::Etymon, OrderList::Diachronic, OrderList::Reflex};
    for (int i = 0; i < 400; ++i) {
        const Model& m = session.model();
        const OrderList order = orders[below(3)];
        const std::size_t rows = orderEntries(m, order).size();
        const std::function<void()> edits[] = {
            [&] { (void)session.addItem("pa" + std::string(1, char('a' + below(26))) + " po"); },
            [&] { session.deleteItem(below(m.lstVocab.size())); },
            [&] {
                (void)session.insertIntoOrder(order, {m.lstSupply[below(3)], true, below(rows + 1)},
                                              below(2) ? InsertPlace::Above : InsertPlace::Below);
            },
            [&] {
                (void)session.moveInOrder(order, below(rows + 1),
                                          below(2) ? MoveDirection::Up : MoveDirection::Down);
            },
            [&] { (void)session.deleteFromOrder(order, below(rows + 1)); },
            [&] { (void)session.toggleMask(below(m.lstDiacOrd.size())); },
            [&] { session.togglePersistence(below(m.lstDiacOrd.size() + 1)); },
            [&] { session.setNotes(m.notes + "n"); },
            [&] {
                (void)session.replaceVocabulary({"a b", "c d"});
            }};
        edits[below(9)]();
    }
    const Model edited = session.model();
    int steps = 0;
    for (; session.canUndo(); ++steps)
        session.undo();
    EXPECT_GT(steps, 200);
    EXPECT_TRUE(lists(session.model()) == lists(loaded));
    while (session.canRedo())
        session.redo();
    EXPECT_TRUE(lists(session.model()) == lists(edited));
}

} // namespace
} // namespace tarnel::test
