// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Batch.h"
#include "CompiledModel.h"
#include "core/Messages.h"
#include "core/Word.h"

#include <optional>
#include <string>
#include <vector>

namespace tarnel {

// Hands compared items to a batch display one by one, in Vocabulary order, keeping the
// counts and the progress text, and noting the items whose words are too long for a word.
class BatchReporter {
public:
    BatchReporter(BatchDisplay& display, int itemCount)
        : display_(display), itemCount_(itemCount) {}

    // Item `k` (from 0) of the Vocabulary, with its words as the run left them; true when the
    // display asks to stop after it.
    bool show(int k, const VocabularyItem& entry, std::optional<Discrepancy> discrepancy,
              const Word& derived, const Word& expected);

    // After the last item shown: the one message that lists the items too long for a word,
    // then, unless the run was stopped, its end.
    void finish(MessageSink& messages, bool stopped);

private:
    BatchDisplay& display_;
    int itemCount_;
    BatchItem item_;
    std::string progress_;
    std::vector<std::string> tooLong_;
};

} // namespace tarnel
