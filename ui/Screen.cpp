#include "Screen.h"

#include "Context.h"
#include "Shared.h"

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
    if (ctx.quitting || quitPrompt(ctx)) {
        event->accept();
    } else {
        event->ignore();
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
    mnuRun = menuBar()->addMenu(QStringLiteral("&Run"));
    mnuRun->setObjectName(QStringLiteral("mnuRun"));
    mnuRun->addAction(QStringLiteral("&Interactive"), this, [this] { runInteractive(ctx); });
    mnuRun->addAction(QStringLiteral("&Batch"), this, [this] { runBatch(ctx); });
    mnuRun->addAction(QStringLiteral("&Reflex"), this, [this] { runReflex(ctx); });
    mnuRun->setEnabled(false);
    mnuRun->menuAction()->setEnabled(false);
}

void Screen::addEditMenu() {
    QMenu* edit = mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    edit->addAction(QStringLiteral("Rules"), this, [this] { editRules(ctx); });
    edit->addAction(QStringLiteral("Vocabulary"), this, [this] { editVocabulary(ctx); });
    QMenu* alphabet = edit->addMenu(QStringLiteral("Alphabet"));
    alphabet->addAction(QStringLiteral("Etymon"), this, [this] { editEtymonAlphabet(ctx); });
    alphabet->addAction(QStringLiteral("Reflex"), this, [this] { editReflexAlphabet(ctx); });
    alphabet->addAction(QStringLiteral("Output (Read Only)"), this,
                        [this] { viewOutputAlphabet(ctx); });
    edit->setEnabled(false); // until there is a model to edit
    edit->menuAction()->setEnabled(false);
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
    connect(home, &QAction::triggered, this, [this] { goHome(ctx); });
}

void Screen::addExitMenu() {
    QAction* exit = menuBar()->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, [this] { quitPrompt(ctx); });
}

} // namespace tarnel
