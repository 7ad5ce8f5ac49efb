// SPDX-License-Identifier: GPL-3.0-or-later
#include "DerivationView.h"

#include "WordBox.h"
#include "engine/RuleText.h"
#include "engine/StageDisplay.h"

namespace tarnel {

std::string derivationCaption(DerivationMode mode, std::string_view modelName) {
    std::string caption = "Model \"" + std::string(modelName) + "\"";
    switch (mode) {
    case DerivationMode::Interactive:
        return caption + ", Interactive Mode, Diachronic Derivation";
    case DerivationMode::Reflex:
        return caption + ", Interactive Mode, Reflex Rules";
    case DerivationMode::Batch:
        return caption + ", Batch Mode";
    case DerivationMode::None:
        break;
    }
    return caption;
}

std::string_view wordPrompt(DerivationMode mode) {
    switch (mode) {
    case DerivationMode::Interactive:
        return etymonPrompt;
    case DerivationMode::Reflex:
        return reflexPrompt;
    default:
        return {};
    }
}

std::optional<std::string> derivableWord(std::string_view boxText) {
    if (boxText.empty() || boxText.find(' ') != std::string_view::npos)
        return std::nullopt;
    return std::string(boxText);
}

StageLine decodeStage(int kind, std::string_view label, const Word& word) {
    StageLine line;
    line.label = kind == stageEtymon ? std::string(label) + ":" : std::string(label);
    if (kind == stageEnd)
        return line;
    for (int p = 0; p < word.length && p < wordPositions; ++p) {
        const Segment& segment = word.segments[static_cast<std::size_t>(p)];
        line.cells.push_back(kind == stageReflex ? reflexGetSymbol(segment) : getSymbol(segment));
    }
    return line;
}

std::string offFeatsText(std::string_view differs) {
    if (differs.empty())
        return {};
    return " " + std::string(differs) + " ";
}

std::vector<std::string> stageLabels(const Model& model) {
    std::vector<std::string> labels = {"Etymon:", "End", "Reflex"};
    for (const auto& rule : model.lst1Rule) {
        std::string name = splitRuleText(rule).stageName;
        labels.push_back("P-" + name);
        labels.push_back(std::move(name));
    }
    return labels;
}

} // namespace tarnel
