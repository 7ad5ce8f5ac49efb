#pragma once

#include "Results.h"
#include "model/Model.h"

#include <string>

namespace tarnel::cli {

// Where a derivation's stages and messages go, each as soon as it comes.
class DerivationSink {
public:
    virtual ~DerivationSink() = default;
    virtual void stage(const Stage& stage) = 0;
    virtual void message(const std::string& text) = 0;
};

// The Derive button of the derivation screen in mode 1 (`reflexMode` false) or mode 3, on
// `word` (Windows-1252): an empty word or one with a blank derives nothing and gives the
// message "Type a word in the box.".
void runDerivation(const Model& model, const std::string& word, bool reflexMode,
                   DerivationSink& sink);

// A batch run over the Vocabulary; the warning for a long Vocabulary is not asked.
BatchResult runBatchOver(const Model& model);

} // namespace tarnel::cli
