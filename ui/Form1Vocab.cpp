// The home screen's Vocabulary: the list, its pop-up menu and the two editing boxes.
#include "Context.h"
#include "Dialogs.h"
#include "Form1.h"
#include "ModelText.h"
#include "ModelTextEdits.h"
#include "Shared.h"
#include "frmDerive.h"
#include "model/AlphabeticalList.h"
#include "model/Vocabulary.h"

#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnel {

QWidget* Form1::buildVocabPanel() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    lblVocab = new QLabel(QStringLiteral("Vocabulary"));
    lblVocab->setObjectName(QStringLiteral("lblVocab"));
    lblVocab->setToolTip(QStringLiteral("Etymon / reflex pairs for batch testing"));
    lstVocab = new QListWidget;
    lstVocab->setObjectName(QStringLiteral("lstVocab"));
    lstVocab->viewport()->installEventFilter(this);
    txtVocab = new ModelLineEdit;
    txtVocab->setObjectName(QStringLiteral("txtVocab"));
    txtVocab->refuse = [this](const QString& character) { refuseCharacter(character); };
    txtVocab->setStyleSheet(QStringLiteral("background-color: #cce8ff;"));
    txtVocab->installEventFilter(this);
    btnDone = new QPushButton(QStringLiteral("Edit word pairs below.  Click here when done."));
    btnDone->setObjectName(QStringLiteral("btnDone"));
    connect(btnDone, &QPushButton::clicked, this, &Form1::btnDone_Click);
    txtMassVocab = new ModelPlainTextEdit;
    txtMassVocab->setObjectName(QStringLiteral("txtMassVocab"));
    txtMassVocab->refuse = [this](const QString& character) { refuseCharacter(character); };
    for (QWidget* widget : {static_cast<QWidget*>(lblVocab), static_cast<QWidget*>(txtVocab),
                            static_cast<QWidget*>(lstVocab), static_cast<QWidget*>(btnDone),
                            static_cast<QWidget*>(txtMassVocab)}) {
        layout->addWidget(widget, widget == lstVocab || widget == txtMassVocab ? 1 : 0);
        widget->hide();
    }
    return panel;
}

void Form1::refreshVocab() {
    const int row = lstVocab->currentRow();
    lstVocab->clear();
    for (const std::string& item : ctx.model.lstVocab) {
        lstVocab->addItem(fromModelText(item));
    }
    if (row >= 0 && row < lstVocab->count()) {
        lstVocab->setCurrentRow(row, QItemSelectionModel::NoUpdate);
    }
}

void Form1::lstVocab_MouseUp() {
    mnuVocabEdit->popup(QCursor::pos());
}

// The row of the highlighted item, or -1 after showing `message`.
int Form1::highlightedItem(const QString& message) {
    const QList<QListWidgetItem*> selected = lstVocab->selectedItems();
    if (selected.isEmpty()) {
        ctx.dialogs.ok(message);
        return -1;
    }
    return lstVocab->row(selected.first());
}

void Form1::mnuAddItem_Click() {
    editedRow = -1;
    txtVocab->clear();
    txtVocab->show();
    txtVocab->setFocus();
}

void Form1::mnuDeleteItem_Click() {
    const int row =
        highlightedItem(QStringLiteral("Select (click) an item; then click 'Delete Item'."));
    if (row < 0) {
        return;
    }
    ctx.model.lstVocab.erase(ctx.model.lstVocab.begin() + row);
    ctx.model.unsavedChanges = true;
    refreshVocab();
}

void Form1::mnuEditItem_Click() {
    const int row =
        highlightedItem(QStringLiteral("Highlight (click) an item; then click 'Edit'."));
    if (row < 0) {
        return;
    }
    editedRow = row;
    txtVocab->setText(fromModelText(ctx.model.lstVocab[static_cast<std::size_t>(row)]));
    txtVocab->show();
    txtVocab->setFocus();
}

void Form1::mnuEditAll_Click() {
    QStringList lines;
    for (const std::string& item : ctx.model.lstVocab) {
        lines.append(fromModelText(item));
    }
    txtMassVocab->setPlainText(lines.join(u'\n'));
    btnDone->show();
    txtMassVocab->show();
    txtMassVocab->setFocus();
}

void Form1::mnuCopyEtymon_Click() {
    const int row = highlightedItem(
        QStringLiteral("Select (click) an item; then click 'Copy Etymon to Derive'."));
    if (row < 0) {
        return;
    }
    const QString etymon =
        fromModelText(itemEtymon(ctx.model.lstVocab[static_cast<std::size_t>(row)]));
    if (showScreen(ctx, *ctx.screens.derive)) {
        ctx.screens.derive->copyEtymon(etymon);
    }
}

void Form1::txtVocab_Enter() {
    const std::optional<std::string> text = toModelText(txtVocab->text());
    if (!text) {
        return; // the box lets no such character in
    }
    const std::string fault = checkTypedItem(*text, ctx.model.lstCol, ctx.model.lstColR);
    if (!fault.empty()) {
        const QString message =
            fromModelText(fault) + QStringLiteral("\r\nClick \"OK\" to return to editing,\r\nor "
                                                  "\"Cancel\" to quit editing.");
        if (ctx.dialogs.okCancel(message) == Answer::Cancel) {
            txtVocab->hide();
        }
        return;
    }
    if (editedRow >= 0 && static_cast<std::size_t>(editedRow) < ctx.model.lstVocab.size()) {
        ctx.model.lstVocab.erase(ctx.model.lstVocab.begin() + editedRow);
    }
    insertAlphabetical(ctx.model.lstVocab, vocabItem(*text));
    ctx.model.unsavedChanges = true;
    txtVocab->hide();
    refreshVocab();
}

void Form1::btnDone_Click() {
    QString all = txtMassVocab->toPlainText();
    if (all.endsWith(u'\n')) {
        all.chop(1); // the line break after the last item makes no blank line
    }
    std::vector<std::string> items;
    for (const QString& line : all.isEmpty() ? QStringList() : all.split(u'\n')) {
        const std::optional<std::string> bytes = toModelText(line);
        if (!bytes) {
            refuseCharacter(firstUnstorable(line).value_or(QString()));
            return;
        }
        const std::string fault = checkItemLine(*bytes, ctx.model.lstCol, ctx.model.lstColR);
        if (!fault.empty()) {
            ctx.dialogs.ok(fromModelText(fault));
            return;
        }
        items.push_back(vocabItem(cleanItemLine(*bytes)));
    }
    ctx.model.lstVocab.clear();
    for (std::string& item : items) {
        insertAlphabetical(ctx.model.lstVocab, std::move(item));
    }
    ctx.model.unsavedChanges = true;
    txtMassVocab->hide();
    btnDone->hide();
    refreshVocab();
}

} // namespace tarnel
