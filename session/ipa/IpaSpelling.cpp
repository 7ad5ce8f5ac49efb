// SPDX-License-Identifier: GPL-3.0-or-later
#include "IpaSpelling.h"

#include "core/Cp1252.h"
#include "core/IpaDisplay.h"
#include "core/OutputAlphabet.h"

#include <algorithm>

namespace tarnel {

namespace {

constexpr char32_t tieBar = 0x0361;
constexpr char32_t tieBarBelow = 0x035C;

bool isCombining(char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
           (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF);
}

// Stress marks stand before the symbol they belong to.
bool isStress(char32_t c) {
    return c == 0x02C8 || c == 0x02CC;
}

// Modifier letters (ʰ ʷ ʲ ː and the like) belong to the symbol before them.
bool isModifier(char32_t c) {
    return (c >= 0x02B0 && c <= 0x02FF && !isStress(c)) || (c >= 0x1D2C && c <= 0x1D6A) ||
           (c >= 0x1D9B && c <= 0x1DBF) || c == 0x2071 || c == 0x207F ||
           (c >= 0x2090 && c <= 0x209C);
}

bool isMark(char32_t c) {
    return isCombining(c) || isStress(c) || isModifier(c);
}

// A symbol as it is read: its bases, its marks, and whether it waits for a base (after a
// stress mark or a tie bar).
struct Reading {
    IpaSymbol symbol;
    std::u32string bases;
    std::u32string marks;
    bool awaitingBase = false;
    bool danglingTie = false;
};

std::u32string keyOf(std::u32string_view bases, std::u32string marks) {
    std::u32string key;
    for (const char32_t base : bases) {
        if (!key.empty())
            key += tieBar;
        key += base == U'g' ? char32_t{0x0261} : base; // the plain letter is the IPA one
    }
    std::sort(marks.begin(), marks.end());
    return key + marks;
}

void addToReadings(std::vector<Reading>& readings, char32_t c) {
    Reading* last = readings.empty() ? nullptr : &readings.back();
    const bool tie = c == tieBar || c == tieBarBelow;
    const bool joins = last != nullptr && (isStress(c) ? last->awaitingBase
                                           : tie       ? !last->bases.empty()
                                           : isMark(c) ? true
                                                       : last->awaitingBase);
    if (!joins) {
        readings.emplace_back();
        last = &readings.back();
    }
    last->symbol.written += c;
    if (tie) {
        last->awaitingBase = last->danglingTie = true;
    } else if (isMark(c)) {
        last->marks += c;
        last->awaitingBase = last->awaitingBase || isStress(c);
    } else {
        last->bases += c;
        last->awaitingBase = last->danglingTie = false;
    }
}

} // namespace

std::u32string codePointsOf(std::string_view utf8) {
    std::u32string text;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        bool valid = lead < 0x80 || (lead >= 0xC2 && lead < 0xF5);
        for (std::size_t k = 1; k < length && valid; ++k) {
            const auto next = i + k < utf8.size() ? static_cast<unsigned char>(utf8[i + k]) : 0;
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (valid)
            text += c;
        i += valid ? length : 1;
    }
    return text;
}

std::string utf8Of(std::u32string_view text) {
    std::string utf8;
    for (const char32_t c : text)
        appendUtf8(utf8, c);
    return utf8;
}

// Which letters the composition makes from a base and a mark of the decoder's, so that they
// can be taken apart again: "ã" is "a" with the nasal mark.
IpaSpelling::IpaSpelling(TextNormaliser normalise) : normalise_(std::move(normalise)) {
    if (!normalise_)
        return;
    std::u32string bases;
    std::u32string marks = U"\u032F\u0329\u0325\u0303";
    for (const OutputRow& row : outputAlphabet())
        for (const char32_t c : codePointsOf(ipaDisplayText(row.symbol)))
            (isMark(c) ? marks : bases) += c;
    for (const char32_t base : bases) {
        for (const char32_t mark : marks) {
            const std::u32string pair{base, mark};
            const std::u32string made = codePointsOf(normalise_(utf8Of(pair)));
            if (made.size() == 1 && made.front() != base)
                composed_.emplace(made.front(), std::pair{base, mark});
        }
    }
}

std::string IpaSpelling::normalised(const std::string& utf8) const {
    return normalise_ ? normalise_(utf8) : utf8;
}

std::u32string IpaSpelling::decomposed(std::string_view utf8) const {
    std::u32string text;
    for (const char32_t c : codePointsOf(normalised(std::string(utf8)))) {
        const auto found = composed_.find(c);
        if (found == composed_.end()) {
            text += c;
        } else {
            text += found->second.first;
            text += found->second.second;
        }
    }
    return text;
}

std::vector<IpaSymbol> IpaSpelling::split(std::string_view utf8) const {
    std::vector<Reading> readings;
    for (const char32_t c : decomposed(utf8))
        addToReadings(readings, c);
    std::vector<IpaSymbol> symbols;
    symbols.reserve(readings.size());
    for (Reading& reading : readings) {
        if (reading.danglingTie)
            reading.marks += tieBar; // a tie bar that joins nothing is no affricate
        reading.symbol.key = keyOf(reading.bases, std::move(reading.marks));
        symbols.push_back(std::move(reading.symbol));
    }
    return symbols;
}

std::u32string IpaSpelling::keyOfCodes(std::string_view codes) const {
    std::u32string bases;
    std::u32string marks;
    for (const char32_t c : codePointsOf(ipaDisplayText(codes)))
        (isMark(c) ? marks : bases) += c;
    return keyOf(bases, std::move(marks));
}

// A segment is one symbol: a second base in it is the second half of an affricate, tied.
std::string IpaSpelling::textOfCodes(std::string_view codes) const {
    std::u32string text;
    bool based = false;
    for (const char32_t c : codePointsOf(ipaDisplayText(codes))) {
        if (!isMark(c) && std::exchange(based, true))
            text += tieBar;
        text += c;
    }
    return normalised(utf8Of(text));
}

std::string IpaSpelling::text(const IpaSymbol& symbol) const {
    return normalised(utf8Of(symbol.written));
}

} // namespace tarnel
