// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParsedRule.h"

#include "RuleText.h"

#include <algorithm>

namespace tarnel::reference {

ParsedRule parseRule(const std::vector<std::string>& lines) {
    const RuleText text = splitRuleText(lines);
    ParsedRule rule;
    rule.name = text.stageName;
    const int ifCount = std::min(static_cast<int>(text.ifBodies.size()), maxIfLines);
    for (int i = 0; i < ifCount; ++i)
        rule.ifLines.push_back(
            parseIfLine(text.ifBodies[static_cast<std::size_t>(i)], i + 1, ifCount));
    for (const std::string_view body : text.thenBodies)
        rule.thenLines.push_back(parseThenLine(body));
    return rule;
}

} // namespace tarnel::reference
