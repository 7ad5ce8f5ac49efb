// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alphabets/AlphabetEditorView.h"

#include "core/Cp1252.h"
#include "frontend/ModelText.h"
#include "session/Session.h"
#include "session/ipa/IpaColumns.h"
#include "ui/alphabets/AlphabetGridStyle.h"
#include "ui/alphabets/IpaColumnPanel.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTableWidget>

namespace tarnel {

namespace {

constexpr int margin = 10;
constexpr int featsWidth = 70;
constexpr int itemCount = 22; // the character, then the 21 values
constexpr int boxWidth = 40;
constexpr int instructionWidth = 190;
constexpr int newCharBoxSpace = 56; // the new-character box and its instruction

bool isEditingKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Insert ||
           key == Qt::Key_Delete || key == Qt::Key_Escape || (key > 0x20 && key < 0x7F);
}

// Only Shift may be held with a renaming key; the keypad flag is no modifier of the user's.
std::optional<char> characterOfKey(const QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return std::nullopt;
    if (event->key() <= 0x20 || event->key() >= 0x7F)
        return std::nullopt;
    return keyCharacter(static_cast<char>(event->key()), modifiers == Qt::ShiftModifier);
}

} // namespace

AlphabetEditorView::AlphabetEditorView(AlphabetSide side, Context& ctx, QWidget* parent)
    : QWidget(parent), lstFeats(new QListWidget(this)), lstCol(new QTableWidget(this)),
      txtNewChar(new QLineEdit(this)), lblNewCharInstruc(new QLabel(this)),
      scrInAlph(new QScrollBar(Qt::Horizontal, this)),
      ipaPanel(new IpaColumnPanel(ipaPalette(ctx.session.ipaSpelling()), this)), side(side),
      ctx(ctx) {
    const QString suffix = side == AlphabetSide::Reflex ? QStringLiteral("R") : QString();
    lstFeats->setObjectName(QStringLiteral("lstFeats") + suffix);
    lstCol->setObjectName(QStringLiteral("lstCol") + suffix);
    txtNewChar->setObjectName(QStringLiteral("txtNewChar") + suffix);
    lblNewCharInstruc->setObjectName(QStringLiteral("lblNewCharInstruc") + suffix);
    scrInAlph->setObjectName(side == AlphabetSide::Reflex ? QStringLiteral("scrReflAlph")
                                                          : QStringLiteral("scrInAlph"));

    lstFeats->addItems(featureNameItems());
    shapeGridList(lstFeats, featsWidth);
    lstFeats->move(margin, margin + gridHeadHeight);

    lstCol->setRowCount(itemCount);
    lstCol->horizontalHeader()->hide();
    lstCol->verticalHeader()->hide();
    lstCol->verticalHeader()->setMinimumSectionSize(1);
    lstCol->horizontalHeader()->setMinimumSectionSize(1);
    lstCol->horizontalHeader()->setDefaultSectionSize(gridColumnWidth);
    lstCol->setRowHeight(0, gridHeadHeight);
    for (int row = 1; row < itemCount; ++row)
        lstCol->setRowHeight(row, gridRowHeight);
    lstCol->setFrameShape(QFrame::NoFrame);
    lstCol->setShowGrid(false);
    lstCol->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstCol->setSelectionMode(QAbstractItemView::SingleSelection);
    lstCol->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    lstCol->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstCol->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstCol->installEventFilter(this);
    lstCol->viewport()->installEventFilter(this);
    connect(lstCol, &QTableWidget::cellClicked, this, &AlphabetEditorView::lstCol_Click);
    lstCol->setItemDelegateForRow(0, new ColumnHeadDelegate(lstCol));
    connect(ipaPanel, &IpaColumnPanel::columnRequested, this, &AlphabetEditorView::insertIpaColumn);

    txtNewChar->setContextMenuPolicy(Qt::NoContextMenu);
    txtNewChar->setAcceptDrops(false);
    txtNewChar->setAlignment(Qt::AlignCenter);
    txtNewChar->installEventFilter(this);
    hideNewCharBox();

    connect(scrInAlph, &QScrollBar::valueChanged, this,
            [this](int value) { lstCol->horizontalScrollBar()->setValue(value); });
    setMinimumSize(480, margin + gridHeadHeight + lstFeats->height() + 40 + newCharBoxSpace +
                            ipaPanel->sizeHint().height());
}

AlphabetEditor& AlphabetEditorView::editor() {
    return ctx.session.alphabetEditor(side);
}

const Alphabet& AlphabetEditorView::columns() {
    return editor().columns();
}

void AlphabetEditorView::editAlphabet() {
    hideNewCharBox();
    newColumn.reset();
    editor().enter();
    refresh();
}

bool AlphabetEditorView::leaveAlphabet() {
    // A new column that never got its own character would leave a duplicate behind.
    if (newColumn)
        removeNewColumn();
    if (!editor().pending())
        return true;
    const Answer reply = ctx.dialogs.yesNoCancel(QStringLiteral("Keep the changes?"));
    const KeepAnswer answer = reply == Answer::Yes  ? KeepAnswer::Yes
                              : reply == Answer::No ? KeepAnswer::No
                                                    : KeepAnswer::Cancel;
    return editor().leave(answer);
}

void AlphabetEditorView::resetToDefaults() {
    if (newColumn)
        removeNewColumn();
    if (ctx.dialogs.yesNo(QString::fromLatin1(AlphabetEditor::defaultsQuestion())) != Answer::Yes)
        return;
    editor().resetToDefaults();
}

void AlphabetEditorView::refresh() {
    const Alphabet& alphabet = columns();
    const IpaAlphabet& ipa = ctx.session.ipaAlphabet(side);
    lstCol->clearContents();
    lstCol->setColumnCount(int(alphabet.size()));
    QFont headFont = font();
    headFont.setPointSize(headFont.pointSize() + 4);
    headFont.setBold(true);
    for (int column = 0; column < int(alphabet.size()); ++column) {
        const AlphabetColumn& entry = alphabet[std::size_t(column)];
        for (int row = 0; row < itemCount; ++row) {
            QString text;
            if (row == 0)
                text = entry.empty() ? QString() : fromModelText(std::string(1, entry.front()));
            else
                text = columnValue(entry, row - 1) ? QStringLiteral("+") : QStringLiteral("-");
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignCenter);
            if (row == 0) {
                item->setFont(headFont);
                const QString symbol =
                    QString::fromStdString(ipa.columnSymbol(std::size_t(column)));
                item->setData(Qt::UserRole, symbol);
                item->setToolTip(symbol);
            }
            lstCol->setItem(row, column, item);
        }
    }
    fitScrollRange();
}

void AlphabetEditorView::fitScrollRange() {
    const int shown = std::max(1, lstCol->width() / gridColumnWidth);
    scrInAlph->setRange(0, std::max(0, lstCol->columnCount() - shown));
    scrInAlph->setPageStep(shown);
    lstCol->horizontalScrollBar()->setValue(scrInAlph->value());
}

void AlphabetEditorView::resizeEvent(QResizeEvent* event) {
    const int left = lstFeats->x() + lstFeats->width();
    lstCol->setGeometry(left, margin, std::max(gridColumnWidth, width() - left - margin),
                        gridHeadHeight + lstFeats->height());
    scrInAlph->setGeometry(left, lstCol->y() + lstCol->height() + 6, lstCol->width(), 18);
    ipaPanel->setGeometry(margin, scrInAlph->y() + scrInAlph->height() + newCharBoxSpace,
                          width() - 2 * margin, ipaPanel->sizeHint().height());
    fitScrollRange();
    QWidget::resizeEvent(event);
}

void AlphabetEditorView::selectColumn(int column) {
    lstCol->setCurrentCell(0, column);
    const int first = scrInAlph->value();
    if (column < first || column >= first + scrInAlph->pageStep())
        scrInAlph->setValue(std::max(0, column - scrInAlph->pageStep() / 2));
}

void AlphabetEditorView::lstCol_Click(int row, int column) {
    if (newColumn || row < 1 || column >= int(columns().size()))
        return;
    editor().toggleValue(std::size_t(column), row);
    lstCol->setCurrentCell(row, column);
    lstFeats->setCurrentRow(row - 1);
}

bool AlphabetEditorView::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == txtNewChar && type == QEvent::KeyPress) {
        txtNewChar_KeyPress(static_cast<QKeyEvent*>(event));
        return true;
    }
    if (watched == lstCol && (type == QEvent::KeyPress || type == QEvent::KeyRelease)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (newColumn) {
            txtNewChar->setFocus();
            return true;
        }
        if (type == QEvent::KeyRelease)
            lstCol_KeyUp(key);
        return lstCol_KeyPress(key);
    }
    // While the new column waits for its character, the grid takes no clicks.
    if (watched == lstCol->viewport() && newColumn &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick)) {
        txtNewChar->setFocus();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The grid's own key handling (moving the current cell, searching by letter) would fight the
// editing keys, which act when the key is released.
bool AlphabetEditorView::lstCol_KeyPress(QKeyEvent* event) {
    return isEditingKey(event->key());
}

void AlphabetEditorView::lstCol_KeyUp(QKeyEvent* event) {
    const int column = lstCol->currentColumn();
    const bool onColumn = column >= 0 && column < int(columns().size());
    // Any key released on a column counts as a pending change, even one that then does
    // nothing, so leaving the screen asks.
    if (onColumn)
        editor().keyReleased();
    if (event->key() == Qt::Key_Escape) {
        lstCol->clearSelection();
        lstFeats->clearSelection();
        return;
    }
    // Held down, only the arrows repeat: a held Insert or Delete acts once.
    const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    if ((event->isAutoRepeat() && !arrow) || !onColumn)
        return;
    const auto index = std::size_t(column);
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (const auto moved = editor().moveColumn(index, event->key() == Qt::Key_Left ? -1 : 1))
            selectColumn(int(*moved));
        return;
    case Qt::Key_Insert:
        insertColumn(column);
        return;
    case Qt::Key_Delete:
        if (const Result<> deleted = editor().deleteColumn(index); !deleted)
            return ctx.dialogs.ok(fromModelText(deleted.message()));
        selectColumn(std::min(column, lstCol->columnCount() - 1));
        return;
    default:
        renameFromKey(event, column);
    }
}

void AlphabetEditorView::renameFromKey(QKeyEvent* event, int column) {
    const std::optional<char> character = characterOfKey(event);
    if (!character)
        return;
    if (const Result<> renamed = editor().renameColumn(std::size_t(column), *character); !renamed)
        return ctx.dialogs.ok(fromModelText(renamed.message()));
    selectColumn(column);
}

void AlphabetEditorView::insertColumn(int column) {
    const Result<std::size_t> inserted = editor().insertColumn(std::size_t(column));
    if (!inserted)
        return ctx.dialogs.ok(fromModelText(inserted.message()));
    newColumn = int(*inserted);
    selectColumn(*newColumn);
    showNewCharBox(*newColumn);
}

void AlphabetEditorView::insertIpaColumn(const QString& symbol) {
    if (newColumn)
        removeNewColumn();
    const std::string text = composeNfc(symbol.toStdString());
    const IpaSpelling& spelling = ctx.session.ipaSpelling();
    const std::optional<std::string> values = valuesForIpa(spelling, text);
    if (!values)
        return ctx.dialogs.ok(QString::fromStdString(ipaNoValuesMessage(text)));
    const int current = lstCol->currentColumn();
    const int after = current >= 0 ? current : int(columns().size()) - 1;
    const Result<std::size_t> inserted =
        editor().insertColumnWithValues(std::size_t(after), *values);
    if (!inserted)
        return ctx.dialogs.ok(fromModelText(inserted.message()));
    newColumn = int(*inserted);
    selectColumn(*newColumn);
    showNewCharBox(*newColumn);
    if (const auto proposed = proposeCharacter(columns(), text, spelling)) {
        txtNewChar->setText(fromModelText(std::string(1, *proposed)));
        txtNewChar->selectAll();
    }
}

void AlphabetEditorView::showNewCharBox(int column) {
    const QRect cell = lstCol->visualRect(lstCol->model()->index(0, column));
    const int columnLeft = lstCol->x() + cell.left();
    const int top = scrInAlph->y() + scrInAlph->height() + 8;
    const bool roomAtRight =
        columnLeft + cell.width() + boxWidth + instructionWidth + margin <= width();
    if (roomAtRight) {
        // The box sits at the right of the column, its instruction pointing back at it.
        txtNewChar->setGeometry(columnLeft + cell.width(), top, boxWidth, 28);
        lblNewCharInstruc->setGeometry(txtNewChar->x() + boxWidth + 6, top, instructionWidth, 40);
        lblNewCharInstruc->setText(
            QStringLiteral("<< Type a character here\n<< to head the new column."));
    } else {
        txtNewChar->setGeometry(columnLeft - boxWidth, top, boxWidth, 28);
        lblNewCharInstruc->setGeometry(txtNewChar->x() - instructionWidth - 6, top,
                                       instructionWidth, 40);
        lblNewCharInstruc->setText(
            QStringLiteral("Type a character here     >>\nto head the new column. >>"));
    }
    lblNewCharInstruc->setAlignment(roomAtRight ? Qt::AlignLeft : Qt::AlignRight);
    txtNewChar->show();
    lblNewCharInstruc->show();
    txtNewChar->setFocus();
}

void AlphabetEditorView::hideNewCharBox() {
    txtNewChar->clear();
    txtNewChar->hide();
    lblNewCharInstruc->hide();
}

void AlphabetEditorView::txtNewChar_KeyPress(QKeyEvent* event) {
    if (!newColumn)
        return;
    if (event->key() == Qt::Key_Escape)
        return removeNewColumn();
    // Enter takes the character the box proposes.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString text = enter ? txtNewChar->text() : event->text();
    if (const auto character = firstUnstorable(text))
        return ctx.dialogs.ok(unstorableMessage(*character));
    if (text.size() != 1)
        return;
    const std::optional<unsigned char> code = unicodeToCp1252(text.front().unicode());
    if (!code)
        return;
    const Result<bool> named = editor().nameNewColumn(std::size_t(*newColumn), *code);
    if (!named)
        return ctx.dialogs.ok(fromModelText(named.message()));
    if (!*named)
        return;
    const int column = *newColumn;
    newColumn.reset();
    hideNewCharBox();
    refresh();
    selectColumn(column);
    lstCol->setFocus();
}

void AlphabetEditorView::removeNewColumn() {
    const int column = *newColumn;
    newColumn.reset();
    hideNewCharBox();
    editor().dropNewColumn(std::size_t(column));
    refresh();
    selectColumn(column - 1);
    lstCol->setFocus();
}

} // namespace tarnel
