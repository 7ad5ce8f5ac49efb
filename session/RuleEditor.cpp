// SPDX-License-Identifier: GPL-3.0-or-later
#include "RuleEditor.h"

#include "Document.h"
#include "engine/RuleTemplates.h"
#include "engine/RuleText.h"

namespace tarnel {

// Every edit that is carried out counts as a change, even one that leaves the lines as they
// were (a comment typed again); only one that alters them can be undone.
template <class Edit> auto RuleEditor::step(const std::string& caption, Edit&& edit) {
    std::vector<std::string> before = draft_.lines;
    const auto finish = [&](bool carriedOut) {
        if (!carriedOut)
            return;
        changed_ = true;
        if (draft_.lines != before)
            history_.push(caption, std::move(before));
        document_.announceDraft();
    };
    return carryOut(edit, finish);
}

void RuleEditor::begin(std::vector<std::string> lines, std::string name, bool newRule) {
    draft_ = RuleDraft{std::move(lines), name, newRule, false};
    currentName_ = std::move(name);
    changed_ = false;
    textEdited_ = false;
    history_.clear();
}

void RuleEditor::startNew() {
    begin({newRuleTemplate.begin(), newRuleTemplate.end()},
          std::string(ruleNameOf(newRuleTemplate.front())), true);
    document_.markUnsaved();
}

Result<> RuleEditor::open(const std::string& name) {
    const std::optional<int> index = findRule(document_.model(), name);
    if (!index)
        return fail("The text of rule '" + name + "' is missing from this model.");
    begin(document_.model().lst1Rule[static_cast<std::size_t>(*index)], name, false);
    return {};
}

Result<> RuleEditor::setComment(int line, const std::string& text) {
    return step("Edit Comment", [&] { return tarnel::setComment(draft_.lines, line, text); });
}

void RuleEditor::setLineType(int line, LineTemplate type) {
    step("Change Line Type", [&] { tarnel::setLineType(draft_.lines, line, type); });
}

Result<> RuleEditor::insertThenLineAbove(int line) {
    return step("Insert Then-Line",
                [&] { return tarnel::insertThenLineAbove(draft_.lines, line); });
}

Result<> RuleEditor::makeBranching(int line) {
    return step("Branching", [&] { return tarnel::makeBranching(draft_.lines, line); });
}

Result<> RuleEditor::deleteLine(int line) {
    return step("Delete Line", [&] { return tarnel::deleteLine(draft_.lines, line); });
}

Result<> RuleEditor::insertUnit(int line) {
    return step("Insert Unit", [&] { return tarnel::insertUnit(draft_.lines, line); });
}

Result<> RuleEditor::deleteUnit(int line, int token) {
    return step("Delete Unit", [&] { return tarnel::deleteUnit(draft_.lines, line, token); });
}

void RuleEditor::changeFeature(int line, int token, const std::string& name) {
    step("Change Feature", [&] { tarnel::changeFeature(draft_.lines, line, token, name); });
}

void RuleEditor::toggleSign(int line, int token) {
    step("Toggle Sign", [&] { tarnel::toggleSign(draft_.lines, line, token); });
}

void RuleEditor::setToken(int line, int token, const std::string& text) {
    step("Change Element", [&] { tarnel::setToken(draft_.lines, line, token, text); });
}

bool RuleEditor::rotateElement(int line, int token) {
    return step("Change Element", [&] { return tarnel::rotateElement(draft_.lines, line, token); });
}

void RuleEditor::copyBody() {
    copyBuffer_ = tarnel::copyBody(draft_.lines);
}

// Pasting counts as a change even where it leaves the lines as they were.
bool RuleEditor::pasteBody() {
    if (copyBuffer_.empty())
        return false;
    step("Paste", [&] { tarnel::pasteBody(draft_.lines, copyBuffer_); });
    changed_ = true;
    document_.markUnsaved();
    return true;
}

std::vector<RuleProblem> RuleEditor::checkText(std::string_view text) const {
    const std::string_view ownName = draft_.newRule ? std::string_view() : draft_.oldName;
    return checkOneRule(readRulesText(text), {document_.model().lstSupply, ownName});
}

Result<> RuleEditor::editText(std::string_view text) {
    std::vector<TextRule> rules = readRulesText(text);
    if (rules.size() != 1 || !rules.front().ended)
        return fail("The rule editor holds one rule, from its name line to its END line; the "
                    "text holds " +
                    (rules.empty()       ? std::string("none")
                     : rules.size() == 1 ? std::string("a rule without its END line")
                                         : std::to_string(rules.size()) + " rules") +
                    ".");
    if (rules.front().lines == draft_.lines)
        return {}; // the text as it was shown, or the same lines written otherwise
    step("Edit Text", [&] { draft_.lines = std::move(rules.front().lines); });
    textEdited_ = true;
    currentName_ = ruleNameOf(draft_.lines.front());
    if (currentName_ != draft_.oldName)
        draft_.nameChanged = true;
    return {};
}

std::vector<RuleProblem> RuleEditor::keepProblems() const {
    return textEdited_ ? checkText(text()) : std::vector<RuleProblem>();
}

Result<> RuleEditor::acceptName(const std::string& name) {
    if (Result<> refused = checkNewRuleName(document_.model(), name); !refused)
        return refused;
    step("Rename", [&] { renameRule(draft_.lines, name); });
    if (name != draft_.oldName)
        draft_.nameChanged = true;
    currentName_ = name;
    return {};
}

Result<std::string> RuleEditor::keep() {
    if (const std::vector<RuleProblem> problems = keepProblems(); !problems.empty())
        return fail(problemList(keepProblemsHeadline, problems));
    const std::string name =
        draft_.lines.empty() ? std::string() : std::string(ruleNameOf(draft_.lines.front()));
    Result<std::string> kept = document_.edit(
        (draft_.newRule ? "Create Rule " : "Edit Rule ") + name, rulesPart | ordersPart,
        [this](Model& m) { return keepRuleChanges(m, draft_); });
    if (!kept)
        return kept;
    document_.markUnsaved(); // a rule kept as it was still counts as a change
    currentName_ = name;
    changed_ = false;
    return kept;
}

void RuleEditor::close() {
    draft_.lines.clear();
    changed_ = false;
    textEdited_ = false;
    history_.clear();
}

void RuleEditor::undo() {
    if (!canUndo())
        return;
    history_.undo(draft_.lines);
    currentName_ = ruleNameOf(draft_.lines.front());
    document_.announceDraft();
}

void RuleEditor::redo() {
    if (!canRedo())
        return;
    history_.redo(draft_.lines);
    currentName_ = ruleNameOf(draft_.lines.front());
    document_.announceDraft();
}

} // namespace tarnel
