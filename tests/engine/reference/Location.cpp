// SPDX-License-Identifier: GPL-3.0-or-later
#include "Location.h"

namespace tarnel::reference {

namespace {

constexpr int numberLimit = 1'000'000; // far beyond any word, small enough for sums

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

int readNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > numberLimit)
            value = numberLimit;
    }
    return negative ? -value : value;
}

std::string_view locationText(std::string_view token) {
    if (!token.empty() && token.front() == '(')
        token.remove_prefix(1);
    return token.substr(0, token.find(')'));
}

Location parseLocation(std::string_view text) {
    if (text == "*")
        return {Location::Kind::Focus, 0};
    if (!text.empty() && text.front() == '*')
        return {Location::Kind::Offset, readNumber(text.substr(1))};
    return {Location::Kind::Absolute, readNumber(text)};
}

Location parseAbsoluteIfLocation(std::string_view text) {
    if (text == "*")
        return {Location::Kind::Focus, 0};
    if (!text.empty() && text.front() == '*')
        return {Location::Kind::Offset, readNumber(text.substr(1, 2))};
    return {Location::Kind::Absolute, readNumber(text)};
}

int resolve(Location location, int focus, int length) {
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

} // namespace tarnel::reference
