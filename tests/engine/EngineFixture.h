// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Encoder.h"
#include "engine/Engine.h"
#include "support/ModelBuilder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace tarnel::test {

// A model with the default alphabets and a few rules, and an engine over it. The fixture is
// the engine's message sink and stage display: it records the messages, and the stages as
// "kind label word" joined by "/".
class EngineTest : public ::testing::Test, public MessageSink, public StageDisplay {
protected:
    EngineTest() {
        engine_.setDerivationMode(DerivationMode::Interactive);
        addRule("RAISE_A", {"+low (*)"}, {"-low (*)"});                      // a > e
        addRule("RAISE_E", {"+syll (*) -low (*) -high (*)"}, {"+high (*)"}); // e > i
        addRule("LEFT", {"-syll (*) +syll (*+1)"}, {"SWAP (*) (*+1)"});      // pa > ap
        addRule("MARK", {"+syll (*)"}, {"+mark (*)"});
        addRule("ENDING_LOSS", {"+syll (-1)"}, {"DELETE (-1)"});
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void showStage(int kind, const std::string& label, const Word& word) override {
        stages +=
            (stages.empty() ? "" : "/") + std::to_string(kind) + " " + label + " " + spell(word);
    }

    // Adds a rule; returns its index.
    int addRule(const std::string& name, const Lines& ifs, const Lines& thens) {
        model.lst1Rule.push_back(rule(name, ifs, thens));
        return static_cast<int>(model.lst1Rule.size()) - 1;
    }
    // The Diachronic Order; "P NAME" is a persistent entry.
    void setDiachronic(const Lines& entries) { model = ModelBuilder(model).diachronic(entries); }

    Word makeWord(const std::string& text) {
        Word word;
        encodeEtymon(text, EncodingTable(model.lstCol), word, *this);
        return word;
    }
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
    // Applies rule `index` once to `text` in pass 1; returns the resulting spelling.
    std::string applyTo(int index, const std::string& text) {
        engine().setWorkingWord(makeWord(text));
        engine().applyRule(index, passEtymon);
        return spell(engine().workingWord());
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
