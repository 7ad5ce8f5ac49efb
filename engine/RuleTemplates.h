// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace tarnel {

// Rule text is Windows-1252: a comment runs from the byte 0xAB to the byte 0xBB.
inline constexpr char commentStart = '\xAB';
inline constexpr char commentEnd = '\xBB';

// The empty comment written into new rules and new lines.
inline constexpr std::string_view emptyComment = "\xAB...\xBB";

// The four lines of a freshly created rule; the rule editor renames it afterwards.
inline constexpr std::array<std::string_view, 4> newRuleTemplate = {
    "NEW_RULE \xAB...\xBB",
    "A:  +cons (*) \xAB...\xBB",
    "1:  +cons (*) \xAB...\xBB",
    "END:  NEW_RULE",
};

// Default bodies (comment included) that the line-type menus insert after a label.
inline constexpr std::string_view absoluteLineTemplate = "+cons (*) \xAB...\xBB";
inline constexpr std::string_view relativeLineTemplate = "cons (*) = cons (*+1) \xAB...\xBB";
inline constexpr std::string_view countLineTemplate = "COUNT +cons (*) (*+1) = 1 \xAB...\xBB";
inline constexpr std::string_view insertLineTemplate = "INSERT a (*) \xAB...\xBB";
inline constexpr std::string_view swapLineTemplate = "SWAP (*) (*+1) \xAB...\xBB";
inline constexpr std::string_view deleteLineTemplate = "DELETE (*) \xAB...\xBB";

} // namespace tarnel
