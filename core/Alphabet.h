// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tarnel {

// One column of an input alphabet, exactly as a model file line holds it: the character,
// then one "+" or "-" per sound feature in storage order ("a----+-+++---+-----+++").
// A column from a hand-edited file may hold fewer or more signs; a missing sign reads as
// minus, and only "+" reads as plus.
using AlphabetColumn = std::string;

// The columns in grid order, which is also the search order: the first column headed by a
// character wins.
using Alphabet = std::vector<AlphabetColumn>;

inline constexpr int minAlphabetSize = 5;
inline constexpr int maxAlphabetSize = 52;

// The first column headed by `character`, or nullptr.
const AlphabetColumn* findColumn(const Alphabet& alphabet, char character);

// The value of sound feature `feature` (0..20) in `column`.
bool columnValue(const AlphabetColumn& column, int feature);

// Replaces both alphabets by the 26 default columns a..z, derived from the plain-letter
// rows of the Output Alphabet.
void createAlphabets(Alphabet& etymon, Alphabet& reflex);

} // namespace tarnel
