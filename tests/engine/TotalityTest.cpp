#include "EngineFixture.h"

#include <map>
#include <random>

namespace tarnel::test {
namespace {

// Rule text comes unchecked from model files: whatever it says, the engine must neither
// crash, nor touch memory outside a word, nor loop. Run under the sanitizers this test
// checks the first two; finishing checks the third.
class RandomText {
public:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // Letters, now and then any byte at all.
    std::string word() {
        std::string text;
        for (int i = below(24); i > 0; --i)
            text += static_cast<char>(below(10) == 0 ? below(256) : 'a' + below(26));
        return text;
    }

    // A rule line is a random head, body and comment; some lines are then damaged.
    Lines rule(const std::string& name) {
        Lines lines{name + expand("%m")};
        for (int i = below(12); i > 0; --i)
            lines.push_back(mangle(expand("%h%B%m")));
        if (below(4) != 0)
            lines.push_back("END:  " + name);
        return lines;
    }

private:
    // "%k" stands for a pick from pools[k] (itself expanded), "%b" for any byte, "%w" for
    // a word.
    std::string expand(std::string_view pattern) {
        std::string text;
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            const char key = pattern[i] == '%' ? pattern[++i] : 0;
            const auto& pool = key ? pools.find(key)->second : Lines{};
            text += key == 0     ? std::string(1, pattern[i])
                    : key == 'b' ? std::string(1, static_cast<char>(below(256)))
                    : key == 'w' ? word()
                                 : expand(pool[static_cast<std::size_t>(below(int(pool.size())))]);
        }
        return text;
    }

    // Cuts, drops, doubles or replaces characters at random.
    std::string mangle(std::string text) {
        for (int edits = below(4) == 0 ? below(4) : 0; edits > 0 && !text.empty(); --edits) {
            const std::size_t at = static_cast<std::size_t>(below(static_cast<int>(text.size())));
            const int edit = below(4);
            if (edit == 0)
                text.resize(at);
            else if (edit == 1)
                text.erase(at, 1);
            else if (edit == 2)
                text.insert(at, 1, text[at]);
            else
                text[at] = static_cast<char>(below(256));
        }
        return text;
    }

    inline static const std::map<char, Lines> pools = {
        {'B',
         {"%u", "%u %u %u", "%u %u %u %u %u %u %u %u %u %u", "%f %l %r %f %l", "COUNT %u %l %r %n",
          "%x %c %x", "DELETE %l", "SWAP %l %l", "INSERT %b %l", "INSERT %y %l", "%w"}},
        {'u', {"%s%f %l"}},
        {'s', {"+", "-", "", "x"}},
        {'f',
         {"cons", "syll", "high", "low", "back", "front", "obstr", "mark", "segment", "all",
          "bogus", ""}},
        {'l',
         {"(*)", "(*+1)", "(*-1)", "(*+9)", "(*-9)", "(1)", "(2)", "(-1)", "(-2)", "(0)", "(+cons)",
          "(*+99)", "(-99)", "(99)", "(*", "*)"}},
        {'r', {"=", "<>", ">", "<", "", "=="}},
        {'n', {"-5", "-1", "0", "1", "2", "3", "9", "24"}},
        {'x', {"@", "A", "B", "C", "D", "Y", "Z", "[", "]"}},
        {'c', {"and", "or", "an", ""}},
        {'y', {"a", "e", "i", "m", "p", "z"}},
        {'h', {"A:  ", "1:  ", "2:  ", "B:", "END", "", "Z:  ", "1", "  ", "9:  "}},
        {'m', {"", " \xAB...\xBB", " \xAB", ":x"}}};
    std::mt19937 random_{20260};
};

TEST_F(EngineTest, ArbitraryRuleTextNeverBreaksTheEngine) {
    RandomText random;
    const Lines names = {"R0", "R1", "ENDING", "R3", "R4"};
    const auto name = [&] { return names[static_cast<std::size_t>(random.below(5))]; };
    for (int round = 0; round < 3000; ++round) {
        SCOPED_TRACE(round);
        model = Model{};
        createAlphabets(model.lstCol, model.lstColR);
        for (const std::string& rule : names)
            model.lst1Rule.push_back(random.rule(rule));
        for (int i = random.below(8); i > 0; --i) {
            model.lstDiacOrd.push_back((random.below(5) == 0 ? "-" : "") + name());
            model.lstP.push_back(random.below(3) == 0 ? "P" : "");
        }
        model.lstEtyOrd = {name(), "NONE"};
        model.lstReflOrd = {name()};
        for (int i = random.below(4); i > 0; --i)
            model.lstVocab.push_back(random.word() + "  " + random.word());

        Engine fresh(model, *this, this);
        const auto lengthsValid = [&fresh] {
            for (const Word* word : {&fresh.workingWord(), &fresh.reflexWord()})
                if (word->length < 0 || word->length > maxTypedLength)
                    return false;
            return true;
        };
        fresh.setDerivationMode(DerivationMode::Interactive);
        fresh.derive(random.word());
        ASSERT_TRUE(lengthsValid());
        fresh.setDerivationMode(DerivationMode::Reflex);
        fresh.derive(random.word());
        ASSERT_TRUE(lengthsValid());
        BatchCollector batch;
        ASSERT_TRUE(fresh.runBatch(batch));
        ASSERT_TRUE(lengthsValid());
    }
}

} // namespace
} // namespace tarnel::test
