// SPDX-License-Identifier: GPL-3.0-or-later
#include "RuleElements.h"

#include "model/RuleName.h"

#include <sstream>

namespace tarnel {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> tokensOf(const std::string& body) {
    std::vector<std::string> tokens;
    std::istringstream in(body);
    for (std::string token; in >> token;)
        tokens.push_back(token);
    return tokens;
}

bool isLowerLetter(char c) {
    return c >= 'a' && c <= 'z';
}

bool isOperator(const std::string& t) {
    return t == "=" || t == "<>" || t == ">" || t == "<";
}

ElementKind ifTokenKind(const std::vector<std::string>& tokens, std::size_t i) {
    const std::string& t = tokens[i];
    if (t.front() == '(')
        return ElementKind::Location;
    if (isOperator(t))
        return ElementKind::Operator;
    if (tokens.front() == "COUNT")
        return i == 0
                   ? ElementKind::Keyword
                   : (i + 1 == tokens.size() && i >= 4 ? ElementKind::Count : ElementKind::Feature);
    if (isBranchingBody(tokens))
        return i == 1 ? ElementKind::Connective : ElementKind::BranchLabel;
    return ElementKind::Feature;
}

ElementKind thenTokenKind(const std::vector<std::string>& tokens, std::size_t i) {
    const std::string& t = tokens[i];
    if (t.front() == '(')
        return ElementKind::Location;
    if (isOperator(t))
        return ElementKind::Operator;
    const std::string& first = tokens.front();
    if (first == "INSERT" || first == "SWAP" || first == "DELETE")
        return i == 0 ? ElementKind::Keyword : ElementKind::Insertee;
    return ElementKind::Feature;
}

void addBodyElements(std::vector<Element>& out, const LineParts& parts, int line, LineRole role) {
    const bool absolute = isAbsoluteBody(parts.tokens);
    for (std::size_t i = 0; i < parts.tokens.size(); ++i) {
        const ElementKind kind =
            role == LineRole::If ? ifTokenKind(parts.tokens, i) : thenTokenKind(parts.tokens, i);
        out.push_back({kind, parts.tokens[i], line, static_cast<int>(i), absolute});
    }
}

} // namespace

int endLine(const std::vector<std::string>& lines) {
    return static_cast<int>(lines.size()) - 1;
}

int firstThenLine(const std::vector<std::string>& lines) {
    const int end = endLine(lines);
    for (int i = 1; i < end; ++i)
        if (!lines[static_cast<std::size_t>(i)].empty() &&
            lines[static_cast<std::size_t>(i)][0] == '1')
            return i;
    return end < 1 ? 1 : end;
}

namespace {

LineRole roleAt(int line, int end, int firstThen) {
    if (line == 0)
        return LineRole::Name;
    if (line >= end)
        return LineRole::End;
    return line < firstThen ? LineRole::If : LineRole::Then;
}

void addLineElements(std::vector<Element>& out, const std::string& text, int line, LineRole role) {
    const LineParts parts = splitLine(text, role);
    if (role == LineRole::Name) {
        out.push_back({ElementKind::Name, parts.label, line});
    } else if (role == LineRole::End) {
        out.push_back({ElementKind::EndLabel, "END:", line});
        for (const std::string& token : parts.tokens)
            out.push_back({ElementKind::EndName, token, line});
    } else {
        out.push_back({role == LineRole::If ? ElementKind::IfLabel : ElementKind::ThenLabel,
                       parts.label, line});
        addBodyElements(out, parts, line, role);
    }
    if (!parts.comment.empty())
        out.push_back({ElementKind::Comment, parts.comment, line});
}

} // namespace

LineRole lineRole(const std::vector<std::string>& lines, int line) {
    return roleAt(line, endLine(lines), firstThenLine(lines));
}

LineParts splitLine(const std::string& line, LineRole role) {
    LineParts parts;
    const auto guillemet = line.find('\xAB');
    if (guillemet != std::string::npos)
        parts.comment = line.substr(guillemet);
    const std::string text = trimmed(line.substr(0, guillemet));
    if (role == LineRole::Name) {
        parts.label = ruleNameOf(text);
        return parts;
    }
    const auto colon = text.find(':');
    parts.label = text.substr(0, colon == std::string::npos ? 0 : colon + 1);
    parts.tokens = tokensOf(colon == std::string::npos ? text : text.substr(colon + 1));
    return parts;
}

std::string joinLine(const LineParts& parts, LineRole role) {
    std::string line = parts.label;
    if (role != LineRole::Name) {
        line += ' ';
        for (const std::string& token : parts.tokens)
            line += ' ' + token;
    }
    if (!parts.comment.empty())
        line += ' ' + parts.comment;
    return line;
}

bool isAbsoluteBody(const std::vector<std::string>& tokens) {
    return !tokens.empty() && (tokens.front()[0] == '+' || tokens.front()[0] == '-');
}

bool isBranchingBody(const std::vector<std::string>& tokens) {
    if (tokens.empty() || isAbsoluteBody(tokens) || isLowerLetter(tokens.front()[0]))
        return false;
    return tokens.front().rfind("COUNT", 0) != 0;
}

std::vector<Element> ruleElements(const std::vector<std::string>& lines) {
    std::vector<Element> out;
    const int end = endLine(lines);
    const int firstThen = firstThenLine(lines);
    for (int i = 0; i < static_cast<int>(lines.size()); ++i)
        addLineElements(out, lines[static_cast<std::size_t>(i)], i, roleAt(i, end, firstThen));
    return out;
}

std::vector<Element> lineElements(const std::vector<std::string>& lines, int line) {
    std::vector<Element> out;
    if (line >= 0 && line < static_cast<int>(lines.size()))
        addLineElements(out, lines[static_cast<std::size_t>(line)], line, lineRole(lines, line));
    return out;
}

} // namespace tarnel
