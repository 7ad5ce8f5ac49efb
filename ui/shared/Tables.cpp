// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shared/Tables.h"

#include "ui/shared/Shared.h"

#include <QHeaderView>
#include <QTableWidget>

namespace tarnel {

namespace {

constexpr int sortRole = Qt::UserRole + 1;

} // namespace

QTableWidget* makeTable(const char* name, const QStringList& columns) {
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()));
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

NumberItem::NumberItem(double value) : QTableWidgetItem(QString::number(value, 'f', 3)) {
    setData(sortRole, value);
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

bool NumberItem::operator<(const QTableWidgetItem& other) const {
    return data(sortRole).toDouble() < other.data(sortRole).toDouble();
}

PlacedItem::PlacedItem(const QString& text, int place) : QTableWidgetItem(text) {
    setData(sortRole, place);
}

bool PlacedItem::operator<(const QTableWidgetItem& other) const {
    return data(sortRole).toInt() < other.data(sortRole).toInt();
}

void sortInListOrder(QTableWidget* table) {
    table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    table->setSortingEnabled(true);
}

QTableWidgetItem* cell(const QVariant& value) {
    auto* item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, value);
    return item;
}

QTableWidgetItem* ipaCell(const std::string& utf8) {
    QTableWidgetItem* item = cell(QString::fromStdString(utf8));
    item->setFont(ipaFont(14));
    return item;
}

} // namespace tarnel
