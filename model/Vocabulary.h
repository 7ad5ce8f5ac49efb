// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Alphabet.h"
#include "core/Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// A Vocabulary item is the etymon, two blanks and the reflex. The checks below refuse a text
// with the message for the first fault found (Windows-1252, lines joined by CR LF).

// A pair typed into the one-item box.
Result<> checkTypedItem(std::string_view text, const Alphabet& etymon, const Alphabet& reflex);
// One line of the whole-list box.
Result<> checkItemLine(std::string_view line, const Alphabet& etymon, const Alphabet& reflex);

// The item made of a text that passed its check: first word, two blanks, the rest (trimmed).
std::string vocabItem(std::string_view text);
// The text of a line of the whole-list box as checked: blank-space and control characters
// removed from both ends, control characters from the inside.
std::string cleanItemLine(std::string_view line);

// The etymon of an item: its text before the first blank.
std::string itemEtymon(std::string_view item);

} // namespace tarnel
