#include "EngineFixture.h"

#include <random>

namespace tarnel::test {
namespace {

// Rule text comes unchecked from model files: whatever it says, the engine must neither
// crash, nor touch memory outside a word, nor loop. Run under the sanitizers this test
// checks the first two; finishing checks the third.
class RandomRules {
public:
    explicit RandomRules(unsigned seed) : random_(seed) {}

    std::vector<std::string> rule(const std::string& name) {
        std::vector<std::string> lines{name + pick(comments)};
        const int count = below(12);
        for (int i = 0; i < count; ++i)
            lines.push_back(mangle(line()));
        if (below(4) != 0)
            lines.push_back("END:  " + name);
        return lines;
    }

    std::string word() {
        std::string text;
        const int length = below(24);
        for (int i = 0; i < length; ++i)
            text +=
                below(10) == 0 ? static_cast<char>(below(256)) : static_cast<char>('a' + below(26));
        return text;
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    template <std::size_t N> std::string pick(const std::array<const char*, N>& options) {
        return options[static_cast<std::size_t>(below(static_cast<int>(N)))];
    }

private:
    static constexpr std::array<const char*, 4> comments = {"", " \xAB...\xBB", " \xAB", ":x"};
    static constexpr std::array<const char*, 12> features = {"cons",    "syll",  "high",  "low",
                                                             "back",    "front", "obstr", "mark",
                                                             "segment", "all",   "bogus", ""};
    static constexpr std::array<const char*, 16> locations = {
        "(*)",  "(*+1)", "(*-1)",   "(*+9)",  "(*-9)", "(1)",  "(2)", "(-1)",
        "(-2)", "(0)",   "(+cons)", "(*+99)", "(-99)", "(99)", "(*",  "*)"};
    static constexpr std::array<const char*, 6> relations = {"=", "<>", ">", "<", "", "=="};
    static constexpr std::array<const char*, 10> heads = {"A:  ", "1:  ", "2:  ", "B:", "END",
                                                          "",     "Z:  ", "1",    "  ", "9:  "};

    std::string unit() {
        return pick(std::array{"+", "-", "", "x"}) + pick(features) + " " + pick(locations);
    }

    std::string body() {
        switch (below(9)) {
        case 0: {
            std::string text = unit();
            for (int i = below(10); i > 0; --i)
                text += " " + unit();
            return text;
        }
        case 1:
            return pick(features) + " " + pick(locations) + " " + pick(relations) + " " +
                   pick(features) + " " + pick(locations);
        case 2:
            return "COUNT " + unit() + " " + pick(locations) + " " + pick(relations) + " " +
                   std::to_string(below(30) - 5);
        case 3:
            return std::string(1, static_cast<char>('@' + below(30))) + " " +
                   pick(std::array{"and", "or", "an", ""}) + " " +
                   std::string(1, static_cast<char>('@' + below(30)));
        case 4:
            return "DELETE " + pick(locations);
        case 5:
            return "SWAP " + pick(locations) + " " + pick(locations);
        case 6:
            return "INSERT " + std::string(1, static_cast<char>(below(256))) + " " +
                   pick(locations);
        case 7:
            return "INSERT " + std::string(1, static_cast<char>('a' + below(26))) + " " +
                   pick(locations);
        default:
            return word();
        }
    }

    std::string line() { return pick(heads) + body() + pick(comments); }

    // Cuts, drops, doubles or replaces characters at random.
    std::string mangle(std::string text) {
        for (int edits = below(4) == 0 ? below(4) : 0; edits > 0 && !text.empty(); --edits) {
            const std::size_t at = static_cast<std::size_t>(below(static_cast<int>(text.size())));
            switch (below(4)) {
            case 0:
                text.resize(at);
                break;
            case 1:
                text.erase(at, 1);
                break;
            case 2:
                text.insert(at, 1, text[at]);
                break;
            default:
                text[at] = static_cast<char>(below(256));
            }
        }
        return text;
    }

    std::mt19937 random_;
};

struct NullBatch : BatchDisplay {
    bool confirmLargeRun(std::string_view) override { return true; }
    void showBatchItem(const BatchItem&) override {}
    void showBatchEnd(std::string_view) override {}
};

bool lengthsValid(Engine& engine) {
    const auto valid = [](const Word& w) { return w.length >= 0 && w.length <= maxTypedLength; };
    return valid(engine.workingWord()) && valid(engine.reflexWord());
}

TEST(Totality, ArbitraryRuleTextNeverBreaksTheEngine) {
    RandomRules random(20260);
    for (int round = 0; round < 3000; ++round) {
        Model model;
        createAlphabets(model.lstCol, model.lstColR);
        const std::array<std::string, 5> names = {"R0", "R1", "ENDING", "R3", "R4"};
        for (const std::string& name : names)
            model.lst1Rule.push_back(random.rule(name));
        for (int i = random.below(8); i > 0; --i) {
            const std::string& name = names[static_cast<std::size_t>(random.below(5))];
            model.lstDiacOrd.push_back(random.below(5) == 0 ? "-" + name : name);
            model.lstP.push_back(random.below(3) == 0 ? "P" : "");
        }
        model.lstEtyOrd = {names[static_cast<std::size_t>(random.below(5))], "NONE"};
        model.lstReflOrd = {names[static_cast<std::size_t>(random.below(5))]};
        for (int i = random.below(4); i > 0; --i)
            model.lstVocab.push_back(random.word() + "  " + random.word());

        RecordedMessages messages;
        RecordedStages stages;
        Engine engine(model, messages, &stages);
        engine.setDerivationMode(DerivationMode::Interactive);
        engine.derive(random.word());
        ASSERT_TRUE(lengthsValid(engine)) << "round " << round;
        engine.setDerivationMode(DerivationMode::Reflex);
        engine.derive(random.word());
        ASSERT_TRUE(lengthsValid(engine)) << "round " << round;
        NullBatch batch;
        ASSERT_TRUE(engine.runBatch(batch));
        ASSERT_TRUE(lengthsValid(engine)) << "round " << round;
    }
}

} // namespace
} // namespace tarnel::test
