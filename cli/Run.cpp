#include "Run.h"

#include "engine/Engine.h"
#include "engine/ThreadPool.h"

#include <optional>

namespace tarnel::cli {

namespace {

class MessageCollector : public MessageSink {
public:
    explicit MessageCollector(std::vector<std::string>& messages) : messages_(messages) {}
    void showMessage(const std::string& text) override { messages_.push_back(text); }

private:
    std::vector<std::string>& messages_;
};

class StageRecorder : public StageDisplay {
public:
    explicit StageRecorder(std::vector<Stage>& stages) : stages_(stages) {}
    void showStage(int kind, const std::string& label, const Word& word) override {
        stages_.push_back(decodeStage(kind, label, word));
    }

private:
    std::vector<Stage>& stages_;
};

class BatchRecorder : public BatchDisplay {
public:
    explicit BatchRecorder(BatchResult& result) : result_(result) {}

    // Nobody waits at a terminal prompt in a script: a long run is never questioned.
    bool confirmLargeRun(std::string_view) override { return true; }

    void showBatchItem(const BatchItem& item) override {
        std::string_view line = item.line;
        if (line.ends_with("\r\n"))
            line.remove_suffix(2);
        (item.good ? result_.good : result_.bad).emplace_back(line);
        result_.goodCount = item.goodCount;
        result_.badCount = item.badCount;
        result_.progress = item.progress;
    }

    void showBatchEnd(std::string_view progress) override { result_.progress = progress; }

private:
    BatchResult& result_;
};

} // namespace

DerivationResult runDerivation(const Model& model, const std::string& word, bool reflexMode) {
    DerivationResult result;
    if (word.empty() || word.find(' ') != std::string::npos) {
        result.messages.push_back("Type a word in the box.");
        return result;
    }
    MessageCollector messages(result.messages);
    StageRecorder stages(result.stages);
    const CompiledModel compiled(model);
    Engine engine(compiled, messages, &stages);
    engine.setDerivationMode(reflexMode ? DerivationMode::Reflex : DerivationMode::Interactive);
    engine.derive(word);
    return result;
}

BatchResult runBatchOver(const Model& model, int jobs) {
    BatchResult result;
    MessageCollector messages(result.messages);
    BatchRecorder recorder(result);
    const CompiledModel compiled(model);
    Engine engine(compiled, messages);
    std::optional<ThreadPool> pool;
    if (jobs > 1 && model.lstVocab.size() > 1)
        pool.emplace(jobs);
    engine.runBatch(recorder, pool ? &*pool : nullptr);
    return result;
}

} // namespace tarnel::cli
