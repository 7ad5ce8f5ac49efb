// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

class QLabel;
class QListWidget;
class QScrollBar;

namespace tarnel {

// The read-only grid of the Output Alphabet: the feature names at the left, then one column
// per row of the table, its symbol above its 21 value signs, with the description of the
// symbol under the pointer below the grid.
class OutputAlphabetView : public QWidget {
    Q_OBJECT

public:
    explicit OutputAlphabetView(QWidget* parent = nullptr);

    QListWidget* lstFeats;
    std::vector<QLabel*> lblIPA;
    std::vector<QListWidget*> lstValues;
    QLabel* lblDescribe;
    QScrollBar* scrOutAlph;

signals:
    // A double-click on a values list, which asks for the size of the screen.
    void valuesDoubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildColumn(int row);
    void scrOutAlph_Change(int value);
    void fitScrollRange();

    QWidget* viewport;
    QWidget* strip;
};

} // namespace tarnel
