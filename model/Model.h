// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Alphabet.h"

#include <string>
#include <vector>

namespace tarnel {

// The one model in memory: every list that makes up a model, exactly as the screens show
// them and the model file stores them. Text is Windows-1252 bytes.
struct Model {
    std::string modelName; // the current model name; empty until one is chosen or made
    std::string notes;

    std::vector<std::vector<std::string>> lst1Rule; // rule store: the lines of each rule
    std::vector<std::string> lstSupply;             // every rule name, alphabetical

    std::vector<std::string> lstDiacOrd; // Diachronic Order; a masked entry starts with "-"
    std::vector<std::string> lstM;       // "M" beside each masked entry of lstDiacOrd
    std::vector<std::string> lstP;       // "P" beside each persistent entry of lstDiacOrd
    std::vector<std::string> lstEtyOrd;  // Etymon Order
    std::vector<std::string> lstReflOrd; // Reflex Order

    Alphabet lstCol;  // Etymon Alphabet
    Alphabet lstColR; // Reflex Alphabet

    std::vector<std::string> lstVocab; // "etymon  reflex" items, alphabetical
};

// Empties every list of the model (rules, Supply, orders, alphabets, Vocabulary).
void clearModel(Model& model);

} // namespace tarnel
