// SPDX-License-Identifier: GPL-3.0-or-later
#include "IpaWords.h"

#include "core/Cp1252.h"

namespace tarnel {

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Calls `word` on each word of `text` with the side that reads it, and `between` on what
// separates them.
template <class Word, class Between>
void forEachWord(std::string_view text, Word&& word, Between&& between) {
    std::size_t index = 0;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i;
        const bool blank = isBlank(text[i]);
        while (end < text.size() && isBlank(text[end]) == blank)
            ++end;
        if (blank)
            between(text.substr(i, end - i));
        else if (!word(text.substr(i, end - i),
                       index++ == 0 ? AlphabetSide::Etymon : AlphabetSide::Reflex))
            return;
        i = end;
    }
}

std::string alphabetName(AlphabetSide side) {
    return side == AlphabetSide::Etymon ? "Etymon Alphabet" : "Reflex Alphabet";
}

} // namespace

IpaText readIpaWord(std::string_view utf8, AlphabetSide side, const IpaAlphabets& alphabets) {
    IpaReading reading = alphabets.of(side).read(utf8);
    IpaText text{std::move(reading.keyboard), std::nullopt};
    if (reading.refusal)
        text.refusal = IpaWordRefusal{side, std::move(*reading.refusal),
                                      alphabets.of(side).spelling().normalised(std::string(utf8))};
    return text;
}

IpaText readIpaItem(std::string_view utf8, const IpaAlphabets& alphabets) {
    IpaText text;
    forEachWord(
        utf8,
        [&](std::string_view word, AlphabetSide side) {
            IpaText read = readIpaWord(word, side, alphabets);
            text.keyboard += read.keyboard;
            text.refusal = std::move(read.refusal);
            return !text.refusal;
        },
        [&](std::string_view blanks) { text.keyboard += blanks; });
    return text;
}

std::string writeIpaItem(std::string_view item, const IpaAlphabets& alphabets) {
    std::string ipa;
    forEachWord(
        item,
        [&](std::string_view word, AlphabetSide side) {
            ipa += alphabets.of(side).write(word);
            return true;
        },
        [&](std::string_view blanks) { ipa += cp1252ToUtf8(blanks); });
    return ipa;
}

std::string ipaRefusalMessage(const IpaWordRefusal& refused) {
    return "Symbol \"" + refused.refusal.symbol + "\" at position " +
           std::to_string(refused.refusal.position) + " of \"" + refused.word +
           "\" is not in the " + alphabetName(refused.side) + ".";
}

std::string ipaAddQuestion(const IpaWordRefusal& refused, char character) {
    return "Add a column \"" + cp1252ToUtf8(std::string_view(&character, 1)) + "\" showing \"" +
           refused.refusal.symbol + "\" to the " + alphabetName(refused.side) + "?";
}

std::string ipaNoValuesMessage(std::string_view symbol) {
    return "No feature values show as \"" + std::string(symbol) +
           "\" in a derivation, so no column can be made for it.";
}

} // namespace tarnel
