// SPDX-License-Identifier: GPL-3.0-or-later
#include "RuleName.h"

#include <algorithm>

namespace tarnel {

std::string_view ruleNameOf(std::string_view text) {
    return text.substr(0, static_cast<std::size_t>(
                              std::find_if(text.begin(), text.end(), endsRuleName) - text.begin()));
}

std::string_view ruleName(const std::vector<std::string>& rule) {
    return rule.empty() ? std::string_view{} : ruleNameOf(rule.front());
}

} // namespace tarnel
