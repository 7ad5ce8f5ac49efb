// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordListImport.h"

#include <string>

namespace tarnel {

// "Line 12: Character "X" is not in the Etymon Alphabet.", with the column after the line
// when the reason is one character.
std::string refusedRowText(const RefusedRow& row);

// What an import would do, for the user to accept or decline (Windows-1252, lines joined by
// CR LF): the counts ("2,996 items to import; 3 rows refused; 1 duplicate skipped."), how the
// file was read, the header taken, then the refused rows, at most 20 of them and
// "... and N more." after.
std::string importSummary(const WordListImport& import);

inline constexpr int summaryRefusedRows = 20;

// The question under the summary: import, or import nothing; and, when the first row may be
// read either way, read it the other way (the choice `otherHeaderChoice` gives).
std::string importQuestion(const WordListImport& import);
HeaderChoice otherHeaderChoice(const WordListImport& import);

} // namespace tarnel
