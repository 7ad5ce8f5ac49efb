#pragma once

#include "HelpTopic.h"

#include <QMainWindow>

class QFrame;
class QMenu;
class QPlainTextEdit;

namespace tarnel {

struct Context;

// What the seven screens have in common: a top-level window created once and then hidden
// and shown, the shared context, the help box (txtHelpFrame with txtHelp on top) and the
// Run menu that is enabled on every screen together. The hooks navigation calls are
// listed in Shared.h.
class Screen : public QMainWindow {
    Q_OBJECT
public:
    explicit Screen(Context& context);

    // Called on the screen that is showing before navigation leaves it; false keeps the
    // user on it.
    virtual bool leaveScreen() { return true; }
    // Called after navigation has shown this screen.
    virtual void enterScreen() {}
    // Called when the user was let go (leaveScreen) but stays after all: the quit was
    // called off.
    virtual void resumeScreen() {}
    // Called on every screen after the model in memory was replaced (loaded or new).
    virtual void modelReplaced() {}

    // The Run and Edit menus, or nullptr on a screen without one.
    QMenu* runMenu() const { return mnuRun; }
    QMenu* editMenu() const { return mnuEdit; }

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

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QMenu* mnuRun = nullptr;
    QMenu* mnuEdit = nullptr;
    QFrame* txtHelpFrame = nullptr;
    QPlainTextEdit* txtHelp = nullptr;
    QString shownHelpText;
    QObject* helpCloser = nullptr; // watches the application's clicks while help shows

    void placeHelp();
    friend class HelpCloser;
};

} // namespace tarnel
