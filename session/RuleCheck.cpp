// SPDX-License-Identifier: GPL-3.0-or-later
// A rule's text checked line by line: its name, labels, comments and END line here, the body
// of each line in LineCheck.cpp.
#include "RuleCheck.h"

#include "LineCheck.h"
#include "core/Text.h"
#include "engine/Conditions.h"
#include "engine/RuleTemplates.h"
#include "engine/RuleText.h"
#include "model/RuleName.h"

#include <algorithm>
#include <iterator>

namespace tarnel {

namespace {

constexpr int maxThenLines = 9;
constexpr std::size_t minNameLength = 3;
constexpr std::size_t maxNameLength = 25;

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string letter(int ifLine) {
    return std::string(1, static_cast<char>('A' + ifLine - 1));
}

bool nameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

int columnIn(std::string_view line, std::string_view part) {
    return static_cast<int>(part.data() - line.data());
}

class RuleChecker {
public:
    RuleChecker(const TextRule& rule, const TakenNames& taken, std::string_view prefix)
        : rule_(rule), taken_(taken), prefix_(prefix), name_(ruleNameOf(rule.lines.front())),
          last_(static_cast<int>(rule.lines.size()) - 1), bodyEnd_(rule.ended ? last_ : last_ + 1) {
        firstThen_ = bodyEnd_;
        for (int i = 1; i < bodyEnd_; ++i) {
            if (line(i).starts_with('1')) {
                firstThen_ = i;
                break;
            }
        }
    }

    std::vector<RuleProblem> run() {
        for (int i = 0; i <= last_; ++i)
            controlCharacters(i);
        nameLine();
        for (int i = 0; i < bodyEnd_; ++i)
            comment(i);
        endLine();
        ifLines();
        thenLines();
        std::ranges::stable_sort(out_, [](const RuleProblem& a, const RuleProblem& b) {
            return a.line != b.line ? a.line < b.line : a.column < b.column;
        });
        return std::move(out_);
    }

private:
    const TextRule& rule_;
    const TakenNames& taken_;
    std::string_view prefix_;
    std::string name_;
    int last_;
    int bodyEnd_;
    int firstThen_ = 0;
    std::vector<std::vector<int>> names_; // what each Branching if-line names
    bool branchesSound_ = true;
    std::vector<RuleProblem> out_;

    const std::string& line(int i) const { return rule_.lines[static_cast<std::size_t>(i)]; }

    // "Line B, column 12": the line as the engine counts it, the column as the text shows it.
    std::string where(int i, int column) const {
        std::string text(prefix_);
        if (i == 0)
            text += "Name line";
        else if (rule_.ended && i == last_)
            text += "END line";
        else if (i < firstThen_)
            text += i <= maxIfLines ? "Line " + letter(i) : "If-line " + std::to_string(i);
        else
            text += "Line " + std::to_string(i - firstThen_ + 1);
        if (column >= 0)
            text += ", column " + std::to_string(indent(i) + column + 1);
        return text;
    }
    int indent(int i) const { return rule_.indents[static_cast<std::size_t>(i)]; }

    // A problem at `column` of line `i` (-1: the whole line), `length` characters long.
    void add(int i, int column, int length, std::string_view what) {
        const bool whole = column < 0;
        out_.push_back({rule_.textLines[static_cast<std::size_t>(i)],
                        indent(i) + (whole ? 0 : column), whole ? 0 : std::max(length, 1),
                        where(i, column) + ": " + std::string(what)});
    }

    void controlCharacters(int i) {
        const std::string& text = line(i);
        const auto control =
            std::ranges::find_if(text, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
        if (control != text.end())
            add(i, static_cast<int>(control - text.begin()), 1,
                "a tab or other control character: write blanks");
    }

    void nameLine() {
        const std::string& text = line(0);
        if (name_.empty()) {
            add(0, -1, 0, "a rule begins with its name, as Final_N_Velarisation");
            return;
        }
        const int length = static_cast<int>(name_.size());
        if (name_[0] < 'A' || name_[0] > 'Z')
            add(0, 0, 1, "a rule name begins with a capital letter, A to Z");
        const auto odd = std::find_if_not(name_.begin() + 1, name_.end(), nameCharacter);
        if (odd != name_.end())
            add(0, static_cast<int>(odd - name_.begin()), 1,
                quoted(std::string(1, *odd)) +
                    " cannot stand in a rule name, which holds letters, digits and _ only");
        if (name_.size() < minNameLength)
            add(0, 0, length, "Minimum name length = 3.");
        if (name_.size() > maxNameLength)
            add(0, static_cast<int>(maxNameLength), length, "Maximum name length = 25.");
        if (name_ != taken_.ownName &&
            std::ranges::find(taken_.supply, name_) != taken_.supply.end())
            add(0, 0, length,
                "A rule named '" + name_ + "' already exists.  Use a different name.");
        const std::string_view rest = trimBlanks(cutComment(text).substr(name_.size()));
        if (!rest.empty())
            add(0, columnIn(text, rest), static_cast<int>(rest.size()),
                "only the rule's name stands before its comment");
    }

    // "« text »" at the end of the line: closed, nothing after it, no "«" inside, and a text
    // of 3 characters or more, or none.
    void comment(int i) {
        const std::string& text = line(i);
        const std::size_t open = text.find(commentStart);
        if (open == std::string::npos)
            return;
        const std::size_t close = text.find(commentEnd, open);
        if (close == std::string::npos) {
            add(i, static_cast<int>(open), 1, "the comment has no closing \xBB");
            return;
        }
        const std::size_t after = text.find_first_not_of(' ', close + 1);
        if (after != std::string::npos)
            add(i, static_cast<int>(after), static_cast<int>(text.size() - after),
                "only blanks may follow the comment's closing \xBB");
        const std::string_view inside = std::string_view(text).substr(open + 1, close - open - 1);
        if (const std::size_t second = inside.find(commentStart); second != std::string::npos)
            add(i, static_cast<int>(open + 1 + second), 1, "a comment holds no \xAB of its own");
        const std::size_t length = trimBlanks(inside).size();
        if (length == 1 || length == 2)
            add(i, static_cast<int>(open), static_cast<int>(close - open + 1),
                "Comment must be 3 or more characters, or none at all.");
    }

    void endLine() {
        if (!rule_.ended) {
            add(last_, -1, 0,
                "the rule has no END line after this line; end it with END:  " + name_);
            return;
        }
        const std::string& text = line(last_);
        if (!text.starts_with("END:")) {
            add(last_, 0, 3, "the END line begins with END:, as END:  " + name_);
            return;
        }
        if (const std::size_t open = text.find(commentStart); open != std::string::npos)
            add(last_, static_cast<int>(open), static_cast<int>(text.size() - open),
                "the END line holds no comment");
        const std::string_view named = trimBlanks(cutComment(text).substr(4));
        if (named != name_)
            add(last_, named.empty() ? -1 : columnIn(text, named), static_cast<int>(named.size()),
                "the END line names the rule: END:  " + name_);
    }

    // The label's characters: up to its colon, or its first character.
    int labelLength(int i) const {
        const std::size_t colon = line(i).find(':');
        return colon != std::string::npos && colon < 4 ? static_cast<int>(colon + 1) : 1;
    }

    void addBody(int i, const BodyCheck& check) {
        for (const LineSpot& spot : check.problems)
            add(i, spot.column, spot.length, spot.text);
    }

    void ifLines() {
        const int count = firstThen_ - 1;
        if (count == 0)
            add(0, -1, 0, "the rule has no if-line, so it never applies");
        names_.assign(static_cast<std::size_t>(std::min(count, maxIfLines)) + 1, {});
        for (int i = 1; i <= count; ++i) {
            if (i > maxIfLines) {
                add(i, -1, 0, "a rule holds at most 26 if-lines, A to Z");
                return;
            }
            const std::string& text = line(i);
            if (text.size() < 2 || text[0] != letter(i)[0] || text[1] != ':')
                add(i, 0, labelLength(i),
                    "Tarnel reads this line as if-line " + letter(i) + ", so its label is \"" +
                        letter(i) + ":\"" +
                        (!text.empty() && text[0] >= '2' && text[0] <= '9'
                             ? "; then-lines begin with 1:"
                             : ""));
            const BodyCheck check = checkIfBody(text, i, count);
            addBody(i, check);
            if (check.branching)
                branchesSound_ = branchesSound_ && check.problems.empty();
            names_[static_cast<std::size_t>(i)] = check.names;
        }
        unreached(count);
    }

    // If-lines that no chain of Branching lines from line A names decide nothing.
    void unreached(int count) {
        if (!branchesSound_ || count == 0)
            return;
        std::vector<bool> reached(names_.size(), false);
        std::vector<int> next{1};
        while (!next.empty()) {
            const int k = next.back();
            next.pop_back();
            if (reached[static_cast<std::size_t>(k)])
                continue;
            reached[static_cast<std::size_t>(k)] = true;
            for (const int named : names_[static_cast<std::size_t>(k)])
                next.push_back(named);
        }
        for (int k = 2; k <= count; ++k)
            if (!reached[static_cast<std::size_t>(k)])
                add(k, -1, 0,
                    "no Branching line leads here from line A, so this line decides "
                    "nothing");
    }

    void thenLines() {
        if (firstThen_ == bodyEnd_)
            add(rule_.ended ? last_ : 0, -1, 0, "the rule has no then-line, so it changes nothing");
        for (int i = firstThen_; i < bodyEnd_; ++i) {
            const int number = i - firstThen_ + 1;
            if (number > maxThenLines) {
                add(i, -1, 0, "Maximum  9  THEN-lines permitted.");
                return;
            }
            const std::string& text = line(i);
            if (text.size() < 2 || text[0] != '0' + number || text[1] != ':') {
                const std::string label = std::to_string(number);
                const bool ifLabel =
                    text.size() >= 2 && text[0] >= 'A' && text[0] <= 'Z' && text[1] == ':';
                add(i, 0, labelLength(i),
                    std::string(ifLabel ? "if-lines come before the then-lines: " : "") +
                        "Tarnel reads this line as then-line " + label + ", so its label is \"" +
                        label + ":\"");
            }
            addBody(i, checkThenBody(text));
        }
    }
};

RuleProblem noRule() {
    return {0, 0, 0,
            "The text holds no rule: a rule is its name line, its if-lines and then-lines, and "
            "its END line."};
}

} // namespace

std::vector<RuleProblem> checkRule(const TextRule& rule, const TakenNames& taken,
                                   std::string_view prefix) {
    return RuleChecker(rule, taken, prefix).run();
}

std::vector<RuleProblem> checkOneRule(const std::vector<TextRule>& rules, const TakenNames& taken) {
    if (rules.empty())
        return {noRule()};
    std::vector<RuleProblem> problems = checkRule(rules.front(), taken);
    if (rules.size() > 1)
        problems.push_back({rules[1].textLines.front(), rules[1].indents.front(), 0,
                            "The text holds more than one rule, where the rule editor holds one; "
                            "New Rule from Text on the order screen adds several."});
    return problems;
}

std::vector<RuleProblem> checkNewRules(const std::vector<TextRule>& rules,
                                       const TakenNames& taken) {
    if (rules.empty())
        return {noRule()};
    std::vector<RuleProblem> problems;
    std::vector<std::string_view> names;
    for (std::size_t r = 0; r < rules.size(); ++r) {
        const TextRule& rule = rules[r];
        const std::string_view name = ruleNameOf(rule.lines.front());
        const std::string prefix =
            rules.size() == 1
                ? std::string()
                : "Rule " + (name.empty() ? std::to_string(r + 1) : std::string(name)) + ": ";
        std::ranges::move(checkRule(rule, taken, prefix), std::back_inserter(problems));
        if (!name.empty() && std::ranges::find(names, name) != names.end())
            problems.push_back({rule.textLines.front(), rule.indents.front(),
                                static_cast<int>(name.size()),
                                prefix + "Name line: the text holds another rule named '" +
                                    std::string(name) + "'"});
        names.push_back(name);
    }
    return problems;
}

std::string problemList(std::string_view headline, const std::vector<RuleProblem>& problems) {
    std::string text(headline);
    for (const RuleProblem& problem : problems)
        text += "\r\n" + problem.text;
    return text;
}

} // namespace tarnel
