// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/shared/HelpTopic.h"

#include <QMainWindow>

class QAction;
class QFrame;
class QMenu;
class QPlainTextEdit;

namespace tarnel {

struct Context;

// What the seven screens have in common: a top-level window created once and then hidden
// and shown, the shared context, the help box (txtHelpFrame with txtHelp on top), the shared
// menu scheme, and Undo and Redo.
class Screen : public QMainWindow {
    Q_OBJECT
public:
    explicit Screen(Context& context);

    // Asked of the showing screen before navigation leaves it; false keeps the user on it.
    virtual bool leaveScreen() { return true; }
    // After navigation has shown this screen.
    virtual void enterScreen() {}
    // The user was let go (leaveScreen) but stays after all: the quit was called off.
    virtual void resumeScreen() {}
    // On every screen after the model was replaced (opened or new).
    virtual void modelReplaced() {}
    // On the showing screen after the model was edited, undone or redone.
    virtual void modelEdited() {}

    // What Undo and Redo act on while this screen shows: the model's history, unless the
    // screen edits something of its own first (the alphabet editors, the rule editor).
    virtual bool canUndo() const;
    virtual bool canRedo() const;
    virtual QString undoCaption() const;
    virtual QString redoCaption() const;
    virtual void undo();
    virtual void redo();

    // The Run and Edit menus, or nullptr on a screen without one.
    QMenu* runMenu() const { return mnuRun; }
    QMenu* editMenu() const { return mnuEdit; }
    void enableRunMenu();
    void enableEditMenu(bool enabled);
    // The Undo and Redo entries name what they would do.
    void refreshUndoActions();

    // The window's title, which marks unsaved changes of the model as desktop programs do
    // (the marker shown while the window is modified), and the title without the marker.
    void setCaption(const QString& caption);
    QString caption() const;

    void showHelp(const QString& text);
    void hideHelp();
    bool helpShowing() const;
    QString helpText() const { return shownHelpText; }

protected:
    Context& ctx;

    // The shared menu scheme: Run, Edit, Help (with `topics`), Home, Exit.
    void addStandardMenus(const HelpTopics& topics);
    void addRunMenu();
    void addEditMenu();
    void addHelpMenu(const HelpTopics& topics);
    void addHomeMenu();
    void addExitMenu();
    // Undo (Ctrl+Z) and Redo (Ctrl+Shift+Z, Ctrl+Y) on a screen without an Edit menu.
    void addUndoShortcuts();

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QMenu* mnuRun = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QFrame* txtHelpFrame = nullptr;
    QPlainTextEdit* txtHelp = nullptr;
    QString shownHelpText;
    QObject* helpCloser = nullptr; // watches the application's clicks while help shows

    void createUndoActions();
    void placeHelp();
    friend class HelpCloser;
};

} // namespace tarnel
