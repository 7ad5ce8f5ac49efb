// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

class QLabel;

namespace tarnel {

// "Where could it go?" for one Diachronic entry: a bar per place of the order, as high as the
// net change in Good items were the entry moved there, its own place marked and the best
// place named. A double click on a bar asks for the move.
class PlaceChart : public QDialog {
    Q_OBJECT
public:
    // `names`: the Diachronic Order as it stands; `current`: the entry's place in it.
    PlaceChart(const QString& rule, std::vector<int> gains, int current, QStringList names,
               QWidget* parent);

    // What a bar says: "Place 12, after Lenition: +3".
    QString placeText(int place) const;
    int bestPlace() const { return best; }

signals:
    void placeChosen(int place);

private:
    class Bars;
    std::vector<int> gains;
    int current;
    QStringList names;
    int best;
};

} // namespace tarnel
