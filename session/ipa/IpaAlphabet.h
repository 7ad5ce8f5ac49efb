// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IpaSpelling.h"
#include "core/Alphabet.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarnel {

// A symbol of an IPA word that no column of the alphabet shows as.
struct IpaRefusal {
    std::string symbol;       // UTF-8, composed
    std::size_t position = 0; // of the symbol in the word, from 1
    std::u32string key;       // what it is matched by
};

// An IPA word read through an alphabet: the word in the columns' characters (Windows-1252),
// or the refusal of its first symbol that no column shows as.
struct IpaReading {
    std::string keyboard;
    std::optional<IpaRefusal> refusal;
};

// An input alphabet as IPA: the symbol each column's feature values show as in a derivation
// (the decoder's symbol with its marks), and the column that shows as each symbol. Made once
// per alphabet, so that reading a word costs no decoding.
class IpaAlphabet {
public:
    IpaAlphabet(const Alphabet& alphabet, const IpaSpelling& spelling);

    // The symbol column `index` shows as (UTF-8, NFC); empty for a column whose values fit
    // no symbol of the Output Alphabet.
    const std::string& columnSymbol(std::size_t index) const;

    // A column's values read through the decoder count only when the decoder shows them as
    // the symbol with no differing feature; one it shows with differing features serves when
    // no such column exists. Of two equal columns the first is taken, as encoding takes it;
    // a column hidden by an earlier one of its character, or headed by a blank, is none.
    std::optional<char> characterOf(const std::u32string& key) const;

    IpaReading read(std::string_view utf8) const;
    // A word of the alphabet's characters as IPA; a character with no symbol stays as it is.
    std::string write(std::string_view keyboard) const;

    const IpaSpelling& spelling() const { return *spelling_; }

private:
    const IpaSpelling* spelling_;
    std::vector<std::string> symbols_;
    std::unordered_map<std::u32string, char> exact_;
    std::unordered_map<std::u32string, char> approximate_;
    std::unordered_map<char, std::string> byCharacter_;
};

} // namespace tarnel
