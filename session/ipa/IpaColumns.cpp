// SPDX-License-Identifier: GPL-3.0-or-later
#include "IpaColumns.h"

#include "core/Features.h"
#include "core/OutputAlphabet.h"

#include <cctype>

namespace tarnel {

namespace {

// The decoder's marks in the order it adds them, each with the feature values that bring it.
struct MarkValues {
    char32_t mark;
    int feature;
    bool plus;
};

enum Feature {
    asp = 1,
    back = 2,
    high = 9,
    longF = 11,
    nas = 13,
    round = 15,
    stress = 16,
    syll = 18,
    voice = 20
};

constexpr MarkValues markValues[] = {
    {0x02C8, stress, true}, {0x032F, syll, false}, {0x0329, syll, true},
    {0x0325, voice, false}, {0x0303, nas, true},   {0x02B7, round, true},
    {0x02D0, longF, true},  {0x02B0, asp, true},   {0x02B2, high, true},
};

Segment rowSegment(const OutputRow& row) {
    Segment segment;
    segment.set(segmentFeature, true);
    for (int feature = 0; feature < soundFeatureCount; ++feature) {
        const char sign = row.values[static_cast<std::size_t>(feature)];
        segment.set(feature, sign == '+' || sign == '#');
    }
    return segment;
}

bool allowedCharacter(const Alphabet& alphabet, unsigned char code) {
    const bool printable = (code > ' ' && code < 0x7F) || code > 0xA0;
    return printable && code != 0xA7 && findColumn(alphabet, static_cast<char>(code)) == nullptr;
}

} // namespace

std::optional<std::string> valuesForIpa(const IpaSpelling& spelling, std::string_view symbol) {
    const std::vector<IpaSymbol> symbols = spelling.split(symbol);
    if (symbols.size() != 1)
        return std::nullopt;
    const std::u32string& key = symbols.front().key;
    std::optional<Segment> found;
    for (const OutputRow& row : outputAlphabet()) {
        Segment segment = rowSegment(row);
        for (const MarkValues& mark : markValues) {
            if (key.find(mark.mark) == std::u32string::npos)
                continue;
            segment.set(mark.feature, mark.plus);
            if (mark.feature == high)
                segment.set(back, false); // the palatal mark is for high front consonants
        }
        const DecodedSymbol decoded = getSymbol(segment);
        if (decoded.colour == CellColour::Red || spelling.keyOfCodes(decoded.codes) != key)
            continue;
        if (decoded.colour == CellColour::Black) {
            found = segment;
            break;
        }
        if (!found)
            found = segment;
    }
    if (!found)
        return std::nullopt;
    std::string values;
    for (int feature = 0; feature < soundFeatureCount; ++feature)
        values += (*found)[feature] ? '+' : '-';
    return values;
}

std::optional<char> proposeCharacter(const Alphabet& alphabet, std::string_view symbol,
                                     const IpaSpelling& spelling) {
    std::string candidates;
    const std::vector<IpaSymbol> symbols = spelling.split(symbol);
    const char32_t base =
        symbols.size() == 1 && !symbols.front().key.empty() ? symbols.front().key.front() : U' ';
    if (base < 0x80 && std::isalpha(static_cast<int>(base)))
        candidates += static_cast<char>(base);
    for (const OutputRow& row : outputAlphabet())
        if (codePointsOf(spelling.textOfCodes(row.symbol.substr(0, 1))).front() == base)
            candidates += row.symbol.front();
    for (const char c : std::string(candidates)) {
        candidates += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        candidates += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (char c = 'A'; c <= 'Z'; ++c)
        candidates += {c, static_cast<char>(c - 'A' + 'a')};
    for (int code = '0'; code <= 0xFF; ++code)
        candidates += static_cast<char>(code);
    for (const char c : candidates)
        if (allowedCharacter(alphabet, static_cast<unsigned char>(c)))
            return c;
    return std::nullopt;
}

IpaPalette ipaPalette(const IpaSpelling& spelling) {
    IpaPalette palette;
    for (const OutputRow& row : outputAlphabet())
        palette.symbols.push_back(spelling.textOfCodes(row.symbol));
    for (const MarkValues& mark : markValues)
        palette.marks.push_back(utf8Of(std::u32string(1, mark.mark)));
    return palette;
}

} // namespace tarnel
