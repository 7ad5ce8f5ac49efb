// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"
#include "ui/shared/HelpTopic.h"

#include <QRect>
#include <QString>

class QFont;
class QFontMetrics;

namespace tarnel {

struct Context;
struct IpaWordRefusal;

// Procedures shared by the screens (navigation itself is the Navigator's).

// "Model " and the current model name in double quotation marks: the start of titles.
QString modelCaption(const Context& ctx);

// The help window's text: the title, CR LF, the bullet lines joined by CR LF.
QString helpText(const HelpTopic& topic);

// Where the help box goes on a screen of size `screen` for `text`: wider for longer texts,
// tall enough for the wrapped text, centred, never beyond the screen.
QRect helpGeometry(const QRect& screen, const QString& text, const QFontMetrics& metrics);

// The font that shows IPA symbols (Doulos SIL, else the next family of ipaFontFamilies).
QFont ipaFont(int pointSize = 16);

// Asks "Save model "x"?" (Yes/No/Cancel) when there are unsaved changes and saves on Yes.
// Returns false when the user cancelled or the save failed (the caller stops).
bool offerToSave(Context& ctx);

// Saves the model under its name and says so, or why it could not; returns whether it was
// saved.
bool saveModel(Context& ctx);

// A symbol of a word typed in IPA that no column shows as: the user is told so, with the
// offer to add a column for it. True when a column was added (the word can be read again).
bool offerIpaColumn(Context& ctx, const IpaWordRefusal& refused);

// Shows the message of a refused or failed operation; true when there was none.
bool succeeded(Context& ctx, const Result<>& result);

} // namespace tarnel
