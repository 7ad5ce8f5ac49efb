// SPDX-License-Identifier: GPL-3.0-or-later
// The Vocabulary: one-item box, Edit All, Delete Item, Copy Etymon to Derive.
#include "Harness.h"
#include "Tests.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

namespace tarnel {

namespace {

using Items = std::vector<std::string>;

const Items loaded = {"mater  madre", "pater  padre"};

// A loaded model, showing its Vocabulary.
struct VocabHarness : Harness {
    VocabHarness() {
        load(ModelBuilder().vocabulary(loaded), u"vocab"_s);
        home().showVocabulary();
    }
    QListWidget& list() { return *find<QListWidget>(home(), "lstVocab"); }
    QLineEdit& box() { return *find<QLineEdit>(home(), "txtVocab"); }
    void type(const QString& text) { QTest::keyClicks(&box(), text + u'\r'); }
    const Items& vocab() { return model().lstVocab; }
};

} // namespace

class VocabularyTest : public QObject {
    Q_OBJECT
private slots:
    // A refused pair: Cancel closes the box, OK returns to it as it was.
    void addItem() {
        VocabHarness h;
        h.home().mnuAddItem_Click();
        h.dialogs.answer(Answer::Cancel);
        h.type(u"aqua a?a"_s);
        QCOMPARE(h.dialogs.last(), u"Character \"?\" is not in the Reflex Alphabet.\r\n"
                                   "Click \"OK\" to return to editing,\r\nor "
                                   "\"Cancel\" to quit editing."_s);
        QVERIFY(!h.box().isVisible() && !h.ctx().session.unsavedChanges());
        h.home().mnuAddItem_Click();
        h.dialogs.answer(Answer::Ok);
        h.type(u"aqua a?a"_s);
        QVERIFY(h.box().isVisible());
        QCOMPARE(h.box().text(), u"aqua a?a"_s);
        h.box().clear();
        h.type(u"frater fradre"_s);
        QCOMPARE(h.dialogs.texts.size(), 2);
        QVERIFY(!h.box().isVisible());
        QCOMPARE(h.vocab(), (Items{"frater  fradre", "mater  madre", "pater  padre"}));
        QCOMPARE(h.list().count(), 3);
    }

    void editItemReplacesTheHighlightedItem() {
        VocabHarness h;
        QCOMPARE(h.home().caption(), u"Model \"vocab\":  Edit Vocabulary"_s);
        QCOMPARE(rows(&h.list()), QStringList({"mater  madre", "pater  padre"}));
        h.list().setCurrentRow(1);
        h.home().mnuEditItem_Click();
        QCOMPARE(h.box().text(), u"pater  padre"_s);
        h.box().clear();
        h.type(u"  bater   badre "_s);
        QCOMPARE(h.vocab(), (Items{"bater  badre", "mater  madre"}));
    }

    // A left click selects; the menu comes on a right click or the menu key.
    void theListsMenuComesAsAPopUpMenu() {
        VocabHarness h;
        auto* menu = h.find<QMenu>(h.home(), "mnuVocabEdit");
        QTest::mouseClick(h.list().viewport(), Qt::LeftButton, {}, QPoint(10, 5));
        QVERIFY(!menu->isVisible());
        for (const auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard}) {
            QContextMenuEvent asked(reason, QPoint(10, 5),
                                    h.list().viewport()->mapToGlobal(QPoint(10, 5)));
            QApplication::sendEvent(h.list().viewport(), &asked);
            QVERIFY(menu->isVisible());
            menu->hide();
        }
    }

    // Esc or Cancel closes the one-item box and changes nothing.
    void theItemBoxClosesOnEscOrCancel() {
        for (const bool esc : {true, false}) {
            VocabHarness h;
            h.home().mnuAddItem_Click();
            QTest::keyClicks(&h.box(), u"mater"_s);
            if (esc)
                QTest::keyClick(&h.box(), Qt::Key_Escape);
            else
                QTest::mouseClick(h.find<QPushButton>(h.home(), "btnVocabCancel"), Qt::LeftButton);
            QVERIFY(!h.box().isVisible() && h.dialogs.texts.isEmpty());
            QCOMPARE(h.vocab(), loaded);
        }
    }

    void nothingHighlighted() {
        const std::pair<int, QString> cases[] = {
            {1, "Select (click) an item; then click 'Delete Item'."},
            {2, "Highlight (click) an item; then click 'Edit'."},
            {5, "Select (click) an item; then click 'Copy Etymon to Derive'."}};
        for (const auto& [entry, message] : cases) {
            VocabHarness h;
            h.list().clearSelection();
            h.find<QMenu>(h.home(), "mnuVocabEdit")->actions()[entry]->trigger();
            QCOMPARE(h.dialogs.last(), message);
            QCOMPARE(h.vocab(), loaded);
            QCOMPARE(h.showing(), QList<Screen*>{&h.home()});
        }
    }

    void deleteItemRemovesWithoutAsking() {
        VocabHarness h;
        h.list().setCurrentRow(0);
        h.home().mnuDeleteItem_Click();
        QCOMPARE(h.vocab(), Items{"pater  padre"});
        QVERIFY(h.dialogs.texts.isEmpty());
    }

    void wordListsGoOutAndComeInAsOneUndoableChange() {
        VocabHarness h;
        h.dialogs.chooseFile(h.dir.filePath(u"vocab.csv"_s));
        h.home().mnuExportVocabulary_Click();
        QVERIFY(h.fileBytes(u"vocab.csv"_s).endsWith("\npater,padre\n"));
        QCOMPARE(h.dialogs.lastSuggested, u"vocab-vocabulary.tsv"_s);

        h.dialogs.chooseFile(h.writeFile(
            u"new.tsv"_s, "Latin\tSpanish\nfrater\tfraile\nmater\tmadre\nroZa\trosa\n"));
        h.dialogs.choice(0);
        h.home().mnuImportVocabulary_Click();
        QCOMPARE(h.dialogs.lastButtons,
                 (QStringList{"First row is a header", "First row is an item", "Cancel"}));
        QVERIFY(h.dialogs.last().contains(u"Line 1 was taken as a header"_s));
        QCOMPARE(h.vocab(), (Items{"frater  fraile", "mater  madre", "pater  padre"}));
        QCOMPARE(h.list().count(), 3);
        h.ctx().session.undo();
        QCOMPARE(h.vocab(), loaded);
    }

    void editAll() {
        VocabHarness h;
        h.home().mnuEditAll_Click();
        auto* box = h.find<QPlainTextEdit>(h.home(), "txtMassVocab");
        QCOMPARE(box->toPlainText(), u"mater  madre\npater  padre"_s);
        box->setPlainText(u"a b\n\nc d"_s);
        h.home().btnDone_Click();
        QCOMPARE(h.dialogs.last(), u"Please delete blank lines."_s);
        QVERIFY(box->isVisible());
        QCOMPARE(h.vocab(), loaded);
        box->setPlainText(u"zeta   zed \n\t alpha al\n"_s);
        h.home().btnDone_Click();
        QCOMPARE(h.dialogs.texts.size(), 1);
        QVERIFY(!box->isVisible());
        QCOMPARE(h.vocab(), (Items{"alpha  al", "zeta  zed"}));
    }
};

static RegisterTest<VocabularyTest> registerVocabularyTest;

} // namespace tarnel

#include "VocabularyTest.moc"
