// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportSummary.h"

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
                       counted(static_cast<std::size_t>(import.duplicates), "duplicate") +
                       " skipped.";
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

std::string importQuestion(const WordListImport& import) {
    if (import.eitherWayLine == 0)
        return "Click \"OK\" to import the items, or \"Cancel\" to import nothing.";
    const std::string line = "line " + std::to_string(import.eitherWayLine);
    const std::string otherWay =
        import.header ? "import " + line + " as an item" : "take " + line + " as a header";
    return "Click \"Yes\" to import the items, \"No\" to " + otherWay +
           " instead, or \"Cancel\" to import nothing.";
}

HeaderChoice otherHeaderChoice(const WordListImport& import) {
    return import.header ? HeaderChoice::No : HeaderChoice::Yes;
}

} // namespace tarnel
