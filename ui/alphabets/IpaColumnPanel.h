// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace tarnel {

struct IpaPalette;

// Below an alphabet grid: an IPA symbol, typed or picked from a palette of the Output
// Alphabet's symbols and marks, asked for as a new column.
class IpaColumnPanel : public QWidget {
    Q_OBJECT
public:
    IpaColumnPanel(const IpaPalette& palette, QWidget* parent = nullptr);

    QLineEdit* txtIpaSymbol;
    QPushButton* btnIpaColumn;

signals:
    void columnRequested(const QString& symbol);

private:
    void pick(const QString& symbol, bool mark);
};

// Draws the head cell of a column: its character, and under it the IPA symbol its values
// show as (the item's Qt::UserRole).
class ColumnHeadDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace tarnel
