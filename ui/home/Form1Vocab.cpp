// SPDX-License-Identifier: GPL-3.0-or-later
// The home screen's Vocabulary: the list, its pop-up menu and the two editing boxes.
#include "frontend/ModelText.h"
#include "session/Session.h"
#include "ui/home/Form1.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/FilterBox.h"
#include "ui/shared/ModelTextEdits.h"
#include "ui/shared/Navigator.h"
#include "ui/shared/Shared.h"

#include <QCheckBox>
#include <QHBoxLayout>
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
    chkVocabIpa = new QCheckBox(QStringLiteral("IPA"));
    chkVocabIpa->setObjectName(QStringLiteral("chkVocabIpa"));
    chkVocabIpa->setToolTip(
        QStringLiteral("Type, edit and import word pairs in IPA; each symbol is stored as the "
                       "alphabet character whose feature values show as it"));
    connect(chkVocabIpa, &QCheckBox::toggled, this, &Form1::chkVocabIpa_Toggle);
    auto* heading = new QWidget;
    auto* headingRow = new QHBoxLayout(heading);
    headingRow->setContentsMargins(0, 0, 0, 0);
    headingRow->addWidget(lblVocab);
    headingRow->addStretch(1);
    headingRow->addWidget(chkVocabIpa);
    lstVocab = new QListWidget;
    lstVocab->setObjectName(QStringLiteral("lstVocab"));
    lstVocab->setToolTip(QStringLiteral("Right-click for the Vocabulary menu"));
    // The pop-up menu comes as pop-up menus do: a right click or the menu key.
    lstVocab->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstVocab, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { lstVocab_ContextMenu(lstVocab->viewport()->mapToGlobal(at)); });
    vocabFilter = new FilterBox("fltVocab", lstVocab);
    txtVocab = new ModelLineEdit;
    txtVocab->setObjectName(QStringLiteral("txtVocab"));
    txtVocab->refuse = [this](const QString& character) { refuseCharacter(character); };
    txtVocab->setStyleSheet(QStringLiteral("background-color: #cce8ff;"));
    txtVocab->installEventFilter(this);
    btnVocabCancel = new QPushButton(QStringLiteral("Cancel"));
    btnVocabCancel->setObjectName(QStringLiteral("btnVocabCancel"));
    connect(btnVocabCancel, &QPushButton::clicked, this, &Form1::closeItemBox);
    itemBox = new QWidget;
    auto* itemRow = new QHBoxLayout(itemBox);
    itemRow->setContentsMargins(0, 0, 0, 0);
    itemRow->addWidget(txtVocab, 1);
    itemRow->addWidget(btnVocabCancel);
    btnDone = new QPushButton(QStringLiteral("Edit word pairs below.  Click here when done."));
    btnDone->setObjectName(QStringLiteral("btnDone"));
    connect(btnDone, &QPushButton::clicked, this, &Form1::btnDone_Click);
    txtMassVocab = new ModelPlainTextEdit;
    txtMassVocab->setObjectName(QStringLiteral("txtMassVocab"));
    txtMassVocab->refuse = [this](const QString& character) { refuseCharacter(character); };
    for (QWidget* widget : {heading, itemBox, static_cast<QWidget*>(lstVocab),
                            static_cast<QWidget*>(btnDone), static_cast<QWidget*>(txtMassVocab)}) {
        if (widget == lstVocab)
            layout->addWidget(vocabFilter);
        layout->addWidget(widget, widget == lstVocab || widget == txtMassVocab ? 1 : 0);
        widget->setVisible(widget == heading); // its label and box are shown with the list
    }
    lblVocab->hide();
    chkVocabIpa->hide();
    return panel;
}

void Form1::refreshVocab() {
    const int row = lstVocab->currentRow();
    lstVocab->clear();
    for (const std::string& item : ctx.session.model().lstVocab) {
        lstVocab->addItem(fromModelText(item));
    }
    if (row >= 0 && row < lstVocab->count()) {
        lstVocab->setCurrentRow(row, QItemSelectionModel::NoUpdate);
    }
    vocabFilter->apply();
}

void Form1::refreshNotes() {
    const QString notes = fromModelLines(ctx.session.model().notes);
    if (txtNotes->toPlainText() != notes) {
        const QSignalBlocker block(txtNotes);
        txtNotes->setPlainText(notes);
    }
}

void Form1::lstVocab_ContextMenu(QPoint at) {
    mnuVocabEdit->popup(at);
}

// Esc or Cancel: the item box closes, and nothing is added or changed.
void Form1::closeItemBox() {
    itemBox->hide();
    txtVocab->clear();
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
    itemBox->show();
    txtVocab->setFocus();
}

void Form1::mnuDeleteItem_Click() {
    const int row =
        highlightedItem(QStringLiteral("Select (click) an item; then click 'Delete Item'."));
    if (row >= 0) {
        ctx.session.deleteItem(static_cast<std::size_t>(row));
    }
}

void Form1::mnuEditItem_Click() {
    const int row =
        highlightedItem(QStringLiteral("Highlight (click) an item; then click 'Edit'."));
    if (row < 0) {
        return;
    }
    editedRow = row;
    txtVocab->setText(itemInBox(ctx.session.model().lstVocab[static_cast<std::size_t>(row)]));
    itemBox->show();
    txtVocab->setFocus();
}

void Form1::mnuEditAll_Click() {
    QStringList lines;
    for (const std::string& item : ctx.session.model().lstVocab) {
        lines.append(itemInBox(item));
    }
    txtMassVocab->setPlainText(lines.join(u'\n'));
    btnDone->show();
    txtMassVocab->show();
    txtMassVocab->setFocus();
}

void Form1::mnuCopyEtymon_Click() {
    const int row = highlightedItem(
        QStringLiteral("Select (click) an item; then click 'Copy Etymon to Derive'."));
    if (row >= 0) {
        ctx.navigator.deriveEtymon(
            fromModelText(ctx.session.itemEtymon(static_cast<std::size_t>(row))));
    }
}

QString Form1::itemInBox(const std::string& item) const {
    return chkVocabIpa->isChecked() ? QString::fromStdString(composeNfc(ctx.session.ipaItem(item)))
                                    : fromModelText(item);
}

std::optional<std::string> Form1::vocabText(const QString& text) {
    if (!chkVocabIpa->isChecked()) {
        const std::optional<std::string> bytes = toModelText(text);
        if (!bytes)
            refuseCharacter(firstUnstorable(text).value_or(QString()));
        return bytes;
    }
    for (;;) {
        const IpaText read = ctx.session.readIpaItem(text.toStdString());
        if (!read.refusal)
            return read.keyboard;
        if (!offerIpaColumn(ctx, *read.refusal))
            return std::nullopt;
    }
}

// The open boxes show their text the other way: IPA as the alphabets' characters, or back.
// Text that cannot be read so stays as it is.
void Form1::chkVocabIpa_Toggle(bool ipa) {
    txtVocab->ipa = txtMassVocab->ipa = ipa;
    const auto convert = [this, ipa](const QString& text) {
        if (ipa)
            return toModelText(text) ? itemInBox(*toModelText(text)) : text;
        const IpaText read = ctx.session.readIpaItem(text.toStdString());
        return read.refusal ? text : fromModelText(read.keyboard);
    };
    if (!txtVocab->text().isEmpty())
        txtVocab->setText(convert(txtVocab->text()));
    if (!txtMassVocab->isHidden()) {
        QStringList lines = txtMassVocab->toPlainText().split(u'\n');
        for (QString& line : lines)
            line = convert(line);
        txtMassVocab->setPlainText(lines.join(u'\n'));
    }
}

void Form1::txtVocab_Enter() {
    const std::optional<std::string> text = vocabText(txtVocab->text());
    if (!text) {
        return;
    }
    const std::optional<std::size_t> replacing =
        editedRow >= 0 ? std::optional<std::size_t>(editedRow) : std::nullopt;
    const Result<> added = ctx.session.addItem(*text, replacing);
    if (!added) {
        if (ctx.dialogs.okCancel(fromModelText(added.message())) == Answer::Cancel) {
            itemBox->hide();
        }
        return;
    }
    itemBox->hide();
}

void Form1::btnDone_Click() {
    QString all = txtMassVocab->toPlainText();
    if (all.endsWith(u'\n')) {
        all.chop(1); // the line break after the last item makes no blank line
    }
    std::vector<std::string> lines;
    for (const QString& line : all.isEmpty() ? QStringList() : all.split(u'\n')) {
        const std::optional<std::string> bytes = vocabText(line);
        if (!bytes) {
            return;
        }
        lines.push_back(*bytes);
    }
    if (succeeded(ctx, ctx.session.replaceVocabulary(lines))) {
        txtMassVocab->hide();
        btnDone->hide();
    }
}

} // namespace tarnel
