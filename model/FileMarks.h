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

} // namespace tarnel
