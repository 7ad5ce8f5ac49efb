// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTableWidgetItem>
#include <string>

class QTableWidget;

namespace tarnel {

// A read-only table of whole rows with the given column captions, sortable by its headers.
QTableWidget* makeTable(const char* name, const QStringList& columns);

// A cell that shows a number to three places and sorts by its value.
class NumberItem : public QTableWidgetItem {
public:
    explicit NumberItem(double value);
    bool operator<(const QTableWidgetItem& other) const override;
};

// A cell that shows text and sorts by the place of its row in the list it came from (the
// Vocabulary, the orders), so that the table opens in that order.
class PlacedItem : public QTableWidgetItem {
public:
    PlacedItem(const QString& text, int place);
    bool operator<(const QTableWidgetItem& other) const override;
};

// Sorting on again, by the first column, smallest first.
void sortInListOrder(QTableWidget* table);

// A cell that sorts as it shows: text as text, whole numbers as numbers.
QTableWidgetItem* cell(const QVariant& value);
// A cell of IPA text (UTF-8) in the IPA font.
QTableWidgetItem* ipaCell(const std::string& utf8);

} // namespace tarnel
