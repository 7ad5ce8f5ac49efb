// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IpaSpelling.h"
#include "core/Alphabet.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// The column values ("+" or "-" for each of the 21 features) that the decoder shows as
// exactly the one symbol `symbol` (UTF-8): those of its Output Alphabet row, with the
// features its marks stand for. Values shown with no differing feature are preferred; none
// when no values show as it.
std::optional<std::string> valuesForIpa(const IpaSpelling& spelling, std::string_view symbol);

// A character to propose for a new column of `alphabet` showing `symbol`: one no column has
// and a column can take, the symbol's own letter first, then the letter the old phonetic font
// gave it, then A to Z, a to z, the digits and the other printable characters.
std::optional<char> proposeCharacter(const Alphabet& alphabet, std::string_view symbol,
                                     const IpaSpelling& spelling);

// What a new column can be made from: the Output Alphabet's symbols in table order (UTF-8,
// an affricate tied), and the marks the decoder adds to them, in the order it adds them.
struct IpaPalette {
    std::vector<std::string> symbols;
    std::vector<std::string> marks;
};
IpaPalette ipaPalette(const IpaSpelling& spelling);

} // namespace tarnel
