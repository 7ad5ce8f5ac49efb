// The model file reader. It takes the file one character at a time and fills the lists
// section by section; it checks nothing, so a section out of place simply fills lists from
// the wrong text. It is tolerant of hand-edited files: numbers and colons before order
// entries, comments after them, any blank space between entries.

#include "ModelReader.h"

#include "AlphabeticalList.h"
#include "CharCursor.h"
#include "FileMarks.h"

namespace tarnel {

namespace {

bool contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// Notes run from the first non-blank character after the START line to the END marker.
// The whole text before the marker is kept, "§" included, so notes survive a reload whole.
void readNotes(CharCursor& in, Model& model) {
    static constexpr std::string_view endMarker = "\xA7"
                                                  "3_END:Notes";
    in.setSection("Notes");
    in.readUntil(sectionMark); // skips the heading up to "§1_NAME:"
    in.readUntil(sectionMark); // the name line is not read: a model is named by its file
    in.read(14);               // the rest of "2_START:Notes" and its CR
    in.skipBlankSpace();
    std::string text(1, in.current());
    while (!text.ends_with(endMarker)) {
        in.read();
        text += in.current();
    }
    text.resize(text.size() - endMarker.size());
    text = trimBlanks(text);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
    model.notes = text;
}

// Reads one rule whose first character is current; leaves the first character after the
// rule and its following blank space current.
void getRule(CharCursor& in, Model& model) {
    auto& slot = model.lst1Rule.emplace_back();
    std::string name(1, in.current());
    in.read();
    while (in.current() != ' ' && in.current() != '\r' && in.current() != openComment) {
        name += in.current();
        in.read();
    }
    std::string header = name + in.collectLine();
    if (!contains(header, openComment))
        header += commentPlaceholder;
    slot.push_back(header);
    insertAlphabetical(model.lstSupply, name);

    for (bool end = false; !end;) {
        in.skipBlankSpace();
        std::string line = in.collectLine();
        end = line.starts_with("END");
        if (!line.starts_with("END:") && !contains(line, openComment))
            line += commentPlaceholder;
        if (!line.empty())
            slot.push_back(trimBlanks(line));
        in.skipBlankSpace();
    }
}

void readRules(CharCursor& in, Model& model) {
    in.setSection("Rules");
    in.readUntil(sectionMark);
    in.read(13); // "4_START:Rules"
    while (!isUpper(in.current())) {
        if (in.current() == sectionMark)
            return; // no rules
        in.read();
    }
    while (in.current() != sectionMark)
        getRule(in, model);
}

// After the "§" of a section's END marker: on to the end of the next START line.
void passEndMarker(CharCursor& in) {
    in.readUntil(sectionMark);
    in.readUntil('\r');
}

std::string collectName(CharCursor& in) {
    std::string name;
    while (in.current() != ' ' && in.current() != '\r') {
        name += in.current();
        in.read();
    }
    return name;
}

// A comment in guillemets after an order entry is read and dropped.
void skipEntryComment(CharCursor& in) {
    in.skipBlanks();
    if (in.current() == openComment) {
        in.readUntil(closeComment);
        in.read();
    }
}

void readDiachronicOrder(CharCursor& in, Model& model) {
    in.setSection("Diachronic Order");
    in.readUntil('\r');
    in.skipBlankSpace();
    while (in.current() != sectionMark) {
        while (isDigit(in.current()) || in.current() == ':')
            in.read();
        in.skipBlanks();
        const bool persistent = in.current() == pilcrow;
        if (persistent)
            in.read(2); // the pilcrow's blank and the name's first letter
        model.lstP.push_back(persistent ? "P" : "");
        model.lstM.push_back(""); // nothing is masked after a load
        model.lstDiacOrd.push_back(collectName(in));
        skipEntryComment(in);
        in.skipBlankSpace();
    }
    passEndMarker(in);
}

void readPlainOrder(CharCursor& in, std::vector<std::string>& order) {
    in.read();
    in.skipBlankSpace();
    while (in.current() != sectionMark) {
        while (isDigit(in.current()))
            in.read();
        in.skipBlanks();
        order.push_back(collectName(in));
        skipEntryComment(in);
        in.skipBlankSpace();
    }
    passEndMarker(in);
}

// One column per entry: a character and the "+"/"-" signs right after it. The number of
// signs is not checked; anything else after the signs starts a new column.
void readAlphabet(CharCursor& in, Alphabet& alphabet) {
    in.read();
    in.skipBlankSpace();
    while (in.current() != sectionMark) {
        AlphabetColumn column(1, in.current());
        in.read();
        while (in.current() == '+' || in.current() == '-') {
            column += in.current();
            in.read();
        }
        alphabet.push_back(column);
        in.skipBlankSpace();
    }
    passEndMarker(in);
}

// Stops at the "§" of the END marker: nothing after it is read. It starts on the CR of the
// START line, so an item on the very next line (a hand-edited file) is kept, not skipped.
void readVocabulary(CharCursor& in, Model& model) {
    in.setSection("Vocabulary");
    in.skipBlankSpace();
    while (in.current() != sectionMark) {
        insertAlphabetical(model.lstVocab, in.collectLine());
        in.skipBlankSpace();
    }
}

void readSections(CharCursor& in, Model& model) {
    readNotes(in, model);
    readRules(in, model);
    in.readUntil(sectionMark); // "§6_START:Diachronic_Order"
    readDiachronicOrder(in, model);
    in.setSection("Etymon Order");
    readPlainOrder(in, model.lstEtyOrd);
    in.setSection("Reflex Order");
    readPlainOrder(in, model.lstReflOrd);
    in.setSection("Etymon Alphabet");
    readAlphabet(in, model.lstCol);
    in.setSection("Reflex Alphabet");
    readAlphabet(in, model.lstColR);
    readVocabulary(in, model);
}

} // namespace

ModelReadResult readModelBytes(std::string_view bytes, const std::string& name,
                               std::string_view fileName) {
    const std::string quoted = "The model file \"" + std::string(fileName) + "\"";
    if (bytes.empty())
        return {std::nullopt, quoted + " is empty."};
    Model model;
    model.modelName = name;
    CharCursor in(bytes);
    try {
        readSections(in, model);
    } catch (const CharCursor::TextEndsEarly& early) {
        return {std::nullopt, quoted + " ends early (in the " + early.section + " section)."};
    }
    return {std::move(model), {}};
}

ModelReadResult readModelText(std::string_view bytes, const std::string& name) {
    return readModelBytes(bytes, name, name + std::string(modelFileExtension));
}

} // namespace tarnel
