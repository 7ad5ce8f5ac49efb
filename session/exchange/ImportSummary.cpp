// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportSummary.h"

#include "core/Cp1252.h"

#include <algorithm>

namespace tarnel {

namespace {

constexpr std::string_view newline = "\r\n";

// 2996 -> "2,996".
std::string withThousands(std::size_t number) {
    std::string digits = std::to_string(number);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

// "no rows", "1 row", "2,996 rows".
std::string counted(std::size_t number, const std::string& noun) {
    if (number == 0)
        return "no " + noun + "s";
    return withThousands(number) + " " + noun + (number == 1 ? "" : "s");
}

std::string countsLine(const WordListImport& import) {
    std::string line = counted(import.items.size(), "item") + " to import; " +
                       counted(import.refused.size(), "row") + " refused; " +
                       counted(import.duplicates.size(), "duplicate") + " skipped.";
    line.front() = line.front() == 'n' ? 'N' : line.front();
    return line;
}

std::string readingLine(const WordListImport& import) {
    std::string line =
        "Read as " + formatName(import.format) + ", " + encodingName(import.encoding) + ".";
    if (import.header)
        line += " Line " + std::to_string(import.header->line) + " was taken as a header (\"" +
                import.header->etymon + "\", \"" + import.header->reflex + "\").";
    return line;
}

} // namespace

std::string skippedRowText(const SkippedRow& row) {
    const std::string where =
        row.earlierLine == 0 ? "in the Vocabulary" : "on line " + std::to_string(row.earlierLine);
    return "Line " + std::to_string(row.line) + ": \"" + cp1252ToUtf8(row.item) + "\" is " + where +
           " already.";
}

std::string refusedRowText(const RefusedRow& row) {
    std::string where = "Line " + std::to_string(row.line);
    if (row.column > 0)
        where += ", column " + std::to_string(row.column);
    return where + ": " + row.reason;
}

std::string importSummary(const WordListImport& import) {
    std::string text = countsLine(import);
    text += newline;
    text += readingLine(import);
    if (import.refused.empty())
        return text;
    text += newline;
    text += "Refused rows:";
    const auto shown = std::min(import.refused.size(), std::size_t{summaryRefusedRows});
    for (std::size_t i = 0; i < shown; ++i)
        text += std::string(newline) + refusedRowText(import.refused[i]);
    if (import.refused.size() > shown)
        text += std::string(newline) + "... and " + withThousands(import.refused.size() - shown) +
                " more.";
    return text;
}

std::string importDetails(const WordListImport& import) {
    std::string text;
    const auto section = [&text](std::string_view heading) {
        if (!text.empty())
            text += newline;
        text += heading;
    };
    if (!import.refused.empty())
        section("Refused rows:");
    for (const RefusedRow& row : import.refused)
        text += std::string(newline) + refusedRowText(row);
    if (!import.duplicates.empty())
        section("Skipped duplicates:");
    for (const SkippedRow& row : import.duplicates)
        text += std::string(newline) + skippedRowText(row);
    return text;
}

namespace {

constexpr std::string_view asHeader = "First row is a header";
constexpr std::string_view asItem = "First row is an item";

} // namespace

std::string importQuestion(const WordListImport& import) {
    if (import.eitherWayLine == 0)
        return "Click \"OK\" to import the items, or \"Cancel\" to import nothing.";
    return "The first row (line " + std::to_string(import.eitherWayLine) + ") is read as " +
           (import.header ? "a header" : "an item") + ". Click \"" + std::string(asHeader) +
           "\" or \"" + std::string(asItem) +
           "\" to import the items so, or \"Cancel\" to import nothing.";
}

std::vector<std::string> importButtons(const WordListImport& import) {
    if (import.eitherWayLine == 0)
        return {"OK", "Cancel"};
    return {std::string(asHeader), std::string(asItem), "Cancel"};
}

std::optional<HeaderChoice> importChoice(const WordListImport& import, std::size_t chosen) {
    if (chosen + 1 >= importButtons(import).size())
        return std::nullopt;
    if (import.eitherWayLine == 0)
        return HeaderChoice::Automatic;
    return chosen == 0 ? HeaderChoice::Yes : HeaderChoice::No;
}

} // namespace tarnel
