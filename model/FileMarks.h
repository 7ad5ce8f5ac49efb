// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tarnel {

// Windows-1252 characters with a meaning in the model file.
inline constexpr char sectionMark = '\xA7';  // "§" opens every section marker
inline constexpr char pilcrow = '\xB6';      // "¶" marks a persistent Diachronic entry
inline constexpr char openComment = '\xAB';  // "«"
inline constexpr char closeComment = '\xBB'; // "»"

// Given to rule lines read without a comment, so every line but "END:" carries one.
inline constexpr std::string_view commentPlaceholder = " \xAB...\xBB";

inline constexpr std::string_view crlf = "\r\n";

// Notes as the file keeps them: without blanks or line breaks at either end. The writer
// writes them so and the reader gives them back so, or a save, load and save would differ.
constexpr std::string_view trimmedNotes(std::string_view notes) {
    constexpr std::string_view blankSpace = " \r\n";
    const auto first = notes.find_first_not_of(blankSpace);
    if (first == std::string_view::npos)
        return {};
    return notes.substr(first, notes.find_last_not_of(blankSpace) - first + 1);
}

} // namespace tarnel
