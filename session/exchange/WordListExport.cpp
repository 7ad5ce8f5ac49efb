// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordListExport.h"

#include "core/Cp1252.h"
#include "core/Text.h"

#include <algorithm>

namespace tarnel {

namespace {

std::string field(std::string_view cp1252, char separator) {
    return quotedField(cp1252ToUtf8(cp1252), separator);
}

// An item is the etymon, blanks and the reflex; one loaded from a hand-edited file may hold
// other blanks, which stay in the reflex.
std::string row(std::string_view item, char separator) {
    const std::string_view trimmed = trimBlanks(item);
    const auto split = std::min(trimmed.find(' '), trimmed.size());
    return field(trimmed.substr(0, split), separator) + separator +
           field(trimBlanks(trimmed.substr(split)), separator) + "\n";
}

} // namespace

std::string wordListText(const std::vector<std::string>& vocabulary, WordListFormat format) {
    const char separator = static_cast<char>(separatorOf(format));
    std::string text = format == WordListFormat::Tsv ? std::string() : "\xEF\xBB\xBF";
    text += std::string("etymon") + separator + "reflex\n";
    for (const std::string& item : vocabulary)
        text += row(item, separator);
    return text;
}

} // namespace tarnel
