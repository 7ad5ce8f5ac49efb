// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Word.h"

#include <string>

namespace tarnel {

// The kinds of stage the engine shows.
enum StageKind : int {
    stageEnd = 0,        // the closing "End" line of an interactive derivation
    stageEtymon = 1,     // "Etymon", after the Etymon Order
    stageDiachronic = 2, // a Diachronic rule that changed the word, labelled with its name
    stagePersistent = 3, // a persistent re-application, "P-" and the rule's name
    stageReflex = 4,     // "Reflex", after the Reflex Order
};

// The engine's one call into the display. `word` is the working word for kinds 0 to 3 and
// the reflex word for kind 4; the display decodes it with getSymbol (kinds 1 to 3) or
// reflexGetSymbol (kind 4). Kind 0 only closes the derivation: its label is "End" and it
// shows no symbols. Clearing the stages of the previous derivation is the display's job.
class StageDisplay {
public:
    virtual ~StageDisplay() = default;
    virtual void showStage(int kind, const std::string& label, const Word& word) = 0;
};

} // namespace tarnel
