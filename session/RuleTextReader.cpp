// SPDX-License-Identifier: GPL-3.0-or-later
#include "RuleTextReader.h"

#include "core/Text.h"
#include "model/FileMarks.h"

namespace tarnel {

namespace {

// The lines of `text`, split at CR LF, LF or CR.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

// The lines between the markers of a Rules section, when the text holds its START marker.
void keepRulesSection(std::vector<std::string_view>& lines, std::size_t& first, std::size_t& end) {
    const auto marker = [&](std::string_view name, std::size_t from) {
        for (std::size_t i = from; i < lines.size(); ++i)
            if (lines[i].starts_with(sectionMark) && lines[i].substr(1).starts_with(name))
                return i;
        return lines.size();
    };
    const std::size_t start = marker("4_START:Rules", 0);
    if (start == lines.size())
        return;
    first = start + 1;
    end = marker("5_END:Rules", first);
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos;
}

// A line as the reader keeps it: from its first character that is no blank, with the empty
// comment added when it has none (the END line never gets one).
std::string keptLine(std::string_view line, bool nameLine) {
    std::string kept(line);
    if (!kept.starts_with("END:") && kept.find(openComment) == std::string::npos)
        kept += commentPlaceholder;
    return nameLine ? kept : std::string(trimBlanks(kept));
}

} // namespace

std::vector<TextRule> readRulesText(std::string_view text) {
    std::vector<std::string_view> lines = splitLines(text);
    std::size_t i = 0;
    std::size_t end = lines.size();
    keepRulesSection(lines, i, end);
    const auto skipBlankLines = [&] {
        while (i < end && isBlank(lines[i]))
            ++i;
    };
    std::vector<TextRule> rules;
    for (skipBlankLines(); i < end; skipBlankLines()) {
        TextRule& rule = rules.emplace_back();
        for (bool nameLine = true; i < end && !rule.ended; skipBlankLines(), nameLine = false) {
            const std::string_view line = lines[i];
            const std::size_t indent = line.find_first_not_of(' ');
            const std::string_view from = line.substr(indent);
            rule.ended = !nameLine && from.starts_with("END");
            rule.lines.push_back(keptLine(from, nameLine));
            rule.textLines.push_back(static_cast<int>(i));
            rule.indents.push_back(static_cast<int>(indent));
            ++i;
        }
    }
    return rules;
}

std::string textOfRule(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : std::string(crlf)) + lines[i];
    return text;
}

} // namespace tarnel
