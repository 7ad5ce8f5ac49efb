// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

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
    // A question answered by buttons that say what they do, with a list under it that the
    // user can read through, copy and save (none when `details` is empty); the index of the
    // button chosen, the last (Cancel) when the box is closed.
    virtual int choose(const QString& text, const QString& details, const QStringList& buttons) = 0;
    // A file to write or to read, chosen by the user; empty when the choice was cancelled.
    // `filter` is a file dialog's filter ("CSV files (*.csv)"); a file to write is offered
    // the name `suggested`.
    virtual QString saveFileName(const QString& caption, const QString& filter,
                                 const QString& suggested) = 0;
    virtual QString openFileName(const QString& caption, const QString& filter) = 0;
};

// The program's message boxes (QMessageBox, modal, titled "Tarnel").
class MessageBoxDialogs : public Dialogs {
public:
    void ok(const QString& text) override;
    Answer okCancel(const QString& text) override;
    Answer yesNo(const QString& text) override;
    Answer yesNoCancel(const QString& text) override;
    int choose(const QString& text, const QString& details, const QStringList& buttons) override;
    QString saveFileName(const QString& caption, const QString& filter,
                         const QString& suggested) override;
    QString openFileName(const QString& caption, const QString& filter) override;

private:
    void saveList(const QString& details);
};

} // namespace tarnel
