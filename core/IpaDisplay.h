// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tarnel {

// The font families asked for, in order, to show IPA symbols.
inline constexpr const char* ipaFontFamilies[] = {"Doulos SIL", "Charis SIL", "DejaVu Sans"};

// The Unicode text (UTF-8) of the Output Alphabet code points `codes`, byte by byte in the
// order they stand. The screens and the batch tool compose the result to NFC.
std::string ipaDisplayText(std::string_view codes);

} // namespace tarnel
