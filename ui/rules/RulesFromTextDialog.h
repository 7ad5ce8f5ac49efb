// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace tarnel {

struct Context;
class RuleTextView;

// New Rule from Text: one or more rules typed or pasted as the model file writes them (from
// another model's file, say), checked at every change; OK adds them all to the Supply as one
// change, or lists the problems and adds none.
class RulesFromTextDialog : public QDialog {
    Q_OBJECT
public:
    RulesFromTextDialog(Context& context, QWidget* parent);

    RuleTextView* textView() const { return txtView; }
    void btnOK_Click();

private:
    Context& ctx;
    RuleTextView* txtView = nullptr;
};

} // namespace tarnel
