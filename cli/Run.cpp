#include "Run.h"

#include "engine/Engine.h"

namespace tarnel::cli {

namespace {

class MessageCollector : public MessageSink {
public:
    explicit MessageCollector(std::vector<std::string>& messages) : messages_(messages) {}
    void showMessage(const std::string& text) override { messages_.push_back(text); }

private:
    std::vector<std::string>& messages_;
};

// Hands each stage and message on as the engine raises it; nothing is kept.
class DerivationRelay : public MessageSink, public StageDisplay {
public:
    explicit DerivationRelay(DerivationSink& sink) : sink_(sink) {}
    void showMessage(const std::string& text) override { sink_.message(text); }
    void showStage(int kind, const std::string& label, const Word& word) override {
        sink_.stage(decodeStage(kind, label, word));
    }

private:
    DerivationSink& sink_;
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

void runDerivation(const Model& model, const std::string& word, bool reflexMode,
                   DerivationSink& sink) {
    if (word.empty() || word.find(' ') != std::string::npos) {
        sink.message("Type a word in the box.");
        return;
    }
    DerivationRelay relay(sink);
    Engine engine(model, relay, &relay);
    engine.setDerivationMode(reflexMode ? DerivationMode::Reflex : DerivationMode::Interactive);
    engine.derive(word);
}

BatchResult runBatchOver(const Model& model) {
    BatchResult result;
    MessageCollector messages(result.messages);
    BatchRecorder recorder(result);
    Engine engine(model, messages);
    engine.runBatch(recorder);
    return result;
}

} // namespace tarnel::cli
