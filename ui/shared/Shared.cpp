// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shared/Shared.h"

#include "core/IpaDisplay.h"
#include "frontend/ModelText.h"
#include "session/Session.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"

#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace tarnel {

QString modelCaption(const Context& ctx) {
    return QStringLiteral("Model \"%1\"").arg(fromModelText(ctx.session.model().modelName));
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

bool offerToSave(Context& ctx) {
    if (!ctx.session.unsavedChanges()) {
        return true;
    }
    const Answer answer = ctx.dialogs.yesNoCancel(fromModelText(ctx.session.saveQuestion()));
    if (answer == Answer::Cancel) {
        return false;
    }
    return answer == Answer::No || saveModel(ctx);
}

bool saveModel(Context& ctx) {
    if (!succeeded(ctx, ctx.session.save())) {
        return false;
    }
    ctx.dialogs.ok(fromModelText(ctx.session.savedMessage()));
    return true;
}

bool offerIpaColumn(Context& ctx, const IpaWordRefusal& refused) {
    const Session::IpaColumnOffer offer = ctx.session.offerIpaColumn(refused);
    const QString text = QString::fromStdString(offer.text);
    if (!offer.character) {
        ctx.dialogs.ok(text);
        return false;
    }
    if (ctx.dialogs.yesNo(text) != Answer::Yes)
        return false;
    return succeeded(
        ctx, ctx.session.addIpaColumn(refused.side, refused.refusal.symbol, *offer.character));
}

bool succeeded(Context& ctx, const Result<>& result) {
    if (!result) {
        ctx.dialogs.ok(fromModelText(result.message()));
    }
    return result.ok();
}

} // namespace tarnel
