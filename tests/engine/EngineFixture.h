#pragma once

#include "core/Alphabet.h"
#include "core/Encoder.h"
#include "core/Messages.h"
#include "engine/Engine.h"
#include "engine/StageDisplay.h"
#include "model/Model.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarnel::test {

struct RecordedMessages : MessageSink {
    void showMessage(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

struct RecordedStages : StageDisplay {
    struct Stage {
        int kind;
        std::string label;
        Word word;
    };
    void showStage(int kind, const std::string& label, const Word& word) override {
        stages.push_back({kind, label, word});
    }
    std::vector<std::string> labels() const {
        std::vector<std::string> result;
        for (const Stage& stage : stages)
            result.push_back(stage.label);
        return result;
    }
    std::vector<Stage> stages;
};

// A rule from its name and bodies: "A:  ", "B:  " ... and "1:  ", "2:  " ... are added.
std::vector<std::string> makeRule(const std::string& name, const std::vector<std::string>& ifs,
                                  const std::vector<std::string>& thens);

// A word encoded through the default alphabet.
Word makeWord(const std::string& text);

// The text of a word read back through the default alphabet ('?' where no letter fits).
std::string spell(const Word& word);

// A model with the default alphabets, and an engine over it that records what it shows.
class EngineTest : public ::testing::Test {
protected:
    EngineTest();

    // Adds a rule to the store; returns its index.
    int addRule(const std::string& name, const std::vector<std::string>& ifs,
                const std::vector<std::string>& thens);
    void addDiachronic(const std::string& name, bool persistent = false);

    // Applies rule `index` once to `text` in pass 1; returns the resulting spelling.
    std::string applyTo(int index, const std::string& text);
    // Derives `text` interactively; returns the resulting spelling.
    std::string deriveText(const std::string& text);

    Model model;
    RecordedMessages messages;
    RecordedStages stages;
    Engine engine{model, messages, &stages};
};

} // namespace tarnel::test
