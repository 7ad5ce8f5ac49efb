// SPDX-License-Identifier: GPL-3.0-or-later
// The Etymon and Reflex Alphabet editors and the Output Alphabet viewer.
#include "Harness.h"
#include "Tests.h"
#include "ui/alphabets/AlphabetEditorView.h"
#include "ui/alphabets/OutputAlphabetView.h"
#include "ui/shared/Shared.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

namespace tarnel {

namespace {

constexpr int highItem = 10;

std::string heads(const Alphabet& alphabet) {
    std::string text;
    for (const auto& column : alphabet)
        text += column.front();
    return text;
}

// The program with the default alphabets, showing the Etymon (or Reflex) Alphabet editor.
struct EditorHarness : Harness {
    explicit EditorHarness(AlphabetSide side = AlphabetSide::Etymon,
                           const Model& model = ModelBuilder()) {
        load(model);
        const bool etymon = side == AlphabetSide::Etymon;
        (program.*(etymon ? &Program::editEtymonAlphabet : &Program::editReflexAlphabet))();
        screen =
            etymon ? static_cast<Screen*>(program.screens().inAlph) : program.screens().reflAlph;
        view = etymon ? program.screens().inAlph->body : program.screens().reflAlph->body;
        QVERIFY(QTest::qWaitForWindowExposed(screen));
    }

    const Alphabet& alphabet() { return ctx().session.model().lstCol; }
    bool pending() { return ctx().session.alphabetEditor(AlphabetSide::Etymon).pending(); }
    void click(int row, int column) {
        const QRect cell = view->lstCol->visualRect(view->lstCol->model()->index(row, column));
        QTest::mouseClick(view->lstCol->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void key(int column, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        view->lstCol->setCurrentCell(0, column);
        QTest::keyClick(view->lstCol, key, modifiers);
    }

    Screen* screen = nullptr;
    AlphabetEditorView* view = nullptr;
};

} // namespace

class AlphabetScreensTest : public QObject {
    Q_OBJECT
private slots:
    void aClickTogglesAValueWithItsExclusions() {
        EditorHarness h;
        h.click(highItem, 0); // "a" is a low vowel
        QCOMPARE(h.alphabet()[0], std::string("a----+-++++--------+++"));
        QCOMPARE(h.view->lstCol->item(highItem, 0)->text(), u"+"_s);
        QCOMPARE(h.view->lstFeats->currentRow(), highItem - 1);
        QVERIFY(h.pending() && h.ctx().session.unsavedChanges());
        h.click(highItem, 0); // turning high off leaves low as it is
        QCOMPARE(h.alphabet()[0], std::string("a----+-+++---------+++"));
        h.click(0, 0); // the character is no value
        QCOMPARE(h.alphabet()[0], std::string("a----+-+++---------+++"));

        QTest::keyClick(h.view->lstCol, Qt::Key_Escape);
        QVERIFY(h.view->lstCol->selectedItems().isEmpty());
        QVERIFY(h.view->lstFeats->selectedItems().isEmpty());
    }

    void arrowsMoveAColumnAndTheCellGoesWithIt() {
        EditorHarness h;
        h.key(0, Qt::Key_Left);
        h.key(25, Qt::Key_Right);
        QCOMPARE(heads(h.alphabet()), std::string("abcdefghijklmnopqrstuvwxyz"));
        // Every key release on a column counts.
        QVERIFY(h.pending() && h.ctx().session.unsavedChanges());
        h.key(0, Qt::Key_Right);
        QTest::keyClick(h.view->lstCol, Qt::Key_Right);
        QCOMPARE(heads(h.alphabet()), std::string("bcadefghijklmnopqrstuvwxyz"));
        QCOMPARE(h.view->lstCol->item(0, 2)->text(), u"a"_s);
    }

    // A key names the column (the rules of a name are the model's: see its alphabet tests).
    void aKeyRenamesTheCurrentColumn() {
        EditorHarness h;
        h.key(4, Qt::Key_2, Qt::ShiftModifier);
        QCOMPARE(heads(h.alphabet()), std::string("abcd@fghijklmnopqrstuvwxyz"));
    }

    void theNewCharacterBoxRefusesDuplicatesAndEscRemovesTheColumn() {
        EditorHarness h;
        h.key(1, Qt::Key_Insert);
        QVERIFY(h.view->txtNewChar->isVisible());
        QVERIFY(h.view->lblNewCharInstruc->text().contains(u"Type a character"_s));
        QCOMPARE(heads(h.alphabet()), std::string("abbcdefghijklmnopqrstuvwxyz"));
        QTest::keyClick(h.view->txtNewChar, 'b');
        QCOMPARE(h.dialogs.last(), u"That character already exists in the alphabet."_s);
        QVERIFY(h.view->txtNewChar->isVisible());
        h.key(5, Qt::Key_Delete); // the grid waits for the new character
        QCOMPARE(h.alphabet().size(), 27u);
        QTest::keyClick(h.view->txtNewChar, Qt::Key_Escape);
        QVERIFY(h.view->txtNewChar->isHidden() && h.view->lblNewCharInstruc->isHidden());
        QCOMPARE(heads(h.alphabet()), std::string("abcdefghijklmnopqrstuvwxyz"));

        h.key(25, Qt::Key_Insert);
        QTest::sendKeyEvent(QTest::Press, h.view->txtNewChar, Qt::Key_Eacute, u"é"_s,
                            Qt::NoModifier);
        QVERIFY(h.view->txtNewChar->isHidden());
        QCOMPARE(heads(h.alphabet()), std::string("abcdefghijklmnopqrstuvwxyz\xE9"));
        QCOMPARE(h.alphabet()[26].substr(1), h.alphabet()[25].substr(1));
        QCOMPARE(h.view->lstCol->item(0, 26)->text(), u"é"_s);
    }

    void leavingAsksToKeepTheChanges() {
        for (const AlphabetSide side : {AlphabetSide::Etymon, AlphabetSide::Reflex}) {
            EditorHarness h{side};
            const Alphabet& alphabet =
                side == AlphabetSide::Etymon ? h.model().lstCol : h.model().lstColR;
            const Alphabet onEntry = alphabet;
            h.key(2, Qt::Key_Delete);
            h.click(highItem, 0);

            h.dialogs.answer(Answer::Cancel);
            h.program.goHome();
            QCOMPARE(h.showing(), QList<Screen*>{h.screen});
            QCOMPARE(h.dialogs.last(), u"Keep the changes?"_s);

            h.dialogs.answer(Answer::No);
            h.program.goHome();
            QCOMPARE(h.showing(), QList<Screen*>{&h.home()});
            QCOMPARE(alphabet, onEntry);

            const int asked = int(h.dialogs.texts.size());
            h.program.showScreen(*h.screen);
            h.program.goHome(); // nothing changed: no question
            QCOMPARE(int(h.dialogs.texts.size()), asked);
            QCOMPARE(h.dialogs.unscripted, 0);
        }
    }

    // Keep the changes? Cancel stays; No (then quit) restores "b"; Yes (then stay) keeps the
    // changes: "b" deleted and "a" copied.
    void exitLeavesTheEditorFirst() {
        const std::string restored = "abcdefghijklmnopqrstuvwxyz",
                          kept = "acdefghijklmnopqrstuvwxyz";
        const std::tuple<QList<Answer>, bool, std::string> cases[] = {
            {{Answer::Cancel}, false, kept},
            {{Answer::No, Answer::Yes, Answer::No}, true, restored},
            {{Answer::Yes, Answer::No}, false, kept}};
        for (const auto& [answers, quits, heads] : cases) {
            EditorHarness h;
            h.key(1, Qt::Key_Delete);
            h.key(0, Qt::Key_Insert); // the new-character box is open
            for (Answer answer : answers)
                h.dialogs.answer(answer);
            h.find<QAction>(*h.screen, "mnuExit")->trigger();
            QCOMPARE(h.dialogs.texts.first(), u"Keep the changes?"_s);
            QCOMPARE(h.dialogs.texts.size(), answers.size());
            QCOMPARE(h.quits == 1, quits);
            QCOMPARE(tarnel::heads(h.alphabet()), heads);
            h.dialogs.texts.clear();
            if (h.quits == 0) { // still on the editor, measured from what was settled
                h.program.goHome();
                QCOMPARE(h.dialogs.texts.size(), answers.size() == 1 ? 1 : 0);
            }
        }
    }

    void defaultAlphabetsAskFirst() {
        Model small = ModelBuilder();
        small.lstCol.resize(5);
        EditorHarness h(AlphabetSide::Etymon, small);
        auto* entry = h.screen->findChild<QAction*>(u"mnuDefaultAlphabets"_s);
        QVERIFY(entry);
        entry->trigger(); // unanswered: No
        QCOMPARE(h.alphabet().size(), 5u);
        h.dialogs.answer(Answer::Yes);
        entry->trigger();
        QCOMPARE(h.view->lstCol->columnCount(), 26);
        QVERIFY(h.pending());
    }

    void theViewerShowsTheTableAndDescribesTheSymbolUnderThePointer() {
        Harness h;
        h.program.viewOutputAlphabet();
        frmOutAlph& screen = *h.program.screens().outAlph;
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        OutputAlphabetView& view = *screen.body;
        QCOMPARE(view.lblIPA.size(), 91u);
        QCOMPARE(view.lstFeats->item(0)->text(), u" ant"_s);
        QCOMPARE(view.lstFeats->item(20)->text(), u" voice"_s);

        QCOMPARE(view.lblIPA[1]->text(), u"\u00E4"_s); // a and umlaut, composed
        QCOMPARE(rows(view.lstValues[1]).join(QString()), u"--==+=++=---#--=--+#+"_s);

        const QString prompt = u"Touch symbol with cursor for phonetic description."_s;
        QCOMPARE(view.lblDescribe->text(), prompt);
        QTest::mouseMove(view.lblIPA[1]);
        QTRY_COMPARE(view.lblDescribe->text(),
                     u"Lowercase < a > umlaut — tense low central unrounded vowel"_s);
        QTest::mouseMove(view.lstFeats);
        QTRY_COMPARE(view.lblDescribe->text(), prompt);

        QTest::mouseDClick(view.lblIPA[0], Qt::LeftButton); // a symbol is no values list
        QVERIFY(h.dialogs.texts.isEmpty());
        QTest::mouseDClick(view.lstValues[0]->viewport(), Qt::LeftButton);
        const QSize size = screen.screen()->size();
        QCOMPARE(h.dialogs.last(),
                 u"Your screen is %1 by %2 pixels."_s.arg(size.width()).arg(size.height()));
        view.scrOutAlph->setValue(view.scrOutAlph->maximum());
        QVERIFY(view.lblIPA[90]->isVisibleTo(&screen));
        QVERIFY(view.lblIPA[90]->mapTo(&screen, QPoint(0, 0)).x() < screen.width());
    }
};

static RegisterTest<AlphabetScreensTest> registerAlphabetScreensTest;

} // namespace tarnel

#include "AlphabetScreensTest.moc"
