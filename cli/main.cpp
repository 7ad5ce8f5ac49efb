// tarnel-batch: loads a model file and runs it without any screen, for scripts, for
// checking a model from the command line and for tests.

#include "Arguments.h"
#include "Output.h"
#include "Run.h"
#include "core/Cp1252.h"
#include "core/Word.h"
#include "engine/ThreadPool.h"
#include "model/ModelFile.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace tarnel;
using namespace tarnel::cli;

namespace {

constexpr int exitFailure = 1;  // the requested save failed
constexpr int exitBadInput = 2; // bad arguments, an unreadable model, an unusable word

void write(std::FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

int fail(int status, const std::string& utf8Line) {
    write(stderr, QByteArray::fromStdString("tarnel-batch: " + utf8Line + "\n"));
    return status;
}

int resave(const Model& model, const Arguments& arguments) {
    const std::string error = writeModelFile(model, arguments.outputPath);
    return error.empty() ? 0 : fail(exitFailure, cp1252ToUtf8(error));
}

int derive(const Model& model, const Arguments& arguments, const std::string& word) {
    const DerivationResult result =
        runDerivation(model, word, arguments.command == Command::Reflex);
    if (arguments.json) {
        write(stdout, derivationJson(result));
    } else {
        write(stderr, messagesText(result.messages));
        write(stdout, derivationText(result));
    }
    return 0;
}

int batch(const Model& model, const Arguments& arguments) {
    const BatchResult result =
        runBatchOver(model, arguments.jobs != 0 ? arguments.jobs : defaultJobs());
    if (arguments.json) {
        write(stdout, batchJson(result));
    } else {
        write(stderr, messagesText(result.messages));
        write(stdout, batchText(result));
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const auto arguments = parseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!arguments) {
        std::fputs(usage, stderr);
        return exitBadInput;
    }
    if (arguments->help) {
        std::fputs(usage, stdout);
        std::fputs(optionHelp, stdout);
        return 0;
    }
    const auto word = utf8ToCp1252(arguments->word);
    if (!word)
        return fail(exitBadInput, "the word \"" + arguments->word +
                                      "\" holds a character that Windows-1252 cannot hold.");
    if (word->size() > static_cast<std::size_t>(maxTypedLength))
        return fail(exitBadInput, "Maximum word length is 20.");
    const auto loaded = loadModelFile(arguments->modelPath);
    if (!loaded.model)
        return fail(exitBadInput, cp1252ToUtf8(loaded.error));
    switch (arguments->command) {
    case Command::Resave:
        return resave(*loaded.model, *arguments);
    case Command::Derive:
    case Command::Reflex:
        return derive(*loaded.model, *arguments, *word);
    case Command::Batch:
        break;
    }
    return batch(*loaded.model, *arguments);
}
