// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace tarnel {

// The button a user answered a message box with.
enum class Answer { Ok, Cancel, Yes, No };

// Every message box of every screen goes through this interface, so that tests can script
// the answers and read back the texts. Lines of a text are joined by CR LF.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void ok(const QString& text) = 0;
    virtual Answer okCancel(const QString& text) = 0;
    virtual Answer yesNo(const QString& text) = 0;
    virtual Answer yesNoCancel(const QString& text) = 0;
    // A file to write or to read, chosen by the user; empty when the choice was cancelled.
    // `filter` is a file dialog's filter ("CSV files (*.csv)").
    virtual QString saveFileName(const QString& caption, const QString& filter) = 0;
    virtual QString openFileName(const QString& caption, const QString& filter) = 0;
};

// The program's message boxes (QMessageBox, modal, titled "Tarnel").
class MessageBoxDialogs : public Dialogs {
public:
    void ok(const QString& text) override;
    Answer okCancel(const QString& text) override;
    Answer yesNo(const QString& text) override;
    Answer yesNoCancel(const QString& text) override;
    QString saveFileName(const QString& caption, const QString& filter) override;
    QString openFileName(const QString& caption, const QString& filter) override;
};

} // namespace tarnel
