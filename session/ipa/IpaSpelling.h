// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tarnel {

// Composes UTF-8 text to NFC, as the screens show IPA. The session has no Unicode tables of
// its own: the front end gives it the composition it shows symbols with.
using TextNormaliser = std::function<std::string(const std::string&)>;

// One symbol of IPA text: a base letter (or two joined by a tie bar, as an affricate is
// written) with its marks: combining marks and modifier letters after it, a stress mark
// before it.
struct IpaSymbol {
    std::u32string written; // as it stands in the text
    std::u32string key;     // what it is matched by: the bases, then the marks in code order
};

// How IPA text is read and how a decoded segment is written, so that both meet on one key.
// Text typed in NFC or NFD reads the same: it is composed first, and the letters the
// composition made from a base and a mark the decoder writes apart are taken apart again.
// Marks match in any order; a plain "g" is the IPA "ɡ".
class IpaSpelling {
public:
    explicit IpaSpelling(TextNormaliser normalise = {});

    std::vector<IpaSymbol> split(std::string_view utf8) const;

    // The key and the text (NFC, two bases tied) of a decoded segment's code points.
    std::u32string keyOfCodes(std::string_view codes) const;
    std::string textOfCodes(std::string_view codes) const;

    // A symbol as the user wrote it, composed (UTF-8).
    std::string text(const IpaSymbol& symbol) const;
    std::string normalised(const std::string& utf8) const;

private:
    std::u32string decomposed(std::string_view utf8) const;

    TextNormaliser normalise_;
    std::unordered_map<char32_t, std::pair<char32_t, char32_t>> composed_;
};

// UTF-8 of a code point sequence, and back (valid UTF-8 only; anything else is dropped).
std::string utf8Of(std::u32string_view text);
std::u32string codePointsOf(std::string_view utf8);

} // namespace tarnel
