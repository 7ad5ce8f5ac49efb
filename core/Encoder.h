#pragma once

#include "Alphabet.h"
#include "Messages.h"
#include "Word.h"

#include <string_view>

namespace tarnel {

// Fills `word` from `text` (Windows-1252, one character per segment) through the Etymon
// Alphabet. A character missing from the alphabet is reported through `messages` and its
// position keeps its old values; it still counts in the length.
void encodeEtymon(std::string_view text, const Alphabet& etymonAlphabet, Word& word,
                  MessageSink& messages);

// The same through the Reflex Alphabet; a missing character is silent.
void encodeReflex(std::string_view text, const Alphabet& reflexAlphabet, Word& word);

} // namespace tarnel
