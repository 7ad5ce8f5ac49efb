// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace tarnel {

// Holds the user's input back while a long run (a batch, the rule impact) repaints the
// screen: no click or key may start anything else meanwhile. Only Esc and a click on the
// run's stop button get through, and both ask to stop. Windows stay open until it is over.
class RunGuard : public QObject {
public:
    RunGuard(QWidget& stopButton, std::function<void()> stop);
    ~RunGuard() override;
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& stopButton;
    std::function<void()> stop;
};

} // namespace tarnel
