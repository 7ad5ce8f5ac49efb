// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// A rule name ends at a blank, a CR or the "«" that opens a comment. The file reader, the
// writer, the engine and the editors all take a name this way, so a rule that one of them
// knows by a name is known by the same name to all of them.
constexpr bool endsRuleName(char c) {
    return c == ' ' || c == '\r' || c == '\xAB';
}

// The rule name at the start of `text`: a rule's name line, or an order entry.
std::string_view ruleNameOf(std::string_view text);

// The name of a rule: that of its line 0; empty for a rule without lines.
std::string_view ruleName(const std::vector<std::string>& rule);

} // namespace tarnel
