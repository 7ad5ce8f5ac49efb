// SPDX-License-Identifier: GPL-3.0-or-later
// Characters a model file cannot hold, refused in every box that stores model text.
#include "Harness.h"
#include "Tests.h"
#include "ui/alphabets/AlphabetEditorView.h"
#include "ui/shared/Shared.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

namespace tarnel {

namespace {

enum class Box { Notes, Item, EditAll, Comment, NewCharacter };

// A program over a model with one rule, showing `box` open for typing.
struct BoxHarness : Harness {
    explicit BoxHarness(Box box) {
        load(ModelBuilder()
                 .rule("Lenition", {"+obstr (*)"}, {"+cont (*)"})
                 .vocabulary({"pater  padre"}));
        widget = open(box);
    }

    QWidget* open(Box box) {
        switch (box) {
        case Box::Notes:
            return find<QWidget>(home(), "txtNotes");
        case Box::Item:
            home().mnuAddItem_Click();
            return find<QWidget>(home(), "txtVocab");
        case Box::EditAll:
            home().mnuEditAll_Click();
            return find<QWidget>(home(), "txtMassVocab");
        case Box::Comment: {
            frmEd1Rule& editor = *program.screens().ed1Rule;
            editor.editRule("Lenition");
            QTest::mouseClick(ruleButton(editor, u"\u00AB...\u00BB"_s), Qt::LeftButton);
            return find<QWidget>(editor, "txtComment");
        }
        case Box::NewCharacter:
            program.editEtymonAlphabet();
            AlphabetEditorView* view = program.screens().inAlph->body;
            view->lstCol->setCurrentCell(0, 0);
            QTest::keyClick(view->lstCol, Qt::Key_Insert);
            return view->txtNewChar;
        }
        return nullptr;
    }

    QString text() const {
        auto* line = qobject_cast<QLineEdit*>(widget);
        return line ? line->text() : qobject_cast<QPlainTextEdit*>(widget)->toPlainText();
    }

    QWidget* widget = nullptr;
};

} // namespace

class ModelTextTest : public QObject {
    Q_OBJECT
private slots:
    // Typed into each box, and pasted where a box takes a paste.
    void charactersAFileCannotHoldAreRefusedWithAMessage() {
        const std::pair<Box, bool> cases[] = {{Box::Notes, false},   {Box::Notes, true},
                                              {Box::Item, false},    {Box::Item, true},
                                              {Box::EditAll, false}, {Box::EditAll, true},
                                              {Box::Comment, false}, {Box::NewCharacter, false}};
        for (const auto& [box, pasted] : cases) {
            BoxHarness h(box);
            QVERIFY(h.widget && h.widget->isVisible());
            const Model model = h.model();
            if (pasted) {
                QApplication::clipboard()->setText(u"x\u0283\u0259x"_s);
                QTest::keyClick(h.widget, Qt::Key_V, Qt::ControlModifier);
            } else {
                typeText(h.widget, u"\u0283"_s);
            }
            QCOMPARE(h.dialogs.last(), u"The character \"\u0283\" cannot be stored: a model file "
                                       "holds only Windows-1252 characters."_s);
            QVERIFY(!h.text().contains(QChar(0x0283)) && !h.text().contains(u'x'));
            QCOMPARE(h.model().notes, model.notes);
            QCOMPARE(h.model().lstVocab, model.lstVocab);
        }
    }
};

static RegisterTest<ModelTextTest> registerModelTextTest;

} // namespace tarnel

#include "ModelTextTest.moc"
