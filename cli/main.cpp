// tarnel-batch: loads a model file and runs it without any screen, for scripts, for
// checking a model from the command line and for tests.

#include "Arguments.h"
#include "Output.h"
#include "Run.h"
#include "Streams.h"
#include "core/Cp1252.h"
#include "model/ModelFile.h"

#include <cstring>
#include <string>
#include <vector>

using namespace tarnel;
using namespace tarnel::cli;

namespace {

constexpr int exitFailure = 1;  // the requested save failed, or output was lost
constexpr int exitBadInput = 2; // bad arguments, an unreadable model, an unusable word

QByteArray errorLine(const std::string& utf8Line) {
    return QByteArray::fromStdString("tarnel-batch: " + utf8Line + "\n");
}

// The stages go out as they come; the messages close the object, after the load's
// warnings.
class JsonDerivation : public DerivationSink {
public:
    JsonDerivation(Streams& streams, std::vector<std::string> warnings)
        : streams_(streams), messages_(std::move(warnings)) {
        streams_.out(derivationJsonStart());
    }
    void stage(const Stage& stage) override {
        streams_.out(first_ ? stageJson(stage) : stageSeparatorJson() + stageJson(stage));
        first_ = false;
    }
    void message(const std::string& text) override { messages_.push_back(text); }
    void end() { streams_.out(derivationJsonEnd(messages_)); }

private:
    Streams& streams_;
    std::vector<std::string> messages_;
    bool first_ = true;
};

class TextDerivation : public DerivationSink {
public:
    TextDerivation(Streams& streams, qsizetype labelWidth)
        : streams_(streams), labelWidth_(labelWidth) {}
    void stage(const Stage& stage) override { streams_.out(stageText(stage, labelWidth_)); }
    void message(const std::string& text) override { streams_.err(messagesText({text})); }

private:
    Streams& streams_;
    qsizetype labelWidth_;
};

int resave(const Model& model, const Arguments& arguments, Streams& streams) {
    const std::string error = writeModelFile(model, arguments.outputPath);
    if (error.empty())
        return 0;
    streams.err(errorLine(cp1252ToUtf8(error)));
    return exitFailure;
}

int derive(const ModelReadResult& loaded, const Arguments& arguments, const std::string& word,
           Streams& streams) {
    const bool reflexMode = arguments.command == Command::Reflex;
    if (arguments.json) {
        JsonDerivation output(streams, loaded.warnings);
        runDerivation(*loaded.model, word, reflexMode, output);
        output.end();
    } else {
        TextDerivation output(streams, stageLabelWidth(*loaded.model));
        runDerivation(*loaded.model, word, reflexMode, output);
    }
    return 0;
}

int batch(const ModelReadResult& loaded, const Arguments& arguments, Streams& streams) {
    BatchResult result = runBatchOver(*loaded.model);
    if (arguments.json) {
        result.messages.insert(result.messages.begin(), loaded.warnings.begin(),
                               loaded.warnings.end());
        streams.out(batchJson(result));
    } else {
        streams.err(messagesText(result.messages));
        streams.out(batchText(result));
    }
    return 0;
}

int run(const std::vector<std::string>& argumentList, Streams& streams) {
    const auto arguments = parseArguments(argumentList);
    if (!arguments) {
        streams.err(usage);
        return exitBadInput;
    }
    const auto word = utf8ToCp1252(arguments->word);
    if (!word) {
        streams.err(errorLine("the word \"" + arguments->word +
                              "\" holds a character that Windows-1252 cannot hold."));
        return exitBadInput;
    }
    const ModelReadResult loaded = loadModelFile(arguments->modelPath);
    if (!loaded.model) {
        streams.err(errorLine(cp1252ToUtf8(loaded.error)));
        return exitBadInput;
    }
    if (!arguments->json) // JSON output carries them among its messages
        streams.err(messagesText(loaded.warnings));
    switch (arguments->command) {
    case Command::Resave:
        return resave(*loaded.model, *arguments, streams);
    case Command::Derive:
    case Command::Reflex:
        return derive(loaded, *arguments, *word, streams);
    case Command::Batch:
        break;
    }
    return batch(loaded, *arguments, streams);
}

} // namespace

int main(int argc, char* argv[]) {
    Streams streams;
    const int status = run(std::vector<std::string>(argv + 1, argv + argc), streams);
    if (const int error = streams.finish()) {
        streams.err(errorLine(std::string("the output could not be written: ") +
                              std::strerror(error) + "."));
        return status == 0 ? exitFailure : status;
    }
    return status;
}
