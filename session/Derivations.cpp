// SPDX-License-Identifier: GPL-3.0-or-later
// Derivations and batch runs of the open model.
#include "DerivationView.h"
#include "Session.h"
#include "insight/RuleUse.h"

#include <algorithm>
#include <chrono>

namespace tarnel {

void Session::Forwarder::showMessage(const std::string& text) {
    if (messages != nullptr)
        messages->showMessage(text);
}

void Session::Forwarder::showStage(int kind, const std::string& label, const Word& word) {
    if (display != nullptr)
        display->showStage(kind, label, word);
}

const CompiledModel& Session::compiled() const {
    if (compiledStale_ || !compiled_) {
        compiled_ = std::make_shared<const CompiledModel>(model());
        compiledStale_ = false;
    }
    return *compiled_;
}

// The engine keeps its words between runs, as the one derivation screen does; only the
// model it derives through is renewed after an edit.
Engine& Session::engine() {
    const bool stale = compiledStale_ || !compiled_;
    const CompiledModel& model = compiled();
    if (!engine_)
        engine_ = std::make_unique<Engine>(model, forwarder_, &forwarder_);
    else if (stale)
        engine_->setModel(model);
    return *engine_;
}

ThreadPool* Session::pool() {
    if (jobs_ > 1 && !pool_)
        pool_ = std::make_unique<ThreadPool>(jobs_);
    return pool_.get();
}

void Session::setJobs(int jobs) {
    if (jobs != jobs_)
        pool_.reset();
    jobs_ = jobs;
}

void Session::setDerivationMode(DerivationMode mode) {
    engine().setDerivationMode(mode);
}

Result<> Session::derive(std::string_view boxText, MessageSink& messages, StageDisplay& display) {
    const std::optional<std::string> word = derivableWord(boxText);
    if (!word)
        return fail(std::string(typeAWordMessage));
    Engine& derivations = engine();
    forwarder_.messages = &messages;
    forwarder_.display = &display;
    derivations.derive(*word);
    forwarder_.messages = nullptr;
    forwarder_.display = nullptr;
    return {};
}

namespace {

// The work of a batch run, as the time it takes grows with it.
double batchWork(const Model& model) {
    return static_cast<double>(model.lstVocab.size()) *
           static_cast<double>(std::max<std::size_t>(model.lstDiacOrd.size(), 1));
}

// A run shorter than this says little about the rate.
constexpr double measuredWork = 1e5;
constexpr double questionedSeconds = 10;

} // namespace

void Session::runBatch(BatchDisplay& display, MessageSink& messages) {
    Engine& batch = engine();
    batchRun_ = {};
    batchModel_ = model();
    batchCompiled_ = compiled_;
    batchTraced_.reset();
    batchEntries_.reset();
    batchRun_.startWorking = batch.workingWord();
    batchRun_.startReflex = batch.reflexWord();
    BatchRunRecorder recorder(batchRun_, &display, &messages);
    forwarder_.messages = &recorder;
    const auto start = std::chrono::steady_clock::now();
    batch.runBatch(recorder, pool());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    forwarder_.messages = nullptr;
    if (!batchRun_.stopped && batchWork(model()) >= measuredWork && took.count() > 0)
        batchRate_ = batchWork(model()) / took.count();
}

std::optional<std::string> Session::largeRunQuestion() const {
    if (batchWork(model()) / batchRate_ <= questionedSeconds)
        return std::nullopt;
    return std::string(largeRunWarning);
}

void Session::runBatch() {
    struct Unseen : BatchDisplay, MessageSink {
        void showBatchItem(const BatchItem&) override {}
        void showBatchEnd(std::string_view) override {}
        void showMessage(const std::string&) override {}
    } unseen;
    runBatch(unseen, unseen);
}

void Session::deriveBatchItem(const BatchRun& run, std::size_t index, MessageSink& messages,
                              StageDisplay& display) {
    if (index >= run.items.size())
        return;
    Engine& derivations = engine();
    derivations.setDerivationMode(DerivationMode::Interactive);
    derivations.setWorkingWord(run.workingBefore(index));
    forwarder_.messages = &messages;
    forwarder_.display = &display;
    derivations.derive(run.items[index].etymon);
    forwarder_.messages = nullptr;
    forwarder_.display = nullptr;
}

} // namespace tarnel
