// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tarnel {

// Reads a number the way rule text has always been read: leading blanks, an optional sign,
// then digits up to the first other character. Anything else reads as 0, so "+cons" is 0.
// Very long digit runs saturate instead of overflowing.
int readNumber(std::string_view text);

// A location expression, read once from its text.
struct Location {
    enum class Kind { Focus, Offset, Absolute };
    Kind kind = Kind::Absolute;
    int value = 0; // the offset from the focus, or the absolute number n
};

// The text between the parentheses of a location token: "(*+1)" gives "*+1". A missing
// "(" or ")" is tolerated.
std::string_view locationText(std::string_view token);

// The reading used by Relative and COUNT lines and by every then-line: "*" is the focus,
// "*" and a number an offset, anything else an absolute number.
Location parseLocation(std::string_view text);

// The reading of Absolute if-lines: an offset is exactly the two characters after "*".
Location parseAbsoluteIfLocation(std::string_view text);

// The position a location names: the focus plus an offset, n - 1 for n > 0, and
// length + n for n <= 0 (so 0 is one past the last segment). May lie outside the word.
inline int resolve(Location location, int focus, int length) {
    switch (location.kind) {
    case Location::Kind::Focus:
        return focus;
    case Location::Kind::Offset:
        return focus + location.value;
    case Location::Kind::Absolute:
        break;
    }
    return location.value > 0 ? location.value - 1 : length + location.value;
}

// `resolve` straight from the text between the parentheses.
int resolveLocation(std::string_view text, int focus, int length);

} // namespace tarnel
