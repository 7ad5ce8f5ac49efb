// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Word.h"

#include <array>
#include <string>
#include <string_view>

namespace tarnel {

// One row of the built-in, read-only Output Alphabet.
struct OutputRow {
    std::string_view values;      // 21 signs: "#" plus and "=" minus define the symbol,
                                  // "+" and "-" are only usual for it
    std::string_view symbol;      // one or two code points of the old 8-bit IPA font
    std::string_view description; // UTF-8, as the Output Alphabet viewer shows it
};

inline constexpr int outputRowCount = 91;

// Row 1 of the table is element 0; row order is the search order.
const std::array<OutputRow, outputRowCount>& outputAlphabet();

// The last row whose symbol is `symbol`, or nullptr.
const OutputRow* findOutputRow(std::string_view symbol);

enum class CellColour { Black, Blue, Red };

// One decoded segment: what an output cell shows.
struct DecodedSymbol {
    std::string codes;   // the symbol's code points with its marks in display order
    std::string differs; // the differing-feature text ("+high", or " -cons +voice ...")
    CellColour colour = CellColour::Black;
};

// Decodes a segment of the working word (marks 1 to 9, fallback letter in red).
DecodedSymbol getSymbol(const Segment& segment);

// Decodes a segment of the reflex word (marks 1 to 8; a segment no row fits is C5 in red).
DecodedSymbol reflexGetSymbol(const Segment& segment);

// The fallback letter of a segment that fits no row.
std::string unknownLet(const Segment& segment);

} // namespace tarnel
