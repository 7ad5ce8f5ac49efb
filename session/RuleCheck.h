// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RuleTextReader.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// A problem of rule text where the user sees it: the line of the text (from 0), the column of
// its first character (from 0) and how many characters it covers (0: the whole line), and what
// is wrong, in words that begin with where ("Line B, column 12: ...").
struct RuleProblem {
    int line = 0;
    int column = 0;
    int length = 0;
    std::string text;
};

// The names a rule may not take: those of the Supply, but for `ownName`, the name the rule
// being edited had when it was opened (empty for a new rule).
struct TakenNames {
    const std::vector<std::string>& supply;
    std::string_view ownName;
};

// Every problem of `rule`, in the order of its lines: what the engine would read otherwise
// than it is written or would skip, and what the rule editor would not make (a name it
// refuses, a ninth unit, a tenth then-line, a short comment, ...). Each text begins with
// `prefix` ("Rule Lenition: ").
std::vector<RuleProblem> checkRule(const TextRule& rule, const TakenNames& taken,
                                   std::string_view prefix = {});

// The rule editor's text: exactly one rule, checked.
std::vector<RuleProblem> checkOneRule(const std::vector<TextRule>& rules, const TakenNames& taken);
// Rules to add to the Supply: at least one, each checked, no two of one name.
std::vector<RuleProblem> checkNewRules(const std::vector<TextRule>& rules, const TakenNames& taken);

// A refusal that lists problems: `headline`, then each problem on a line of its own.
std::string problemList(std::string_view headline, const std::vector<RuleProblem>& problems);
inline constexpr std::string_view keepProblemsHeadline =
    "The rule cannot be kept while these problems remain:";
inline constexpr std::string_view addProblemsHeadline =
    "No rule was added, for these problems remain:";

// The words rule text is written with, to complete as they are typed: the feature names and
// the key words.
const std::vector<std::string_view>& ruleWords();

} // namespace tarnel
