// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"

#include <string>
#include <string_view>

namespace tarnel {

// How the bytes of a word list were read. A file of plain ASCII reads the same either way and
// is reported as ASCII.
enum class TextEncoding { Ascii, Utf8, Utf8WithBom, Windows1252 };

struct DecodedText {
    std::u32string text; // one code point per character, the byte-order mark dropped
    TextEncoding encoding = TextEncoding::Ascii;
};

// Reads word-list bytes as UTF-8 when they are valid UTF-8 (strictly: no overlong forms, no
// surrogates, nothing past U+10FFFF; a leading byte-order mark is dropped), and as
// Windows-1252 otherwise. Text with a UTF-16 byte-order mark is refused rather than read as
// nonsense.
Result<DecodedText> decodeWordListText(std::string_view bytes);

// "ASCII", "UTF-8", "UTF-8 with BOM", "Windows-1252".
std::string encodingName(TextEncoding encoding);

} // namespace tarnel
