// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shared/RunGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tarnel {

RunGuard::RunGuard(QWidget& stopButton, std::function<void()> stop)
    : stopButton(stopButton), stop(std::move(stop)) {
    qApp->installEventFilter(this);
}

RunGuard::~RunGuard() {
    qApp->removeEventFilter(this);
}

bool RunGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            stop();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // A click comes to the window first, which hands it to the widget under the pointer;
        // it is held back there, unless that widget is the stop button.
        return !watched->isWindowType() && watched != &stopButton;
    case QEvent::Close:
        event->ignore(); // the window stays until the run is over
        return true;
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

} // namespace tarnel
