#pragma once

#include "Results.h"
#include "model/Model.h"

#include <string>

namespace tarnel::cli {

// The Derive button of the derivation screen in mode 1 (`reflexMode` false) or mode 3, on
// `word` (Windows-1252): an empty word or one with a blank derives nothing and gives the
// message "Type a word in the box.".
DerivationResult runDerivation(const Model& model, const std::string& word, bool reflexMode);

// A batch run over the Vocabulary on `jobs` threads; the warning for a long Vocabulary is not
// asked.
BatchResult runBatchOver(const Model& model, int jobs);

} // namespace tarnel::cli
