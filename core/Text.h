// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tarnel {

// `text` without the blanks around it.
std::string_view trimBlanks(std::string_view text);

// A field of a CSV or TSV row: as it is, or in quotation marks (each one inside doubled) when
// it holds the separator, a quotation mark or a line break.
std::string quotedField(std::string_view text, char separator);

} // namespace tarnel
