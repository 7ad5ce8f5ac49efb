// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// A rule read from text: its lines as the model file's reader keeps them (every line but the
// END line with a comment, the body lines trimmed), and for each the line of the text it came
// from (from 0) and the blanks before it there. `ended` is false when the text ran out before
// the rule's END line.
struct TextRule {
    std::vector<std::string> lines;
    std::vector<int> textLines;
    std::vector<int> indents;
    bool ended = false;
};

// Rules written as the model file writes them: a name line, if-lines, then-lines and an END
// line each, with any blank lines around them, read as the model file's reader reads its Rules
// section; line breaks may be CR LF, LF or CR. A whole model file, or any part of one that holds
// the markers of its Rules section, gives the rules between the markers. Windows-1252 text.
std::vector<TextRule> readRulesText(std::string_view text);

// The lines of a rule as one text, CR LF between them, as readRulesText reads them back.
std::string textOfRule(const std::vector<std::string>& lines);

} // namespace tarnel
