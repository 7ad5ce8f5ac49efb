// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordListImport.h"

#include <optional>
#include <string>
#include <vector>

namespace tarnel {

// "Line 12, column 3: Character ʃ (U+0283) is not in Windows-1252, ...", with the column after
// the line when the reason is one character.
std::string refusedRowText(const RefusedRow& row);
// "Line 9: "pater  padre" is in the Vocabulary already." or "... is on line 3 already."
std::string skippedRowText(const SkippedRow& row);

// What an import would do, for the user to accept or decline (UTF-8, lines joined by CR LF):
// the counts ("2,996 items to import; 3 rows refused; 1 duplicate skipped."), how the file
// was read, the header taken, then the refused rows, at most 20 of them and "... and N more."
// after.
std::string importSummary(const WordListImport& import);

inline constexpr int summaryRefusedRows = 20;

// Every refused row and every skipped duplicate, one a line, for the user to read through,
// copy or keep (UTF-8, lines joined by CR LF); empty when there are none.
std::string importDetails(const WordListImport& import);

// The question under the summary: import, or import nothing; and, when the first row may be
// read either way, which way to read it. The buttons that answer it, Cancel last.
std::string importQuestion(const WordListImport& import);
std::vector<std::string> importButtons(const WordListImport& import);

// The header choice the button `chosen` of importButtons stands for; none for Cancel.
std::optional<HeaderChoice> importChoice(const WordListImport& import, std::size_t chosen);

} // namespace tarnel
