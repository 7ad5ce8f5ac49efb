// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Engine.h"
#include "support/ModelBuilder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace tarnel::test {

// A model with the default alphabets and the rule RAISE_A (a > e), and an engine over it. The
// fixture is the engine's message sink and stage display: it records the messages, and the stages
// as "kind label word" joined by "/".
class EngineTest : public ::testing::Test, public MessageSink, public StageDisplay {
protected:
    EngineTest() {
        engine_.setDerivationMode(DerivationMode::Interactive);
        addRule("RAISE_A", {"+low (*)"}, {"-low (*)"});
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void showStage(int kind, const std::string& label, const Word& word) override {
        stages +=
            (stages.empty() ? "" : "/") + std::to_string(kind) + " " + label + " " + spell(word);
    }

    // Adds a rule.
    void addRule(const std::string& name, const Lines& ifs, const Lines& thens) {
        model.lst1Rule.push_back(rule(name, ifs, thens));
    }
    // The Diachronic Order; "P NAME" is a persistent entry.
    void setDiachronic(const Lines& entries) { model = ModelBuilder(model).diachronic(entries); }

    // The word read back through the Etymon Alphabet, '?' where no letter fits (the mark is
    // no part of a letter).
    std::string spell(const Word& word) const {
        std::string text;
        for (std::size_t p = 0; p < static_cast<std::size_t>(word.length); ++p) {
            std::string signs;
            for (int f = 0; f < soundFeatureCount; ++f)
                signs += word.segments[p][f] ? '+' : '-';
            const auto column = std::ranges::find(
                model.lstCol, signs, [](const AlphabetColumn& column) { return column.substr(1); });
            text += column == model.lstCol.end() ? '?' : column->front();
        }
        return text;
    }
    // The engine, over the model as the test has left it.
    Engine& engine() {
        compiled = std::make_unique<CompiledModel>(model);
        engine_.setModel(*compiled);
        return engine_;
    }

    Model model = ModelBuilder();
    Lines messages;
    std::string stages;
    std::unique_ptr<CompiledModel> compiled = std::make_unique<CompiledModel>(model);
    Engine engine_{*compiled, *this, this};
};

} // namespace tarnel::test
