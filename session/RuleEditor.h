// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EditHistory.h"
#include "RuleCheck.h"
#include "RuleEditing.h"
#include "RuleElements.h"
#include "RuleReturn.h"
#include "core/Result.h"

#include <string>
#include <vector>

namespace tarnel {

class Document;

// The rule editor's work on one rule: the working copy (lstRuleTemp) and where it came from,
// its element edits, the name and comment boxes, and Return. Each element edit can be undone
// and redone within the editor; Return stores the result in the model as one step of the
// model's history. The copy buffer lives as long as the program.
class RuleEditor {
public:
    explicit RuleEditor(Document& document) : document_(document) {}

    // Create New Rule: the four-line template, to be named first. Marks the model changed.
    void startNew();
    // Double-click on a Supply name: a copy of the rule's lines. Refused when the model has
    // no text for that name (a damaged file).
    Result<> open(const std::string& name);

    const std::vector<std::string>& lines() const { return draft_.lines; }
    std::vector<Element> elements() const { return ruleElements(draft_.lines); }
    const std::string& currentName() const { return currentName_; }
    bool isNew() const { return draft_.newRule; }
    bool nameChanged() const { return draft_.nameChanged; }
    // Something was edited since the rule was opened: Return asks "Keep the changes?".
    bool changed() const { return changed_; }

    // Element edits (see RuleEditing.h); each is one step of the editor's own history.
    Result<> setComment(int line, const std::string& text);
    void setLineType(int line, LineTemplate type);
    Result<> insertThenLineAbove(int line);
    Result<> makeBranching(int line);
    Result<> deleteLine(int line);
    Result<> insertUnit(int line);
    Result<> deleteUnit(int line, int token);
    void changeFeature(int line, int token, const std::string& name);
    void toggleSign(int line, int token);
    void setToken(int line, int token, const std::string& text);
    bool rotateElement(int line, int token);
    // Ctrl-C and Ctrl-V; a paste marks the model changed as well.
    void copyBody();
    bool pasteBody();

    // The text view: the working copy as text (its lines, CR LF between them), the problems
    // of a text as this rule, and the text in the working copy's place as one step "Edit
    // Text", refused with nothing changed unless the text holds one rule, END line and all. A
    // text that holds the working copy's lines as they are changes nothing.
    std::string text() const { return textOfRule(draft_.lines); }
    std::vector<RuleProblem> checkText(std::string_view text) const;
    Result<> editText(std::string_view text);
    // The problems that keep Return from storing a rule edited as text; none for a rule
    // edited by its elements alone, which is stored as it is.
    std::vector<RuleProblem> keepProblems() const;

    // The name box: opening it counts as a change; Enter checks the name and renames.
    void nameBoxOpened() { changed_ = true; }
    Result<> acceptName(const std::string& name);

    // Return > Yes: the working copy goes into the model (one step of its history), or is
    // refused with a message; a kept rule may still carry a warning to show.
    Result<std::string> keep();
    // Return > No, or leaving without changes: the working copy is dropped.
    void close();

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    std::string undoCaption() const { return history_.undoCaption(); }
    std::string redoCaption() const { return history_.redoCaption(); }
    void undo();
    void redo();

private:
    // Runs `edit` on the working copy as one step named `caption`; a refused or empty edit
    // leaves no step.
    template <class Edit> auto step(const std::string& caption, Edit&& edit);
    void begin(std::vector<std::string> lines, std::string name, bool newRule);

    Document& document_;
    RuleDraft draft_;
    std::string currentName_;
    bool changed_ = false;
    bool textEdited_ = false;
    std::vector<std::string> copyBuffer_; // lstCopyPaste
    EditHistory<std::vector<std::string>> history_;
};

} // namespace tarnel
