// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/RulesFromTextDialog.h"

#include "session/Session.h"
#include "ui/rules/RuleTextView.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/Shared.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnel {

RulesFromTextDialog::RulesFromTextDialog(Context& context, QWidget* parent)
    : QDialog(parent), ctx(context) {
    setObjectName(QStringLiteral("RulesFromTextDialog"));
    setWindowTitle(modelCaption(ctx) + QStringLiteral(":  New Rule from Text"));
    auto* help = new QLabel(QStringLiteral(
        "Type or paste one or more rules as a model file writes them: the name line, the "
        "if-lines A:, B:, ..., the then-lines 1:, 2:, ... and the END line of each."));
    help->setWordWrap(true);
    txtView = new RuleTextView(
        [this](const std::string& text) { return ctx.session.checkNewRules(text); });
    txtView->setObjectName(QStringLiteral("txtView"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &RulesFromTextDialog::btnOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addWidget(txtView, 1);
    layout->addWidget(buttons);
    resize(760, 520);
}

void RulesFromTextDialog::btnOK_Click() {
    const std::optional<std::string> text = txtView->modelText();
    if (!text) {
        ctx.dialogs.ok(txtView->unstorableText());
        return;
    }
    if (!ctx.session.addRulesFromText(*text)) {
        showProblems(ctx.dialogs, addProblemsHeadline, ctx.session.checkNewRules(*text));
        return;
    }
    accept();
}

} // namespace tarnel
