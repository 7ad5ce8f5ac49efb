// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IpaAlphabet.h"
#include "session/AlphabetSide.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// Both alphabets of a model as IPA.
struct IpaAlphabets {
    const IpaAlphabet& etymon;
    const IpaAlphabet& reflex;
    const IpaAlphabet& of(AlphabetSide side) const {
        return side == AlphabetSide::Etymon ? etymon : reflex;
    }
};

// A symbol of a typed word that no column of its alphabet shows as.
struct IpaWordRefusal {
    AlphabetSide side = AlphabetSide::Etymon;
    IpaRefusal refusal;
    std::string word; // UTF-8, composed
};

// Text typed in IPA with the words in the alphabets' characters (Windows-1252): the first
// word through the Etymon Alphabet, every other through the Reflex Alphabet; what lies
// between the words (blanks) stays as it is. Or the refusal of the first unknown symbol.
struct IpaText {
    std::string keyboard;
    std::optional<IpaWordRefusal> refusal;
};

IpaText readIpaItem(std::string_view utf8, const IpaAlphabets& alphabets);

// One word through the alphabet of `side`.
IpaText readIpaWord(std::string_view utf8, AlphabetSide side, const IpaAlphabets& alphabets);

// Lines of such text, as IPA: the words in the alphabets' characters written as IPA.
std::string writeIpaItem(std::string_view item, const IpaAlphabets& alphabets);

// "Symbol "ɛ" at position 2 of "pɛs" is not in the Etymon Alphabet." (UTF-8)
std::string ipaRefusalMessage(const IpaWordRefusal& refused);

// The offer to add a column for the symbol, headed by `character`, to its alphabet (UTF-8):
// "Add a column "E" showing "ɛ" to the Etymon Alphabet?"
std::string ipaAddQuestion(const IpaWordRefusal& refused, char character);

// Why no column can be made for the symbol (UTF-8).
std::string ipaNoValuesMessage(std::string_view symbol);

} // namespace tarnel
