// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/OutputAlphabet.h"
#include "core/Word.h"
#include "engine/DerivationMode.h"
#include "model/Model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// What the derivation screen shows, worked out without widgets: captions, the word box's
// prompt and test, and the decoded stage lines. Texts are Windows-1252.

inline constexpr std::string_view typeAWordMessage = "Type a word in the box.";

// The screen's caption in `mode`: "Model "x", Interactive Mode, Diachronic Derivation",
// "... Interactive Mode, Reflex Rules" or "... Batch Mode"; just "Model "x"" otherwise.
std::string derivationCaption(DerivationMode mode, std::string_view modelName);

// The word box's prompt in `mode` ("Type etymon here" / "Type reflex here"); empty when the
// mode types no word.
std::string_view wordPrompt(DerivationMode mode);

// The word to derive from the box's text, trimmed of surrounding blanks; no value when the
// text is empty or holds a blank (a box still showing its prompt holds blanks).
std::optional<std::string> derivableWord(std::string_view boxText);

// One stage line: the rule-name label and one decoded cell per segment.
struct StageLine {
    std::string label;
    std::vector<DecodedSymbol> cells;
};

// The line for a stage of `kind` (0 End, 1 Etymon, 2 rule, 3 "P-" re-application, 4 Reflex).
// The Etymon stage is labelled "Etymon:"; kinds 1 to 3 decode the working word with getSymbol,
// kind 4 the reflex word with reflexGetSymbol; the End line shows no symbols.
StageLine decodeStage(int kind, std::string_view label, const Word& word);

// The pop-up text of a cell: a blank, the differing-feature text and a blank; empty when the
// cell has no differing features.
std::string offFeatsText(std::string_view differs);

// Every label a stage line of `model` can carry ("Etymon:", "End", "Reflex", each rule's
// stage name and its "P-" form), so that the rule-name column can be sized once per model.
std::vector<std::string> stageLabels(const Model& model);

} // namespace tarnel
