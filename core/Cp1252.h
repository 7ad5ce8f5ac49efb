// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// Model text is Windows-1252 bytes. Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which the code
// page leaves undefined, map to U+0081 ... U+009D and back, so no byte is ever lost.
std::string cp1252ToUtf8(std::string_view bytes);

// No value when the text is not valid UTF-8 (overlong forms, surrogates and values beyond
// U+10FFFF included) or holds a character Windows-1252 cannot hold.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

// True when `bytes` are valid UTF-8 throughout (the test utf8ToCp1252 makes of each sequence).
bool isValidUtf8(std::string_view bytes);

char32_t cp1252ToUnicode(unsigned char byte);
std::optional<unsigned char> unicodeToCp1252(char32_t codePoint);

// Appends the UTF-8 form of `codePoint` to `out`.
void appendUtf8(std::string& out, char32_t codePoint);

} // namespace tarnel
