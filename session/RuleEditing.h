// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"

#include <optional>
#include <string>
#include <vector>

namespace tarnel {

// The rule editor's edits of a rule's lines. A refused edit answers with the message
// (Windows-1252) and leaves the lines as they were.

// The line types the editor's menus put into a line.
enum class LineTemplate { Absolute, Relative, Count, Insert, Swap, Delete };

// The body and comment a line type starts with, e.g. "+cons (*) «...»".
std::string templateText(LineTemplate type);

// Renames the rule: its name line keeps its comment, the END line follows the name.
void renameRule(std::vector<std::string>& lines, const std::string& name);

// Sets the comment of `line` from the comment box text; empty text stands for "...".
Result<> setComment(std::vector<std::string>& lines, int line, const std::string& text);

// Replaces the body and comment of if-line or then-line `line` by a line type's template.
void setLineType(std::vector<std::string>& lines, int line, LineTemplate type);

// Inserts a then-line "+cons (*)" above then-line `line`, or after the last then-line when
// `line` is the END line; the later then-lines are renumbered.
Result<> insertThenLineAbove(std::vector<std::string>& lines, int line);

// Makes if-line `line` the Branching line "Y and Z" of two new if-lines after the last one.
Result<> makeBranching(std::vector<std::string>& lines, int line);

// Deletes an if-line or then-line; the later lines are relabelled without gaps and every
// Branching label follows the line it names.
Result<> deleteLine(std::vector<std::string>& lines, int line);

// Adds the unit "+cons (*)" at the end of Absolute line `line`.
Result<> insertUnit(std::vector<std::string>& lines, int line);

// Removes the unit whose feature or location is body token `token` of Absolute line `line`.
Result<> deleteUnit(std::vector<std::string>& lines, int line, int token);

// Body-token edits of one element (token = Element::token).
void changeFeature(std::vector<std::string>& lines, int line, int token, const std::string& name);
void toggleSign(std::vector<std::string>& lines, int line, int token);
void setToken(std::vector<std::string>& lines, int line, int token, const std::string& text);

// The elements that change on a click: "and"/"or", the comparison sign, a COUNT's number.
// Returns false when the click changes nothing.
bool rotateElement(std::vector<std::string>& lines, int line, int token);

// Ctrl-C: every line but the name and END lines. Ctrl-V: those lines replaced by `buffer`.
std::vector<std::string> copyBody(const std::vector<std::string>& lines);
void pasteBody(std::vector<std::string>& lines, const std::vector<std::string>& buffer);

} // namespace tarnel
