#include "EngineFixture.h"

namespace tarnel::test {

std::vector<std::string> makeRule(const std::string& name, const std::vector<std::string>& ifs,
                                  const std::vector<std::string>& thens) {
    std::vector<std::string> lines{name + " \xAB...\xBB"};
    for (std::size_t i = 0; i < ifs.size(); ++i)
        lines.push_back(std::string(1, static_cast<char>('A' + i)) + ":  " + ifs[i] + " \xAB\xBB");
    for (std::size_t i = 0; i < thens.size(); ++i)
        lines.push_back(std::to_string(i + 1) + ":  " + thens[i] + " \xAB\xBB");
    lines.push_back("END:  " + name);
    return lines;
}

namespace {

const Alphabet& defaultAlphabet() {
    static const Alphabet alphabet = [] {
        Alphabet etymon, reflex;
        createAlphabets(etymon, reflex);
        return etymon;
    }();
    return alphabet;
}

} // namespace

Word makeWord(const std::string& text) {
    RecordedMessages ignored;
    Word word;
    encodeEtymon(text, defaultAlphabet(), word, ignored);
    return word;
}

std::string spell(const Word& word) {
    std::string text;
    for (int p = 0; p < word.length; ++p) {
        char letter = '?';
        for (const AlphabetColumn& column : defaultAlphabet()) {
            bool same = true;
            for (int f = 0; f < soundFeatureCount; ++f)
                same = same &&
                       columnValue(column, f) ==
                           word.segments[static_cast<std::size_t>(p)][static_cast<std::size_t>(f)];
            if (same) {
                letter = column[0];
                break;
            }
        }
        text += letter;
    }
    return text;
}

EngineTest::EngineTest() {
    createAlphabets(model.lstCol, model.lstColR);
    engine.setDerivationMode(DerivationMode::Interactive);
}

int EngineTest::addRule(const std::string& name, const std::vector<std::string>& ifs,
                        const std::vector<std::string>& thens) {
    model.lst1Rule.push_back(makeRule(name, ifs, thens));
    model.lstSupply.push_back(name);
    return static_cast<int>(model.lst1Rule.size()) - 1;
}

void EngineTest::addDiachronic(const std::string& name, bool persistent) {
    model.lstDiacOrd.push_back(name);
    model.lstM.push_back("");
    model.lstP.push_back(persistent ? "P" : "");
}

std::string EngineTest::applyTo(int index, const std::string& text) {
    engine.workingWord() = makeWord(text);
    engine.startRun();
    engine.applyRule(index, passEtymon);
    return spell(engine.workingWord());
}

std::string EngineTest::deriveText(const std::string& text) {
    engine.derive(text);
    return spell(engine.workingWord());
}

} // namespace tarnel::test
