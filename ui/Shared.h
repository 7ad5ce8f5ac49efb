#pragma once

#include "HelpTopic.h"

#include <QRect>
#include <QString>

class QFont;
class QFontMetrics;

namespace tarnel {

struct Context;
class Screen;

// Procedures shared by the screens: navigation, the Run menus, the help window and the
// quit prompt. Every menu entry of the shared scheme calls one of these, so each has the
// same effect on every screen.
//
// Hooks the navigation calls on the screens (fill them in; keep them cheap):
// - Screen::leaveScreen()   asked of the showing screen before any menu goes elsewhere;
//                           return false to stay (the alphabet editors ask "Keep the
//                           changes?" Yes/No/Cancel here, Cancel returns false).
// - Screen::enterScreen()   after navigation showed the screen (alphabet editors take
//                           their backup here).
// - Screen::modelReplaced() on every screen after a load or New: refresh the views from
//                           ctx.model (order lists, rule-name label width, alphabets;
//                           the rule editor's working copy goes back to the new-rule
//                           template).
// - frmDerive::enterInteractiveMode(), enterBatchMode(), enterReflexMode()
//                           set the screen up for the mode; called after it was shown.
//                           The large-Vocabulary warning is asked before enterBatchMode.
// - frmDerive::resetDerivation()    empties the word box and removes the stage rows
//                                   (New, choosing a model).
// - frmDerive::copyEtymon(etymon)   puts an etymon in the word box and gives it the focus.
// - frmOrder::openRuleOrder()       sets the title ("Model "x":  Edit Rule Order").
// - frmEd1Rule::mnuReturn_Click()   the rule editor's Return entry.

// "Model " and the current model name in double quotation marks: the start of titles.
QString modelCaption(const Context& ctx);

// Hides all seven screens, whichever is showing.
void hideEveryScreen(Context& ctx);

// The screen that is showing, or nullptr.
Screen* showingScreen(const Context& ctx);

// Leaves the showing screen, hides every screen and shows `target` where the other one was
// (same place and size, maximised or not); false if refused.
bool showScreen(Context& ctx, Screen& target);

// The navigation entries.
void goHome(Context& ctx);
void runInteractive(Context& ctx);
void runBatch(Context& ctx);
void runReflex(Context& ctx);
void editRules(Context& ctx);
void editVocabulary(Context& ctx);
void editEtymonAlphabet(Context& ctx);
void editReflexAlphabet(Context& ctx);
void viewOutputAlphabet(Context& ctx);

// Enables (or disables) the Run menu on every screen that has one.
void enableRunMenus(Context& ctx, bool enabled = true);

// Enables (or disables) the Edit menu on every screen that has one: there is nothing to
// edit until a model has been chosen or a new one named.
void enableEditMenus(Context& ctx, bool enabled = true);

// Enables the Run menus when any order list of the model has an entry.
void enableRunMenusForModel(Context& ctx);

// The help window's text: the title, CR LF, the bullet lines joined by CR LF.
QString helpText(const HelpTopic& topic);

// Where the help box goes on a screen of size `screen` for `text`: wider for longer texts,
// tall enough for the wrapped text, centred, never beyond the screen.
QRect helpGeometry(const QRect& screen, const QString& text, const QFontMetrics& metrics);

// The font that shows IPA symbols (Doulos SIL, else the next family of ipaFontFamilies).
QFont ipaFont(int pointSize = 16);

// The quit prompt of every screen's Exit entry, after the showing screen was left. Returns
// true when the program ends.
bool quitPrompt(Context& ctx);

// Asks "Save model "x"?" (Yes/No/Cancel) when there are unsaved changes and saves on Yes.
// Returns false when the user cancelled or the save failed (the caller stops).
bool offerToSave(Context& ctx);

// Saves the model in memory under its current name into the model directory. On failure
// shows why and keeps the unsaved-changes flag; returns whether it was saved.
bool saveModel(Context& ctx);

} // namespace tarnel
