// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RowReader.h"
#include "core/Alphabet.h"
#include "session/ipa/IpaWords.h"

#include <optional>
#include <string>

namespace tarnel {

// A row that cannot become an item, and why.
struct RefusedRow {
    int line = 0;       // the row's first line; for a character, the line it stands on
    int column = 0;     // that character's column, from 1; 0 when the reason is no one character
    std::string reason; // UTF-8: a refused character is shown as it is
};

// What one row makes: a Vocabulary item ("etymon  reflex", Windows-1252), or its refusal.
struct RowOutcome {
    std::string item;
    std::optional<RefusedRow> refusal;
    std::optional<IpaWordRefusal> unknownSymbol; // an IPA symbol no column shows as
};

// Checks the first two fields of `row` as the etymon and the reflex, trimmed of blanks and
// control characters, in this order: both present, every character one Windows-1252 can
// hold, one word each, then the checks of a typed item (the length, the two alphabets).
// With `ipa` the two fields are IPA, read through the alphabets as symbols.
RowOutcome checkRow(const RowReader& reader, const Row& row, const Alphabet& etymon,
                    const Alphabet& reflex, const IpaAlphabets* ipa = nullptr);

// A row of nothing but blanks and separators.
bool isBlankRow(const Row& row);

// The field `index` of `row` trimmed of blanks and control characters; empty when the row
// has no such field.
std::u32string_view trimmedField(const Row& row, std::size_t index);

} // namespace tarnel
