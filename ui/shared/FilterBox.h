// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace tarnel {

// Whether `row` holds `filter`: a substring, compared case-folded and in one Unicode normal
// form, so IPA typed with combining marks finds the same symbols written precomposed.
bool holdsFilter(const QString& row, const QString& filter);

// A line edit above a list that shows only the rows holding its text, with the count of the
// rows it shows. It shows and hides with its list.
class FilterBox : public QWidget {
    Q_OBJECT
public:
    // Filters the rows of `list`; `companions`, lists kept level with it row for row, hide
    // the same rows.
    FilterBox(const char* name, QListWidget* list, QList<QListWidget*> companions = {});
    // Filters the lines of `text`; `extra(line)` is more text the line is found by (its IPA).
    FilterBox(const char* name, QPlainTextEdit* text, std::function<QString(int)> extra = {});

    // Hides again the rows that do not hold the filter; called after the rows were refilled.
    void apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_ = nullptr;
    QLabel* count_ = nullptr;
    std::function<int()> rows_;
    std::function<QString(int)> text_;
    std::function<void(int, bool)> hide_;
    std::function<void()> refresh_;
    bool hiding_ = false; // some row was hidden when the filter was last applied

    explicit FilterBox(const char* name, QWidget* list);
};

} // namespace tarnel
