// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shared/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

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

int MessageBoxDialogs::choose(const QString& text, const QString& details,
                              const QStringList& buttons) {
    QDialog box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Tarnel"));
    auto* layout = new QVBoxLayout(&box);
    auto* label = new QLabel(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
    auto* row = new QHBoxLayout;
    if (!details.isEmpty()) {
        auto* list = new QPlainTextEdit(
            QString(details).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        list->setReadOnly(true);
        list->setLineWrapMode(QPlainTextEdit::NoWrap);
        layout->addWidget(list, 1);
        auto* copy = new QPushButton(QStringLiteral("Copy List"));
        QObject::connect(copy, &QPushButton::clicked,
                         [details] { QGuiApplication::clipboard()->setText(details); });
        auto* save = new QPushButton(QStringLiteral("Save List..."));
        QObject::connect(save, &QPushButton::clicked, [this, details] { saveList(details); });
        row->addWidget(copy);
        row->addWidget(save);
    }
    row->addStretch(1);
    int chosen = static_cast<int>(buttons.size()) - 1;
    for (int i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(buttons[i]);
        QObject::connect(button, &QPushButton::clicked, &box, [&box, &chosen, i] {
            chosen = i;
            box.accept();
        });
        row->addWidget(button);
    }
    layout->addLayout(row);
    box.exec();
    return chosen;
}

// The list of a choice kept in a text file, UTF-8, for the user to work through later.
void MessageBoxDialogs::saveList(const QString& details) {
    const QString path =
        saveFileName(QStringLiteral("Save the List"), QStringLiteral("Text files (*.txt)"),
                     QStringLiteral("list.txt"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray bytes = details.toUtf8() + "\r\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        ok(QStringLiteral("The list could not be saved to \"%1\": %2.")
               .arg(path, file.errorString()));
}

QString MessageBoxDialogs::saveFileName(const QString& caption, const QString& filter,
                                        const QString& suggested) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggested, filter);
}

QString MessageBoxDialogs::openFileName(const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, QString(), filter);
}

} // namespace tarnel
