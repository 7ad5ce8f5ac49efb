// SPDX-License-Identifier: GPL-3.0-or-later
#include "RuleText.h"

#include "RuleTemplates.h"

#include <algorithm>

namespace tarnel {

namespace {

// The name shown for a stage: the name line without its comment, and when it holds a ":",
// the text after the first one.
std::string stageNameOf(std::string_view nameLine) {
    std::string_view text = trimBlanks(cutComment(nameLine));
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos)
        text = trimBlanks(text.substr(colon + 1));
    return std::string(text);
}

// A line's body: after the two-character label ("A:", "1:"), trimmed.
std::string_view bodyOf(std::string_view cutLine) {
    return cutLine.size() > 2 ? trimBlanks(cutLine.substr(2)) : std::string_view{};
}

} // namespace

std::string_view cutComment(std::string_view line) {
    return line.substr(0, line.find(commentStart));
}

Words::Words(std::string_view body) {
    std::size_t i = 0;
    while (i < body.size() && count_ < words_.size()) {
        if (body[i] == ' ') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(body.find(' ', i), body.size());
        words_[count_++] = body.substr(i, end - i);
        i = end;
    }
}

std::optional<int> findRule(const Model& model, std::string_view name) {
    for (std::size_t i = 0; i < model.lst1Rule.size(); ++i)
        if (ruleName(model.lst1Rule[i]) == name)
            return static_cast<int>(i);
    return std::nullopt;
}

RuleText splitRuleText(const std::vector<std::string>& rule) {
    RuleText text;
    if (rule.empty())
        return text;
    text.stageName = stageNameOf(rule.front());
    bool inThenLines = false;
    for (std::size_t i = 1; i < rule.size(); ++i) {
        const std::string_view raw = rule[i];
        if (raw.starts_with("END"))
            continue;
        const std::string_view line = trimBlanks(cutComment(raw));
        inThenLines = inThenLines || line.starts_with('1');
        (inThenLines ? text.thenBodies : text.ifBodies).push_back(bodyOf(line));
    }
    return text;
}

} // namespace tarnel
