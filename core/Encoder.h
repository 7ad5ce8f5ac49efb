// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Alphabet.h"
#include "Messages.h"
#include "Word.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// An input alphabet made ready for encoding many words: what each byte encodes to.
class EncodingTable {
public:
    explicit EncodingTable(const Alphabet& alphabet);

    // The slots a character sets (its 21 features, "mark" minus and "segment" plus), or
    // nullptr when the alphabet has no column for it.
    const Segment* find(char character) const {
        const auto byte = static_cast<unsigned char>(character);
        return found_[byte] ? &segments_[byte] : nullptr;
    }

private:
    std::array<Segment, 256> segments_{};
    std::array<bool, 256> found_{};
};

// The slots encoding writes: every one but the "all" slot.
inline constexpr std::uint32_t encodedSlots = (1u << allFeature) - 1;

// Fills `word` from `text` (Windows-1252, one character per segment) through the Etymon
// Alphabet. A character missing from the alphabet is reported through `messages` and its
// position keeps its old values; it still counts in the length. Returns the positions that
// took a character (bit p for position p).
std::uint32_t encodeEtymon(std::string_view text, const EncodingTable& etymonAlphabet, Word& word,
                           MessageSink& messages);

// The message of `character` of the etymon `text` missing from the Etymon Alphabet, two lines:
// "Character x" not found in etymon alphabet." and "Results for TEXT" not reliable.".
std::string missingCharacterMessage(char character, std::string_view text);
// The character the first line of such a message names; none for any other line.
std::optional<char> missingCharacterOf(std::string_view line);

// The same through the Reflex Alphabet; a missing character is silent.
std::uint32_t encodeReflex(std::string_view text, const EncodingTable& reflexAlphabet, Word& word);

} // namespace tarnel
