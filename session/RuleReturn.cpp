// SPDX-License-Identifier: GPL-3.0-or-later
#include "RuleReturn.h"

#include "model/AlphabeticalList.h"

#include <algorithm>

namespace tarnel {

namespace {

constexpr std::size_t maxNameLength = 25;

bool inSupply(const Model& model, const std::string& name) {
    return std::find(model.lstSupply.begin(), model.lstSupply.end(), name) != model.lstSupply.end();
}

std::string alreadyExists(const std::string& name) {
    return "A rule named '" + name + "' already exists.  Use a different name.";
}

void storeInPlace(Model& model, const std::string& oldName, const std::vector<std::string>& lines) {
    for (auto& rule : model.lst1Rule) {
        if (ruleName(rule) == oldName) {
            rule = lines;
            return;
        }
    }
    model.lst1Rule.push_back(lines);
}

void renameInOrder(std::vector<std::string>& order, const std::string& oldName,
                   const std::string& newName) {
    for (std::string& entry : order) {
        if (entry == oldName)
            entry = newName;
        else if (entry == "-" + oldName)
            entry = "-" + newName;
    }
}

// Renames the rule in the Supply and in every order; a masked entry keeps its "-".
std::string renameEverywhere(Model& model, const std::string& oldName, const std::string& newName) {
    std::string message;
    const auto old = std::find(model.lstSupply.begin(), model.lstSupply.end(), oldName);
    if (old == model.lstSupply.end()) {
        message = "Old rule name not found in lstSupply.";
    } else {
        model.lstSupply.erase(old);
        insertAlphabetical(model.lstSupply, newName);
    }
    renameInOrder(model.lstDiacOrd, oldName, newName);
    renameInOrder(model.lstEtyOrd, oldName, newName);
    renameInOrder(model.lstReflOrd, oldName, newName);
    return message;
}

} // namespace

NameKey nameBoxKey(const std::string& text, char key) {
    if (text.size() >= maxNameLength)
        return {std::nullopt, "Maximum name length = 25."};
    if (text.empty()) {
        if (key >= 'a' && key <= 'z')
            return {static_cast<char>(key - 'a' + 'A'), {}};
        return {key >= 'A' && key <= 'Z' ? std::optional<char>(key) : std::nullopt, {}};
    }
    if (key == ' ')
        return {'_', {}};
    const bool allowed = (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ||
                         (key >= 'a' && key <= 'z') || key == '_';
    return {allowed ? std::optional<char>(key) : std::nullopt, {}};
}

Result<> checkNewRuleName(const Model& model, const std::string& name) {
    if (name.size() < 3)
        return fail("Minimum name length = 3.");
    if (inSupply(model, name))
        return fail(alreadyExists(name));
    return {};
}

bool commentBoxAccepts(char key) {
    const auto byte = static_cast<unsigned char>(key);
    return byte >= 0x20 && byte != 0x7F && byte != 0xAB && byte != 0xBB;
}

Result<std::string> keepRuleChanges(Model& model, const RuleDraft& draft) {
    const auto& lines = draft.lines;
    if (lines.empty())
        return std::string();
    const std::string name(ruleNameOf(lines.front()));
    if (draft.newRule) {
        if (inSupply(model, name))
            return fail(alreadyExists(name));
        model.lst1Rule.push_back(lines);
        insertAlphabetical(model.lstSupply, name);
        return std::string();
    }
    storeInPlace(model, draft.oldName, lines);
    if (!draft.nameChanged)
        return std::string();
    return renameEverywhere(model, draft.oldName, name);
}

} // namespace tarnel
