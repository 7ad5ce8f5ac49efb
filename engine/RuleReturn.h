#pragma once

#include "engine/RuleEditing.h"
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
EditRefusal checkNewRuleName(const Model& model, const std::string& name);

// A character typed into the comment box: any printable Windows-1252 character but the
// guillemets that enclose comments.
bool commentBoxAccepts(char key);

// Return > Yes: stores the working copy in the model. On a refusal nothing changes and the
// editor stays open; `message` (when not empty) is shown either way.
struct KeptRule {
    bool kept = false;
    std::string message;
};

KeptRule keepRuleChanges(Model& model, const RuleEditing& editing);

} // namespace tarnel
