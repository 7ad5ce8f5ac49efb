// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alphabets/IpaColumnPanel.h"

#include "session/ipa/IpaColumns.h"
#include "ui/shared/Shared.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnel {

namespace {

constexpr int paletteColumns = 26;
constexpr QChar dottedCircle(0x25CC);

} // namespace

IpaColumnPanel::IpaColumnPanel(const IpaPalette& palette, QWidget* parent)
    : QWidget(parent), txtIpaSymbol(new QLineEdit), btnIpaColumn(new QPushButton) {
    txtIpaSymbol->setObjectName(QStringLiteral("txtIpaSymbol"));
    txtIpaSymbol->setFont(ipaFont(14));
    txtIpaSymbol->setMaximumWidth(90);
    btnIpaColumn->setObjectName(QStringLiteral("btnIpaColumn"));
    btnIpaColumn->setText(QStringLiteral("New Column from IPA"));
    btnIpaColumn->setToolTip(QStringLiteral(
        "A new column, right of the selected one, with the feature values that show as the "
        "symbol; then type its character"));
    const auto request = [this] {
        if (!txtIpaSymbol->text().isEmpty())
            emit columnRequested(txtIpaSymbol->text());
    };
    connect(btnIpaColumn, &QPushButton::clicked, this, request);
    connect(txtIpaSymbol, &QLineEdit::returnPressed, this, request);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("IPA symbol:")));
    row->addWidget(txtIpaSymbol);
    row->addWidget(btnIpaColumn);
    row->addStretch(1);
    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    int cell = 0;
    const auto addButton = [&](const std::string& text, bool mark) {
        const QString symbol = QString::fromStdString(text);
        auto* button = new QToolButton;
        button->setFont(ipaFont(12));
        button->setText(mark && symbol.front().category() == QChar::Mark_NonSpacing
                            ? dottedCircle + symbol
                            : symbol);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, symbol, mark] { pick(symbol, mark); });
        grid->addWidget(button, cell / paletteColumns, cell % paletteColumns);
        ++cell;
    };
    for (const std::string& symbol : palette.symbols)
        addButton(symbol, false);
    cell = (cell + paletteColumns - 1) / paletteColumns * paletteColumns; // marks on a new row
    for (const std::string& mark : palette.marks)
        addButton(mark, true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addLayout(grid);
}

// A symbol replaces what the box holds; a mark is added to it, a stress mark before it.
void IpaColumnPanel::pick(const QString& symbol, bool mark) {
    const QString text = txtIpaSymbol->text();
    if (!mark)
        txtIpaSymbol->setText(symbol);
    else if (symbol == QStringLiteral("\u02C8"))
        txtIpaSymbol->setText(text.startsWith(symbol) ? text : symbol + text);
    else
        txtIpaSymbol->setText((text + symbol).normalized(QString::NormalizationForm_C));
    txtIpaSymbol->setFocus();
}

void ColumnHeadDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const QString symbol = index.data(Qt::UserRole).toString();
    if (symbol.isEmpty())
        return QStyledItemDelegate::paint(painter, option, index);
    QStyleOptionViewItem upper = option;
    upper.rect.setHeight(option.rect.height() * 3 / 5);
    QStyledItemDelegate::paint(painter, upper, index);
    const QRect lower(option.rect.left(), upper.rect.bottom(), option.rect.width(),
                      option.rect.height() - upper.rect.height());
    painter->save();
    painter->setFont(ipaFont(10));
    painter->drawText(lower, Qt::AlignCenter, symbol);
    painter->restore();
}

} // namespace tarnel
