#include "TestModels.h"

#include <fstream>
#include <sstream>

namespace tarnel::test {

std::string dataFile(const std::string& name) {
    std::ifstream in(std::string(TARNEL_MODEL_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

Model sampleModel() {
    Model model;
    model.modelName = "sample";
    model.notes = "A first note.";
    model.lst1Rule = {
        {"R1 \xAB...\xBB", "A:  +cons (*) \xAB...\xBB", "1:  +cons (*) \xAB...\xBB", "END:  R1"}};
    model.lstSupply = {"R1"};
    model.lstDiacOrd = {"R1"};
    model.lstM = {""};
    model.lstP = {"P"};
    model.lstCol = {"a----+-+++---+-----+++", "t+--+-+-+------+------"};
    model.lstColR = {"a----+-+++---+-----+++"};
    model.lstVocab = {"ata  ada"};
    return model;
}

Model richModel() {
    Model model;
    model.modelName = "rich";
    model.notes = "First line \xE9t\xE9\r\n\r\n  indented line \x80 \xA7 kept";
    model.lst1Rule = {
        {"Voicing \xABvoice between vowels\xBB", "A:  -syll (*) \xAB...\xBB",
         "1:  +voice (*) \xAB...\xBB", "END:  Voicing"},
        {"Apocope \xAB...\xBB", "A:  +syll (*) \xAB...\xBB", "1:  DELETE (*) \xAB...\xBB", "END:"},
        {"Stress \xAB...\xBB", "A:  +syll (*) \xAB...\xBB", "1:  +stress (*) \xAB...\xBB",
         "END:  Stress"},
    };
    model.lstSupply = {"Apocope", "Stress", "Voicing"};
    model.lstDiacOrd = {"-Stress", "Voicing", "-Apocope", "Voicing"};
    model.lstM = {"M", "", "M", ""};
    model.lstP = {"P", "", "", "P"};
    model.lstEtyOrd = {"Stress", "Stress"};
    model.lstCol = {"a----+-+++---+-----+++", "t+--+-+-+------+------", "\xE6----+-+++---+-----+++",
                    "?+--+-+-+------+------", "T+--+-+-+------+-----+"};
    model.lstColR = {"a----+-+++---+-----+++", "d+--+-+-+------+-----+"};
    model.lstVocab = {"ata  ada", "Tat\xE6  dada", "t\xE6  da"};
    return model;
}

} // namespace tarnel::test
