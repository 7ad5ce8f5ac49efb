// Derivations and batch runs of the open model.
#include "DerivationView.h"
#include "Session.h"

namespace tarnel {

void Session::Forwarder::showMessage(const std::string& text) {
    if (messages != nullptr)
        messages->showMessage(text);
}

void Session::Forwarder::showStage(int kind, const std::string& label, const Word& word) {
    if (display != nullptr)
        display->showStage(kind, label, word);
}

void Session::setDerivationMode(DerivationMode mode) {
    engine_.setDerivationMode(mode);
}

Result<> Session::derive(std::string_view boxText, MessageSink& messages, StageDisplay& display) {
    const std::optional<std::string> word = derivableWord(boxText);
    if (!word)
        return fail(std::string(typeAWordMessage));
    forwarder_ = {};
    forwarder_.messages = &messages;
    forwarder_.display = &display;
    engine_.derive(*word);
    forwarder_ = {};
    return {};
}

bool Session::runBatch(BatchDisplay& display, MessageSink& messages) {
    forwarder_ = {};
    forwarder_.messages = &messages;
    const bool ran = engine_.runBatch(display);
    forwarder_ = {};
    return ran;
}

} // namespace tarnel
