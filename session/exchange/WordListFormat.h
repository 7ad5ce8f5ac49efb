// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tarnel {

// The layouts a word list comes in: tab-separated, comma-separated, and the
// semicolon-separated CSV that spreadsheets write in locales whose decimal mark is a comma.
enum class WordListFormat { Tsv, Csv, SemicolonCsv };

// Decided by the first line that is not blank, counting separators outside quotation marks:
// a tab means TSV; otherwise semicolons and no comma mean semicolon CSV; anything else is
// read as comma CSV.
WordListFormat detectFormat(std::u32string_view text);

char32_t separatorOf(WordListFormat format);

// "TSV", "CSV", "CSV with semicolons".
std::string formatName(WordListFormat format);

// The format a file name asks for: CSV for a name ending in ".csv" (any case), else TSV.
WordListFormat formatForFileName(std::string_view fileName);

} // namespace tarnel
