// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shared/Program.h"

#include "frontend/ModelText.h"
#include "ui/alphabets/frmInAlph.h"
#include "ui/alphabets/frmOutAlph.h"
#include "ui/alphabets/frmReflAlph.h"
#include "ui/derivation/frmDerive.h"
#include "ui/home/Form1.h"
#include "ui/rules/frmEd1Rule.h"
#include "ui/rules/frmOrder.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/Shared.h"

#include <QFile>
#include <QMenu>

namespace tarnel {

namespace {

// The screen shown next sits where the user left the last one, as large, maximised or not.
void takeOverPlace(Screen& target, const Screen& from) {
    constexpr Qt::WindowStates kept = Qt::WindowMaximized | Qt::WindowFullScreen;
    target.setGeometry(from.normalGeometry());
    target.setWindowState((target.windowState() & ~kept) | (from.windowState() & kept));
}

bool anyOrderEntries(const Model& m) {
    return !m.lstEtyOrd.empty() || !m.lstDiacOrd.empty() || !m.lstReflOrd.empty();
}

} // namespace

QList<Screen*> Screens::all() const {
    return {form1, derive, order, ed1Rule, inAlph, reflAlph, outAlph};
}

Program::Program(Dialogs& dialogs, const QString& modelDirectory, std::function<void()> quit)
    : session(localPath(modelDirectory)), ctx{session, dialogs, *this},
      endProgram(std::move(quit)) {
    session.setTextNormaliser(composeNfc);
    Screens& s = screens_;
    s.form1 = new Form1(ctx);
    s.outAlph = new frmOutAlph(ctx);
    s.derive = new frmDerive(ctx);
    s.order = new frmOrder(ctx);
    s.ed1Rule = new frmEd1Rule(ctx);
    s.inAlph = new frmInAlph(ctx);
    s.reflAlph = new frmReflAlph(ctx);
    session.addListener([this](Session::Change change) { sessionChanged(change); });
    updateMenus();
}

Program::~Program() {
    const QList<Screen*> all = screens_.all();
    screens_ = {};
    qDeleteAll(all);
}

void Program::start(const QString& modelFile) {
    screens_.form1->show();
    screens_.form1->startUp();
    if (!modelFile.isEmpty())
        screens_.form1->openModelFile(modelFile);
}

// Every screen hears of a new model; the showing one of an edit (the others refresh when
// they are shown). The Run menus come on once an order has an entry, the Edit menus once
// there is a model, and the Undo and Redo entries name what they would do.
void Program::sessionChanged(Session::Change change) {
    if (screens_.form1 == nullptr)
        return;
    if (change == Session::Change::Replaced) {
        for (Screen* screen : screens_.all())
            screen->modelReplaced();
    } else if (change == Session::Change::Saved) {
        screens_.form1->modelSaved();
    } else if (Screen* showing = showingScreen()) {
        showing->modelEdited();
    }
    updateMenus();
}

void Program::updateMenus() {
    const bool run = anyOrderEntries(session.model());
    for (Screen* screen : screens_.all()) {
        if (run)
            screen->enableRunMenu();
        screen->enableEditMenu(session.hasModel());
        screen->refreshUndoActions();
        screen->setWindowModified(session.unsavedChanges());
    }
}

Screen* Program::showingScreen() const {
    for (Screen* screen : screens_.all())
        if (screen != nullptr && screen->isVisible())
            return screen;
    return nullptr;
}

bool Program::showScreen(Screen& target) {
    Screen* from = showingScreen();
    if (from != nullptr && !from->leaveScreen())
        return false;
    for (Screen* screen : screens_.all())
        screen->hide();
    if (from != nullptr && from != &target)
        takeOverPlace(target, *from);
    target.show();
    target.enterScreen();
    target.refreshUndoActions();
    return true;
}

void Program::goHome() {
    showScreen(*screens_.form1);
}

void Program::editVocabulary() {
    if (showScreen(*screens_.form1))
        screens_.form1->showVocabulary();
}

void Program::runInteractive() {
    if (showScreen(*screens_.derive))
        screens_.derive->enterInteractiveMode();
}

void Program::runBatch() {
    if (const std::optional<std::string> question = session.largeRunQuestion();
        question && ctx.dialogs.okCancel(fromModelText(*question)) != Answer::Ok)
        return;
    if (showScreen(*screens_.derive))
        screens_.derive->enterBatchMode();
}

void Program::runReflex() {
    if (showScreen(*screens_.derive))
        screens_.derive->enterReflexMode();
}

void Program::editRules() {
    if (showScreen(*screens_.order))
        screens_.order->openRuleOrder();
}

void Program::editRule(const QString& title) {
    screens_.ed1Rule->setCaption(title);
    showScreen(*screens_.ed1Rule);
}

void Program::editEtymonAlphabet() {
    showScreen(*screens_.inAlph);
}

void Program::editReflexAlphabet() {
    showScreen(*screens_.reflAlph);
}

void Program::viewOutputAlphabet() {
    showScreen(*screens_.outAlph);
}

void Program::deriveEtymon(const QString& etymon) {
    if (showScreen(*screens_.derive))
        screens_.derive->copyEtymon(etymon);
}

// A screen with pending changes of its own (an alphabet editor) settles them first; if the
// program then goes on after all, the screen takes up its work again.
bool Program::quit() {
    Screen* showing = showingScreen();
    if (showing != nullptr && !showing->leaveScreen())
        return false;
    if (!askToQuit()) {
        if (showing != nullptr)
            showing->resumeScreen();
        return false;
    }
    quitting = true;
    endProgram();
    return true;
}

// "Do you want to quit the program?", then the offer to save; true when the program may end.
bool Program::askToQuit() {
    if (ctx.dialogs.yesNo(QStringLiteral("Do you want to quit the program?")) != Answer::Yes)
        return false;
    if (!session.unsavedChanges())
        return true;
    const QStringList lines = {fromModelText(session.saveQuestion()),
                               QStringLiteral("  • 'Yes' to save and quit"),
                               QStringLiteral("  • 'No' to quit without saving"),
                               QStringLiteral("  • 'Cancel' to continue editing")};
    const Answer answer = ctx.dialogs.yesNoCancel(lines.join(QStringLiteral("\r\n")));
    return answer == Answer::No || (answer == Answer::Yes && saveModel(ctx));
}

} // namespace tarnel
