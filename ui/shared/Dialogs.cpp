// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shared/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace tarnel {

namespace {

// Asks with the given buttons over the active screen; a closed box counts as the last
// (safest) button.
QMessageBox::StandardButton ask(const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton escape) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tarnel"), shown, buttons,
                    QApplication::activeWindow());
    box.setEscapeButton(escape);
    const int result = box.exec();
    return static_cast<QMessageBox::StandardButton>(result);
}

} // namespace

void MessageBoxDialogs::ok(const QString& text) {
    ask(text, QMessageBox::Ok, QMessageBox::Ok);
}

Answer MessageBoxDialogs::okCancel(const QString& text) {
    return ask(text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) == QMessageBox::Ok
               ? Answer::Ok
               : Answer::Cancel;
}

Answer MessageBoxDialogs::yesNo(const QString& text) {
    return ask(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
}

Answer MessageBoxDialogs::yesNoCancel(const QString& text) {
    switch (
        ask(text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString MessageBoxDialogs::saveFileName(const QString& caption, const QString& filter) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, QString(), filter);
}

QString MessageBoxDialogs::openFileName(const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, QString(), filter);
}

} // namespace tarnel
