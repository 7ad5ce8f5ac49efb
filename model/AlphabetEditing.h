// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Alphabet.h"
#include "core/Result.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace tarnel {

// The edits the Etymon and Reflex Alphabet editors make to an alphabet. A column is
// addressed by its index in the grid; item 0 of a column is its character, items 1..21 its
// feature values. Every refused edit returns the message the editor shows and changes nothing.

inline constexpr std::string_view alphabetFullMessage = "Alphabet is at maximum permitted size.";
inline constexpr std::string_view alphabetTooSmallMessage =
    "You can't have an alphabet with fewer than 5 characters!";
inline constexpr std::string_view renameDuplicateMessage =
    "Not that character: it already exists in the alphabet";
inline constexpr std::string_view newCharacterDuplicateMessage =
    "That character already exists in the alphabet.";

// Switches value item `item` (1..21) of `column` between "+" and "-", then keeps "high" and
// "low", and "front" and "back", from both being plus: the other one of the pair turns minus.
void toggleValue(AlphabetColumn& column, int item);

// Swaps column `index` with its neighbour to the left (`step` -1) or right (`step` +1).
// Returns the column's new index, or no value when there is no such neighbour.
std::optional<std::size_t> swapWithNeighbour(Alphabet& alphabet, std::size_t index, int step);

// Places a copy of column `index` immediately to its right.
Result<> insertCopy(Alphabet& alphabet, std::size_t index);

// Removes column `index`.
Result<> deleteColumn(Alphabet& alphabet, std::size_t index);

// The character a letter or digit key gives: `key` is the key's own label ('A'..'Z',
// '0'..'9') or, with Shift held, the symbol the keyboard reports for a shifted digit key.
// No value for any other key.
std::optional<char> keyCharacter(char key, bool shift);

// Heads column `index` with `character` unless another column has it.
Result<> renameColumn(Alphabet& alphabet, std::size_t index, char character);

// A character typed into the new-character box for the new column `index`: codes 33..255
// are accepted (true) when no other column has them, and refused when one does; lower codes
// are ignored (false), and so is "§": at the start of a line of the model file it ends the
// alphabet's section.
Result<bool> acceptNewCharacter(Alphabet& alphabet, std::size_t index, unsigned char code);

} // namespace tarnel
