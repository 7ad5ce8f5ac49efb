// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnel {

// One entry of a screen's Help menu. A topic whose caption is "-" is a separator.
struct HelpTopic {
    QString caption;     // the menu entry
    QString title;       // first line of the help window, e.g. "Help with Help:"
    QStringList bullets; // each begins with four blanks and "•"
};

using HelpTopics = QList<HelpTopic>;

inline HelpTopic helpSeparator() {
    return {QStringLiteral("-"), {}, {}};
}

// The topic every screen offers first.
HelpTopic helpWithHelp();

} // namespace tarnel
