// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Alphabet.h"
#include "core/Encoder.h"
#include "model/Model.h"

#include <string>
#include <vector>

namespace tarnel::test {

using Lines = std::vector<std::string>;

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

inline Lines rule(const std::string& name, const std::string& ifLine, const std::string& then) {
    return {name + " \xAB...\xBB", "A:  " + ifLine + " \xAB\xBB", "1:  " + then + " \xAB\xBB",
            "END:  " + name};
}

// Voicing (and its twin Revoicing) voice t to d, Devoicing undoes it, Nasal finds nothing to
// act on in these words. A Diachronic entry "P NAME" is persistent.
inline Model insightModel(const Lines& diachronic, Lines vocabulary, Lines etymonOrder = {},
                          Lines reflexOrder = {}, const std::string& devoicing = "Devoicing") {
    Model model;
    createAlphabets(model.lstCol, model.lstColR);
    model.lst1Rule = {rule("Voicing", "+cor (*) -cont (*)", "+voice (*)"),
                      rule("Revoicing", "+cor (*) -cont (*)", "+voice (*)"),
                      rule(devoicing, "+cor (*) -cont (*)", "-voice (*)"),
                      rule("Nasal", "+nas (*)", "+cont (*)")};
    for (const std::string& entry : diachronic) {
        const bool persistent = entry.starts_with("P ");
        model.lstDiacOrd.push_back(persistent ? entry.substr(2) : entry);
        model.lstP.push_back(persistent ? "P" : "");
        model.lstM.push_back(entry.starts_with('-') ? "M" : "");
    }
    model.lstEtyOrd = std::move(etymonOrder);
    model.lstReflOrd = std::move(reflexOrder);
    model.lstVocab = std::move(vocabulary);
    return model;
}

} // namespace tarnel::test
