// SPDX-License-Identifier: GPL-3.0-or-later
#include "Vocabulary.h"

#include "core/Text.h"
#include "core/Word.h"

#include <algorithm>

namespace tarnel {

namespace {

// Words are runs of non-blank characters; runs of blanks count as one separator.
int countWords(std::string_view text) {
    int words = 0;
    bool inWord = false;
    for (const char c : text) {
        if (c != ' ' && !inWord) {
            ++words;
        }
        inWord = c != ' ';
    }
    return words;
}

bool inAlphabet(const Alphabet& alphabet, char c) {
    return findColumn(alphabet, c) != nullptr;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

struct Pair {
    std::string_view etymon;
    std::string_view reflex;
};

Pair splitPair(std::string_view text) {
    const std::string_view trimmed = trimBlanks(text);
    const auto split = trimmed.find(' ');
    if (split == std::string_view::npos) {
        return {trimmed, {}};
    }
    return {trimmed.substr(0, split), trimBlanks(trimmed.substr(split))};
}

// The first character of `word` missing from `alphabet`, or npos.
std::size_t missingCharacter(std::string_view word, const Alphabet& alphabet) {
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (!inAlphabet(alphabet, word[i])) {
            return i;
        }
    }
    return std::string_view::npos;
}

// A word holds at most 20 segments; a longer one could never be derived whole.
bool tooLong(const Pair& pair) {
    constexpr auto most = static_cast<std::size_t>(maxTypedLength);
    return pair.etymon.size() > most || pair.reflex.size() > most;
}

constexpr std::string_view tooLongMessage = "Maximum word length is 20.";

} // namespace

Result<> checkTypedItem(std::string_view text, const Alphabet& etymon, const Alphabet& reflex) {
    // Blanks around the pair and runs of blanks separate nothing more: "abc " would otherwise
    // pass as an item with an empty reflex.
    const std::string_view trimmed = trimBlanks(text);
    if (trimmed.find(' ') == std::string_view::npos) {
        return fail("Item requires BOTH etymon AND reflex, separated by space.");
    }
    if (countWords(trimmed) > 2) {
        return fail("Item requires just TWO words: etymon and reflex, separated by space.");
    }
    const Pair pair = splitPair(trimmed);
    if (tooLong(pair)) {
        return fail(std::string(tooLongMessage));
    }
    if (const auto i = missingCharacter(pair.etymon, etymon); i != std::string_view::npos) {
        return fail("Character " + quoted(pair.etymon.substr(i, 1)) +
                    " is not in the Etymon Alphabet.");
    }
    if (const auto i = missingCharacter(pair.reflex, reflex); i != std::string_view::npos) {
        return fail("Character " + quoted(pair.reflex.substr(i, 1)) +
                    " is not in the Reflex Alphabet.");
    }
    return {};
}

std::string cleanItemLine(std::string_view line) {
    const auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    const auto first = std::find_if_not(line.begin(), line.end(), isSpace);
    const auto last = std::find_if_not(line.rbegin(), line.rend(), isSpace).base();
    std::string cleaned;
    for (auto it = first; it < last; ++it) {
        if (static_cast<unsigned char>(*it) >= 0x20) {
            cleaned += *it;
        }
    }
    return cleaned;
}

Result<> checkItemLine(std::string_view line, const Alphabet& etymon, const Alphabet& reflex) {
    const std::string cleaned = cleanItemLine(line);
    const int words = countWords(cleaned);
    if (words == 0) {
        return fail("Please delete blank lines.");
    }
    if (words == 1) {
        return fail("Item " + quoted(cleaned) +
                    " is just 1 word;\r\nit should be 2:  etymon & reflex.");
    }
    if (words > 2) {
        return fail("Item " + quoted(cleaned) +
                    " has too many words;\r\nit should be just 2:  etymon & reflex.");
    }
    const Pair pair = splitPair(cleaned);
    if (tooLong(pair)) {
        return fail(std::string(tooLongMessage));
    }
    if (const auto i = missingCharacter(pair.etymon, etymon); i != std::string_view::npos) {
        return fail("Character " + quoted(pair.etymon.substr(i, 1)) + " in etymon " +
                    quoted(pair.etymon) + " is not in the Etymon Alphabet.");
    }
    if (const auto i = missingCharacter(pair.reflex, reflex); i != std::string_view::npos) {
        return fail("Character " + quoted(pair.reflex.substr(i, 1)) + " in reflex " +
                    quoted(pair.reflex) + " is not in the Reflex Alphabet.");
    }
    return {};
}

std::string vocabItem(std::string_view text) {
    const Pair pair = splitPair(text);
    return std::string(pair.etymon) + "  " + std::string(pair.reflex);
}

std::string itemEtymon(std::string_view item) {
    return std::string(item.substr(0, item.find(' ')));
}

} // namespace tarnel
