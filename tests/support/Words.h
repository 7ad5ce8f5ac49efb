// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The default alphabet, words typed through it, and the messages shown on the way.

#include "core/Alphabet.h"
#include "core/Encoder.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnel::test {

// The messages shown, in order.
struct RecordedMessages : MessageSink {
    void showMessage(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// The alphabet of a new model; its Etymon and Reflex Alphabets are alike.
inline Alphabet defaultAlphabet() {
    Alphabet etymon, reflex;
    createAlphabets(etymon, reflex);
    return etymon;
}

// A word typed through the default alphabet, where t and d differ in voice alone.
inline Word typed(std::string_view text) {
    RecordedMessages messages;
    Word word;
    encodeEtymon(text, EncodingTable(defaultAlphabet()), word, messages);
    return word;
}

} // namespace tarnel::test
