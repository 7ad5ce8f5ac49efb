// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Model.h"

#include <string>
#include <vector>

namespace tarnel {

struct ModelLines;

// One thing in a model file that will not work as it reads: the file line it stands on and
// a text ("Line 412: ...") that says what is wrong and what the program does with it
// (Windows-1252).
struct ModelProblem {
    int line = 0;
    std::string text;
};

// The check a model gets after it is loaded. The reader takes a file as it stands, so a
// damaged file loads without a word; this lists, in the order of the file's lines, the order
// entries that name no rule, the alphabet lines that are not one character and 21 signs, the
// second entries for one character, the Branching labels that name no line below them, the
// locations that lie outside the word's 20 positions, the rules without a then-line and the
// characters of Vocabulary items that their alphabet does not hold. `lines` are those the
// reader gave with `model`. Rules are read as the engine reads them.
std::vector<ModelProblem> checkModel(const Model& model, const ModelLines& lines);

} // namespace tarnel
