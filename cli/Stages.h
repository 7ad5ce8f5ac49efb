#pragma once

#include "core/OutputAlphabet.h"
#include "core/Word.h"

#include <string>
#include <vector>

namespace tarnel::cli {

// One stage line of a derivation, as the derivation screen would show it.
struct Stage {
    int kind = 0;      // 1 Etymon, 2 Diachronic rule, 3 persistent re-application, 4 Reflex,
                       // 0 the closing "End" line
    std::string label; // Windows-1252
    std::vector<DecodedSymbol> cells; // one per position of the word
};

// The stage of `word`: kinds 1 to 3 decode the working word, kind 4 the reflex word, and the
// closing line (kind 0) has no cells.
Stage decodeStage(int kind, const std::string& label, const Word& word);

} // namespace tarnel::cli
