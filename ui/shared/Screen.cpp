// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shared/Screen.h"

#include "frontend/ModelText.h"
#include "session/Session.h"
#include "ui/shared/Context.h"
#include "ui/shared/Navigator.h"
#include "ui/shared/Shared.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tarnel {

// While the help box shows, a press anywhere on its screen outside the menus closes it.
// A separate object, so that a screen's own event filters never see events twice.
class HelpCloser : public QObject {
public:
    explicit HelpCloser(Screen& screen) : QObject(&screen), screen(screen) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* widget = qobject_cast<QWidget*>(watched);
            const bool inMenu = qobject_cast<QMenu*>(widget) || qobject_cast<QMenuBar*>(widget);
            if (widget && widget->window() == &screen && !inMenu) {
                screen.hideHelp();
            }
        }
        return false;
    }

private:
    Screen& screen;
};

HelpTopic helpWithHelp() {
    return {QStringLiteral("Help with Help"),
            QStringLiteral("Help with Help:"),
            {QStringLiteral("    • Each screen's menu offers context-sensitive Help topics geared "
                            "to the functions of the respective screen."),
             QStringLiteral("    • When finished reading, click anywhere on the screen to close "
                            "the Help window.")}};
}

Screen::Screen(Context& context) : ctx(context) {
    resize(1000, 680);
    txtHelpFrame = new QFrame(this);
    txtHelpFrame->setObjectName(QStringLiteral("txtHelpFrame"));
    txtHelpFrame->setFrameShape(QFrame::Box);
    txtHelpFrame->setLineWidth(2);
    txtHelpFrame->setAutoFillBackground(true);
    txtHelp = new QPlainTextEdit(txtHelpFrame);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setReadOnly(true);
    txtHelp->setFrameShape(QFrame::NoFrame);
    txtHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(txtHelpFrame);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(txtHelp);
    txtHelpFrame->hide();
    helpCloser = new HelpCloser(*this);
}

void Screen::setCaption(const QString& caption) {
    setWindowTitle(caption + QStringLiteral("[*]"));
}

QString Screen::caption() const {
    QString title = windowTitle();
    title.remove(QStringLiteral("[*]"));
    return title;
}

void Screen::showHelp(const QString& text) {
    shownHelpText = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtHelp->setPlainText(shown);
    placeHelp();
    txtHelpFrame->raise();
    txtHelpFrame->show();
    qApp->installEventFilter(helpCloser);
}

void Screen::hideHelp() {
    txtHelpFrame->hide();
    qApp->removeEventFilter(helpCloser);
}

bool Screen::helpShowing() const {
    return !txtHelpFrame->isHidden();
}

void Screen::placeHelp() {
    const int top = menuBar()->height();
    const QRect area(0, top, width(), height() - top);
    txtHelpFrame->setGeometry(helpGeometry(area, helpText(), txtHelp->fontMetrics()));
}

void Screen::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (helpShowing()) {
        placeHelp();
    }
}

// The window's own close button goes through the quit prompt, so no model is lost by it.
void Screen::closeEvent(QCloseEvent* event) {
    if (ctx.navigator.ending() || ctx.navigator.quit()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool Screen::canUndo() const {
    return ctx.session.canUndo();
}

bool Screen::canRedo() const {
    return ctx.session.canRedo();
}

QString Screen::undoCaption() const {
    return fromModelText(ctx.session.undoCaption());
}

QString Screen::redoCaption() const {
    return fromModelText(ctx.session.redoCaption());
}

void Screen::undo() {
    ctx.session.undo();
}

void Screen::redo() {
    ctx.session.redo();
}

void Screen::refreshUndoActions() {
    if (mnuUndo == nullptr) {
        return;
    }
    mnuUndo->setText(undoCaption());
    mnuUndo->setEnabled(canUndo());
    mnuRedo->setText(redoCaption());
    mnuRedo->setEnabled(canRedo());
}

void Screen::createUndoActions() {
    mnuUndo = new QAction(QStringLiteral("Undo"), this);
    mnuUndo->setObjectName(QStringLiteral("mnuUndo"));
    mnuUndo->setShortcut(QKeySequence::Undo);
    connect(mnuUndo, &QAction::triggered, this, [this] { undo(); });
    mnuRedo = new QAction(QStringLiteral("Redo"), this);
    mnuRedo->setObjectName(QStringLiteral("mnuRedo"));
    mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(mnuRedo, &QAction::triggered, this, [this] { redo(); });
    refreshUndoActions();
}

void Screen::addUndoShortcuts() {
    createUndoActions();
    addAction(mnuUndo);
    addAction(mnuRedo);
}

void Screen::enableRunMenu() {
    if (mnuRun != nullptr) {
        mnuRun->setEnabled(true);
        mnuRun->menuAction()->setEnabled(true);
    }
}

void Screen::enableEditMenu(bool enabled) {
    if (mnuEdit != nullptr) {
        mnuEdit->setEnabled(enabled);
        mnuEdit->menuAction()->setEnabled(enabled);
    }
}

void Screen::addStandardMenus(const HelpTopics& topics) {
    addRunMenu();
    addEditMenu();
    addHelpMenu(topics);
    addHomeMenu();
    addExitMenu();
}

void Screen::addRunMenu() {
    Navigator& go = ctx.navigator;
    mnuRun = menuBar()->addMenu(QStringLiteral("&Run"));
    mnuRun->setObjectName(QStringLiteral("mnuRun"));
    mnuRun->addAction(QStringLiteral("&Interactive"), this, [&go] { go.runInteractive(); });
    mnuRun->addAction(QStringLiteral("&Batch"), this, [&go] { go.runBatch(); });
    mnuRun->addAction(QStringLiteral("&Reflex"), this, [&go] { go.runReflex(); });
    mnuRun->setEnabled(false);
    mnuRun->menuAction()->setEnabled(false);
}

// Undo and Redo come first, as in any program; then the entries that lead to the editors.
void Screen::addEditMenu() {
    Navigator& go = ctx.navigator;
    mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    createUndoActions();
    mnuEdit->addAction(mnuUndo);
    mnuEdit->addAction(mnuRedo);
    mnuEdit->addSeparator();
    connect(mnuEdit, &QMenu::aboutToShow, this, &Screen::refreshUndoActions);
    mnuEdit->addAction(QStringLiteral("Rules"), this, [&go] { go.editRules(); });
    mnuEdit->addAction(QStringLiteral("Vocabulary"), this, [&go] { go.editVocabulary(); });
    QMenu* alphabet = mnuEdit->addMenu(QStringLiteral("Alphabet"));
    alphabet->addAction(QStringLiteral("Etymon"), this, [&go] { go.editEtymonAlphabet(); });
    alphabet->addAction(QStringLiteral("Reflex"), this, [&go] { go.editReflexAlphabet(); });
    alphabet->addAction(QStringLiteral("Output (Read Only)"), this,
                        [&go] { go.viewOutputAlphabet(); });
    enableEditMenu(false); // until there is a model to edit
}

void Screen::addHelpMenu(const HelpTopics& topics) {
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    for (const HelpTopic& topic : topics) {
        if (topic.caption == QStringLiteral("-")) {
            help->addSeparator();
        } else {
            const QString text = tarnel::helpText(topic);
            help->addAction(topic.caption, this, [this, text] { showHelp(text); });
        }
    }
}

void Screen::addHomeMenu() {
    QAction* home = menuBar()->addAction(QStringLiteral("&Home"));
    home->setObjectName(QStringLiteral("mnuHome"));
    connect(home, &QAction::triggered, this, [this] { ctx.navigator.goHome(); });
}

void Screen::addExitMenu() {
    QAction* exit = menuBar()->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, [this] { ctx.navigator.quit(); });
}

} // namespace tarnel
