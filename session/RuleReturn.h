// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RuleEditing.h"
#include "model/Model.h"
#include "model/RuleName.h"

#include <string>

namespace tarnel {

// What the name box does with a typed character: append `append`, or swallow the key and
// show `message` when it is not empty.
struct NameKey {
    std::optional<char> append;
    std::string message;
};

// A character typed into the name box holding `text`: the first must be a letter (made a
// capital), the rest letters, digits or "_" (a blank becomes "_"); at most 25 in all.
NameKey nameBoxKey(const std::string& text, char key);

// Enter in the name box: refused when shorter than 3 or already a Supply name.
Result<> checkNewRuleName(const Model& model, const std::string& name);

// A character typed into the comment box: any printable Windows-1252 character but the
// guillemets that enclose comments.
bool commentBoxAccepts(char key);

// A rule as the editor holds it: its working copy and where it came from.
struct RuleDraft {
    std::vector<std::string> lines; // the working copy, lstRuleTemp
    std::string oldName;            // the name it had when editing began
    bool newRule = false;           // not yet in the Supply
    bool nameChanged = false;       // a new name was accepted during this edit
};

// Return > Yes: stores the working copy in the model. Refused (nothing changes, the editor
// stays open) when a new rule's name is taken; kept, with a warning to show when not empty,
// otherwise.
Result<std::string> keepRuleChanges(Model& model, const RuleDraft& draft);

} // namespace tarnel
