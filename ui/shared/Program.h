// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/Session.h"
#include "ui/shared/Context.h"
#include "ui/shared/Navigator.h"
#include "ui/shared/UndoKeys.h"

#include <QList>
#include <functional>

namespace tarnel {

class Screen;
class Form1;
class frmDerive;
class frmOrder;
class frmEd1Rule;
class frmInAlph;
class frmReflAlph;
class frmOutAlph;

// The seven screens, created once at start-up and alive for the whole run.
struct Screens {
    Form1* form1 = nullptr;
    frmDerive* derive = nullptr;
    frmOrder* order = nullptr;
    frmEd1Rule* ed1Rule = nullptr;
    frmInAlph* inAlph = nullptr;
    frmReflAlph* reflAlph = nullptr;
    frmOutAlph* outAlph = nullptr;

    QList<Screen*> all() const;
};

// The whole desktop program: the session, the seven screens and the navigation between them.
// The program's main() and the tests both make one of these.
class Program : public Navigator {
public:
    Program(Dialogs& dialogs, const QString& modelDirectory, std::function<void()> quit);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the home screen with the About text and the model menu; given `modelFile`, opens
    // that model file, wherever it is.
    void start(const QString& modelFile = {});

    Context& context() { return ctx; }
    Screens& screens() { return screens_; }

    void goHome() override;
    void editVocabulary() override;
    void runInteractive() override;
    void runBatch() override;
    void runReflex() override;
    void editRules() override;
    void editRule(const QString& title) override;
    void editEtymonAlphabet() override;
    void editReflexAlphabet() override;
    void viewOutputAlphabet() override;
    void deriveEtymon(const QString& etymon) override;
    bool quit() override;
    bool ending() const override { return quitting; }

    // The screen that is showing, or nullptr.
    Screen* showingScreen() const;
    // Leaves the showing screen, hides every screen and shows `target` where the other one
    // was (same place and size, maximised or not); false if the showing screen refused.
    bool showScreen(Screen& target);

private:
    void sessionChanged(Session::Change change);
    void updateMenus();
    bool askToQuit();

    Session session;
    Context ctx;
    UndoKeys undoKeys;
    Screens screens_;
    std::function<void()> endProgram;
    bool quitting = false;
};

} // namespace tarnel
