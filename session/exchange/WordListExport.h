// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordListFormat.h"

#include <string>
#include <vector>

namespace tarnel {

// The Vocabulary as a word list: UTF-8 (CSV after a byte-order mark, by which a spreadsheet
// knows it is UTF-8), a header row "etymon", "reflex", then one row per item in list order,
// every line ending in LF (the Linux custom; spreadsheets read it as well as CR LF). A field is
// quoted only when it holds the separator, a quotation mark or a line break. Reading the result
// back gives the same items.
std::string wordListText(const std::vector<std::string>& vocabulary, WordListFormat format);

} // namespace tarnel
