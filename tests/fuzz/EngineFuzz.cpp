// SPDX-License-Identifier: GPL-3.0-or-later
// The engine on rule text from the fuzzer, as the Rules section of a fixed model: interactive
// derivations, a reflex interpretation and batch runs on one thread and on two, every stage
// decoded as the screen would show it.

#include "Check.h"
#include "RulesModel.h"
#include "core/IpaDisplay.h"
#include "engine/Engine.h"
#include "engine/ThreadPool.h"
#include "session/DerivationView.h"

#include <cstddef>
#include <cstdint>

using namespace tarnel;

namespace {

// Decodes every stage and keeps nothing, as a screen with a short memory would.
class Screen : public MessageSink, public StageDisplay, public BatchDisplay {
public:
    void showMessage(const std::string& text) override { shown += text.size(); }
    void showStage(int kind, const std::string& label, const Word& word) override {
        const StageLine line = decodeStage(kind, label, word);
        for (const DecodedSymbol& cell : line.cells)
            shown += ipaDisplayText(cell.codes).size() + offFeatsText(cell.differs).size();
    }
    void showBatchItem(const BatchItem& item) override { shown += item.etymon.size(); }
    void showBatchEnd(std::string_view progress) override { shown += progress.size(); }

    std::size_t shown = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto model =
        fuzz::modelWithRules(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!model)
        return 0;
    Screen screen;
    const CompiledModel compiled(*model);
    Engine engine(compiled, screen, &screen);
    engine.setDerivationMode(DerivationMode::Interactive);
    for (const char* word : {"sikitanu", "aaaaaaaaaaaaaaaaaaaa", "qx"})
        engine.derive(word);
    engine.setDerivationMode(DerivationMode::Reflex);
    engine.derive("sigidan");
    Screen alone;
    Engine(compiled, alone).runBatch(alone);
    static ThreadPool pool(2);
    Screen shared;
    Engine(compiled, shared).runBatch(shared, &pool);
    fuzz::require(shared.shown == alone.shown, "a batch on two threads shows what one shows");
    return 0;
}
