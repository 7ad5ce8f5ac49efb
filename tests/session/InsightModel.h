// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Encoder.h"
#include "support/ModelBuilder.h"

#include <string>

namespace tarnel::test {

struct NoMessages : MessageSink {
    void showMessage(const std::string&) override {}
};

// A word typed through the default Etymon Alphabet, where t and d differ in voice alone.
inline Word typed(const std::string& text) {
    Alphabet etymon, reflex;
    createAlphabets(etymon, reflex);
    NoMessages none;
    Word word;
    encodeEtymon(text, EncodingTable(etymon), word, none);
    return word;
}

// Voicing (and its twin Revoicing) voice t to d, Devoicing undoes it, Nasal finds nothing to
// act on in these words.
inline ModelBuilder voicingRules(const std::string& devoicing = "Devoicing") {
    return ModelBuilder()
        .rule("Voicing", {"+cor (*) -cont (*)"}, {"+voice (*)"})
        .rule("Revoicing", {"+cor (*) -cont (*)"}, {"+voice (*)"})
        .rule(devoicing, {"+cor (*) -cont (*)"}, {"-voice (*)"})
        .rule("Nasal", {"+nas (*)"}, {"+cont (*)"});
}

} // namespace tarnel::test
