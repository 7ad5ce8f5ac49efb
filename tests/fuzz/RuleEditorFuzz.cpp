// SPDX-License-Identifier: GPL-3.0-or-later
// The rule editor's operations on rules from fuzzed rule text. The first byte of an input
// picks an operation, the rest is a Rules section; the operation is applied at every element
// of its first rule, each time on a fresh copy, then at every element one after another.
// After each the rule is taken apart again as the editor and the engine would, and the
// edited rule is kept in the model. Rules longer than any the editor can make are left
// alone, to keep each run short.

#include "Check.h"
#include "RulesModel.h"
#include "engine/CompiledRule.h"
#include "session/RuleElements.h"
#include "session/RuleReturn.h"

#include <cstddef>
#include <cstdint>
#include <functional>

using namespace tarnel;

namespace {

using Lines = std::vector<std::string>;
using Operation = std::function<void(Lines&, const Element&)>;

constexpr std::size_t maxLines = 40; // 26 if-lines, 9 then-lines, the name and END lines

// An edit the editor may refuse: refused, it must leave the rule exactly as it was.
template <class Edit> Operation refusable(Edit edit) {
    return [edit](Lines& lines, const Element& element) {
        const Lines before = lines;
        if (!edit(lines, element))
            fuzz::require(lines == before, "a refused edit changes nothing");
    };
}

std::vector<Operation> operations() {
    std::vector<Operation> all = {
        [](Lines& l, const Element& e) { changeFeature(l, e.line, e.token, "voice"); },
        [](Lines& l, const Element& e) { toggleSign(l, e.line, e.token); },
        [](Lines& l, const Element& e) { setToken(l, e.line, e.token, "(*+2)"); },
        [](Lines& l, const Element& e) { rotateElement(l, e.line, e.token); },
        refusable([](auto& l, auto& e) { return setComment(l, e.line, "a comment"); }),
        refusable([](auto& l, auto& e) { return setComment(l, e.line, ""); }),
        refusable([](auto& l, auto& e) { return insertThenLineAbove(l, e.line); }),
        refusable([](auto& l, auto& e) { return makeBranching(l, e.line); }),
        refusable([](auto& l, auto& e) { return deleteLine(l, e.line); }),
        refusable([](auto& l, auto& e) { return insertUnit(l, e.line); }),
        refusable([](auto& l, auto& e) { return deleteUnit(l, e.line, e.token); }),
        [](Lines& l, const Element&) { renameRule(l, "RENAMED"); },
        [](Lines& l, const Element&) { pasteBody(l, copyBody(l)); }};
    for (const LineTemplate type :
         {LineTemplate::Absolute, LineTemplate::Relative, LineTemplate::Count, LineTemplate::Insert,
          LineTemplate::Swap, LineTemplate::Delete})
        all.push_back([type](Lines& l, const Element& e) { setLineType(l, e.line, type); });
    return all;
}

// The edited rule as the editor redraws it and the engine reads it.
void takeApart(const Lines& lines) {
    for (const Element& element : ruleElements(lines))
        fuzz::require(element.line >= 0 && element.line < static_cast<int>(lines.size()),
                      "every element lies on a line of the rule");
    compileRule(lines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<Operation> all = operations();
    if (size == 0)
        return 0;
    const Operation& operation = all[data[0] % all.size()];
    const auto model =
        fuzz::modelWithRules(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    if (!model || model->lst1Rule.empty() || model->lst1Rule.front().size() > maxLines)
        return 0;
    const Lines& rule = model->lst1Rule.front();
    Lines edited = rule;
    for (const Element& element : ruleElements(rule)) {
        Lines lines = rule;
        operation(lines, element);
        takeApart(lines);
        operation(edited, element);
    }
    takeApart(edited);
    Model kept = *model;
    RuleDraft draft;
    draft.lines = edited;
    draft.oldName = ruleName(rule);
    draft.nameChanged = ruleName(edited) != draft.oldName;
    fuzz::require(keepRuleChanges(kept, draft).ok(), "an existing rule's changes are kept");
    return 0;
}
