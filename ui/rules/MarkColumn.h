// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <functional>

namespace tarnel {

// A narrow list beside the Diachronic Order (the M and P columns) that reports every mouse
// release and every key release (auto-repeat left out) after the list has handled it.
class MarkColumn : public QListWidget {
public:
    std::function<void()> onMouseRelease;
    std::function<void()> onKeyRelease;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QListWidget::mouseReleaseEvent(event);
        if (onMouseRelease)
            onMouseRelease();
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        QListWidget::keyReleaseEvent(event);
        if (onKeyRelease && !event->isAutoRepeat())
            onKeyRelease();
    }
};

} // namespace tarnel
