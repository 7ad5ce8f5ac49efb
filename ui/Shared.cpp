#include "Shared.h"

#include "Context.h"
#include "Dialogs.h"
#include "Form1.h"
#include "ModelText.h"
#include "core/IpaDisplay.h"
#include "frmDerive.h"
#include "frmInAlph.h"
#include "frmOrder.h"
#include "frmOutAlph.h"
#include "frmReflAlph.h"

#include <QFont>
#include <QFontMetrics>
#include <QMenu>
#include <algorithm>
#include <cmath>

namespace tarnel {

namespace {

constexpr int largeVocabulary = 300;

// "Do you want to quit the program?", then the offer to save; true when the program may end.
bool askToQuit(Context& ctx) {
    if (ctx.dialogs.yesNo(QStringLiteral("Do you want to quit the program?")) != Answer::Yes) {
        return false;
    }
    if (!ctx.model.unsavedChanges) {
        return true;
    }
    const QStringList lines = {
        QStringLiteral("Save model \"%1\"?").arg(fromModelText(ctx.model.modelName)),
        QStringLiteral("  • 'Yes' to save and quit"),
        QStringLiteral("  • 'No' to quit without saving"),
        QStringLiteral("  • 'Cancel' to continue editing")};
    const Answer answer = ctx.dialogs.yesNoCancel(lines.join(QStringLiteral("\r\n")));
    return answer == Answer::No || (answer == Answer::Yes && saveModel(ctx));
}

} // namespace

QString modelCaption(const Context& ctx) {
    return QStringLiteral("Model \"%1\"").arg(fromModelText(ctx.model.modelName));
}

void hideEveryScreen(Context& ctx) {
    for (Screen* screen : ctx.screens.all()) {
        screen->hide();
    }
}

Screen* showingScreen(const Context& ctx) {
    for (Screen* screen : ctx.screens.all()) {
        if (screen->isVisible()) {
            return screen;
        }
    }
    return nullptr;
}

namespace {

// The screen shown next sits where the user left the last one, as large, maximised or not.
void takeOverPlace(Screen& target, const Screen& from) {
    constexpr Qt::WindowStates kept = Qt::WindowMaximized | Qt::WindowFullScreen;
    target.setGeometry(from.normalGeometry());
    target.setWindowState((target.windowState() & ~kept) | (from.windowState() & kept));
}

} // namespace

bool showScreen(Context& ctx, Screen& target) {
    Screen* from = showingScreen(ctx);
    if (from != nullptr && !from->leaveScreen()) {
        return false;
    }
    hideEveryScreen(ctx);
    if (from != nullptr && from != &target) {
        takeOverPlace(target, *from);
    }
    target.show();
    target.enterScreen();
    return true;
}

void goHome(Context& ctx) {
    showScreen(ctx, *ctx.screens.form1);
}

void runInteractive(Context& ctx) {
    if (showScreen(ctx, *ctx.screens.derive)) {
        ctx.screens.derive->enterInteractiveMode();
    }
}

void runBatch(Context& ctx) {
    if (ctx.model.lstVocab.size() > largeVocabulary &&
        ctx.dialogs.okCancel(QStringLiteral(
            "Because of the large vocabulary size, this batch run may take more than a minute "
            "or two, during which you may receive a 'Not Responding' message.  Nevertheless "
            "the run will continue, and when it is finished Tarnel will return to normal "
            "operation.  Click OK to continue, or Cancel to abort the run.")) != Answer::Ok) {
        return;
    }
    if (showScreen(ctx, *ctx.screens.derive)) {
        ctx.screens.derive->enterBatchMode();
    }
}

void runReflex(Context& ctx) {
    if (showScreen(ctx, *ctx.screens.derive)) {
        ctx.screens.derive->enterReflexMode();
    }
}

void editRules(Context& ctx) {
    if (showScreen(ctx, *ctx.screens.order)) {
        ctx.screens.order->openRuleOrder();
    }
}

void editVocabulary(Context& ctx) {
    if (showScreen(ctx, *ctx.screens.form1)) {
        ctx.screens.form1->showVocabulary();
    }
}

void editEtymonAlphabet(Context& ctx) {
    showScreen(ctx, *ctx.screens.inAlph);
}

void editReflexAlphabet(Context& ctx) {
    showScreen(ctx, *ctx.screens.reflAlph);
}

void viewOutputAlphabet(Context& ctx) {
    showScreen(ctx, *ctx.screens.outAlph);
}

void enableRunMenus(Context& ctx, bool enabled) {
    for (Screen* screen : ctx.screens.all()) {
        if (QMenu* run = screen->runMenu()) {
            run->setEnabled(enabled);
            run->menuAction()->setEnabled(enabled);
        }
    }
}

void enableEditMenus(Context& ctx, bool enabled) {
    for (Screen* screen : ctx.screens.all()) {
        if (QMenu* edit = screen->editMenu()) {
            edit->setEnabled(enabled);
            edit->menuAction()->setEnabled(enabled);
        }
    }
}

void enableRunMenusForModel(Context& ctx) {
    const Model& m = ctx.model;
    if (!m.lstEtyOrd.empty() || !m.lstDiacOrd.empty() || !m.lstReflOrd.empty()) {
        enableRunMenus(ctx);
    }
}

QString helpText(const HelpTopic& topic) {
    return topic.title + QStringLiteral("\r\n") + topic.bullets.join(QStringLiteral("\r\n"));
}

QRect helpGeometry(const QRect& screen, const QString& text, const QFontMetrics& metrics) {
    constexpr int margin = 20;  // between the box and the screen's edges
    constexpr int padding = 24; // frame and text margins inside the box
    const int maxWidth = std::max(100, screen.width() - 2 * margin);
    const int wanted = static_cast<int>(std::sqrt(static_cast<double>(text.size())) *
                                        metrics.averageCharWidth() * 4.5);
    const int width = std::clamp(wanted, std::min(360, maxWidth), maxWidth);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QRect textRect =
        metrics.boundingRect(QRect(0, 0, width - 2 * padding, 100000), Qt::TextWordWrap, shown);
    const int maxHeight = std::max(60, screen.height() - 2 * margin);
    const int height = std::min(textRect.height() + padding + 3 * metrics.height(), maxHeight);
    return {screen.left() + (screen.width() - width) / 2,
            screen.top() + std::max(margin, (screen.height() - height) / 3), width, height};
}

QFont ipaFont(int pointSize) {
    QFont font;
    QStringList families;
    for (const char* family : ipaFontFamilies) {
        families.append(QString::fromLatin1(family));
    }
    font.setFamilies(families);
    font.setPointSize(pointSize);
    return font;
}

// A screen with pending changes of its own (an alphabet editor) settles them first; if the
// program then goes on after all, the screen takes up its work again.
bool quitPrompt(Context& ctx) {
    Screen* showing = showingScreen(ctx);
    if (showing != nullptr && !showing->leaveScreen()) {
        return false;
    }
    if (!askToQuit(ctx)) {
        if (showing != nullptr) {
            showing->resumeScreen();
        }
        return false;
    }
    ctx.quitting = true;
    ctx.quit();
    return true;
}

bool offerToSave(Context& ctx) {
    if (!ctx.model.unsavedChanges) {
        return true;
    }
    const Answer answer = ctx.dialogs.yesNoCancel(
        QStringLiteral("Save model \"%1\"?").arg(fromModelText(ctx.model.modelName)));
    if (answer == Answer::Cancel) {
        return false;
    }
    return answer == Answer::No || saveModel(ctx);
}

} // namespace tarnel
