// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/insight/Report.h"

#include <QScrollArea>

class QVBoxLayout;

namespace tarnel {

// The rules suggested for the Bad items that lack a change: each group with its change and
// its items, then each of its rules with its text, its place in the Diachronic Order, the
// items it fixes and breaks, and an "Add this rule" button.
class SuggestionsView : public QScrollArea {
    Q_OBJECT
public:
    explicit SuggestionsView(QWidget* parent = nullptr);

    void fill(const insight::BatchReport& report);

signals:
    // "Add this rule" on rule `index` of group `group`.
    void addRequested(int group, int index);

private:
    QVBoxLayout* list = nullptr;
};

} // namespace tarnel
