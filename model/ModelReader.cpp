// SPDX-License-Identifier: GPL-3.0-or-later
// The model file reader. It takes the file one character at a time and fills the lists
// section by section. It is tolerant of hand-edited files: line numbers before order
// entries, comments after them, any blank space between entries. Whatever it keeps, the
// writer writes back so that it reads the same; what could not be written back faithfully
// is left out with a warning that names its line. Beside the model it notes the line of
// everything it kept, for the check that follows a load.

#include "ModelReader.h"

#include "AlphabeticalList.h"
#include "CharCursor.h"
#include "FileMarks.h"
#include "OrderEntry.h"
#include "RuleName.h"
#include "core/Cp1252.h"
#include "core/Text.h"

#include <algorithm>
#include <numeric>

namespace tarnel {

namespace {

struct Reading {
    CharCursor in;
    Model model;
    std::vector<std::string> warnings;
    ModelLines lines;

    void leftOut(int line, std::string_view what, std::string_view text) {
        warnings.push_back("Line " + std::to_string(line) + ": " + std::string(what) + " \"" +
                           std::string(text) + "\" cannot be kept; it was left out.");
    }
};

bool contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

// Notes run from the first non-blank character after the START line to the END marker.
// The whole text before the marker is kept, "§" included, so notes survive a reload whole.
// The name line is passed to its end (a CR, or an LF alone in a hand-edited file), so a "§"
// in the model's name changes nothing.
void readNotes(CharCursor& in, Model& model) {
    static constexpr std::string_view endMarker = "\xA7"
                                                  "3_END:Notes";
    in.setSection("Notes");
    in.readUntil(sectionMark); // skips the heading up to "§1_NAME:"
    in.readToLineEnd();        // the name line is not read: a model is named by its file
    in.readUntil(sectionMark);
    in.read(14); // the rest of "2_START:Notes" and its CR
    in.skipBlankSpace();
    std::string text(1, in.current());
    while (!text.ends_with(endMarker)) {
        in.read();
        text += in.current();
    }
    text.resize(text.size() - endMarker.size());
    model.notes = trimmedNotes(text);
}

// Reads one rule whose first character is current; leaves the first character after the
// rule and its following blank space current. A rule whose name could not stand in an
// order is left out.
void getRule(Reading& r) {
    CharCursor& in = r.in;
    const int line = in.line();
    std::vector<int> lines{line};
    std::vector<std::string> rule{in.collectLine()};
    const std::string name(ruleNameOf(rule.front()));
    const std::string header = rule.front();
    if (!contains(rule.front(), openComment))
        rule.front() += commentPlaceholder;

    for (bool end = false; !end;) {
        in.skipBlankSpace();
        lines.push_back(in.line());
        std::string body = in.collectLine();
        end = body.starts_with("END");
        if (!body.starts_with("END:") && !contains(body, openComment))
            body += commentPlaceholder;
        rule.emplace_back(trimBlanks(body));
        in.skipBlankSpace();
    }
    if (!isOrderEntryName(name)) {
        r.leftOut(line, "rule", name.empty() ? header : name);
        return;
    }
    r.model.lst1Rule.push_back(std::move(rule));
    r.model.lstSupply.push_back(std::move(name));
    r.lines.rules.push_back(std::move(lines));
}

// The first rule starts at the first character after the START line that is not blank
// space, whatever that character is.
void readRules(Reading& r) {
    r.in.setSection("Rules");
    r.in.readUntil(sectionMark);
    r.in.readUntil('\r'); // "4_START:Rules"
    r.in.skipBlankSpace();
    while (r.in.current() != sectionMark)
        getRule(r);
    sortAlphabetical(r.model.lstSupply);
}

// After the "§" of a section's END marker: on to the end of the next START line.
void passEndMarker(CharCursor& in) {
    in.readUntil(sectionMark);
    in.readUntil('\r');
}

void leftOutEntry(Reading& r, const ReadEntry& entry) {
    r.leftOut(entry.line, "order entry", entry.name.empty() ? entry.text : entry.name);
}

// A hand-written masked entry ("-Raise") is marked masked, as the engine will treat it.
void readDiachronicOrder(Reading& r) {
    Model& model = r.model;
    r.in.setSection("Diachronic Order");
    r.in.readUntil('\r');
    for (const ReadEntry& read : readOrderEntries(r.in, true)) {
        const EntryName entry = orderEntry(read.name);
        if (!isOrderEntryName(entry.rule)) {
            leftOutEntry(r, read);
            continue;
        }
        model.lstDiacOrd.push_back(read.name);
        model.lstM.emplace_back(entry.masked ? maskMark : "");
        model.lstP.emplace_back(read.persistent ? persistentMark : "");
        r.lines.diachronicOrder.push_back(read.line);
    }
    passEndMarker(r.in);
}

void readPlainOrder(Reading& r, std::vector<std::string>& order, std::vector<int>& lines) {
    r.in.read();
    for (ReadEntry& read : readOrderEntries(r.in, false)) {
        if (!isOrderEntryName(read.name)) {
            leftOutEntry(r, read);
            continue;
        }
        order.push_back(std::move(read.name));
        lines.push_back(read.line);
    }
    passEndMarker(r.in);
}

// One column per entry: a character and the "+"/"-" signs right after it. The number of
// signs is not checked; anything else after the signs starts a new column.
void readAlphabet(CharCursor& in, Alphabet& alphabet, std::vector<int>& lines) {
    in.read();
    in.skipBlankSpace();
    while (in.current() != sectionMark) {
        lines.push_back(in.line());
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
// The items are sorted as sortAlphabetical sorts them, each with its line.
void readVocabulary(Reading& r) {
    CharCursor& in = r.in;
    in.setSection("Vocabulary");
    in.skipBlankSpace();
    std::vector<std::string> items;
    std::vector<int> lines;
    while (in.current() != sectionMark) {
        lines.push_back(in.line());
        items.push_back(in.collectLine());
        in.skipBlankSpace();
    }
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&items](std::size_t a, std::size_t b) {
        return alphabeticalLess(items[a], items[b]);
    });
    r.model.lstVocab.reserve(items.size());
    r.lines.vocabulary.reserve(items.size());
    for (const std::size_t i : order) {
        r.model.lstVocab.push_back(std::move(items[i]));
        r.lines.vocabulary.push_back(lines[i]);
    }
}

void readSections(Reading& r) {
    readNotes(r.in, r.model);
    readRules(r);
    r.in.readUntil(sectionMark); // "§6_START:Diachronic_Order"
    readDiachronicOrder(r);
    r.in.setSection("Etymon Order");
    readPlainOrder(r, r.model.lstEtyOrd, r.lines.etymonOrder);
    r.in.setSection("Reflex Order");
    readPlainOrder(r, r.model.lstReflOrd, r.lines.reflexOrder);
    r.in.setSection("Etymon Alphabet");
    readAlphabet(r.in, r.model.lstCol, r.lines.etymonAlphabet);
    r.in.setSection("Reflex Alphabet");
    readAlphabet(r.in, r.model.lstColR, r.lines.reflexAlphabet);
    readVocabulary(r);
}

// A model file that an editor saved again as UTF-8: every byte is valid UTF-8, and the
// section marks are the two-byte "§". No Windows-1252 model file is both, as its one-byte
// "§" is never valid UTF-8.
bool isUtf8ModelText(std::string_view bytes) {
    return bytes.find("\xC2\xA7") != std::string_view::npos && isValidUtf8(bytes);
}

} // namespace

Result<LoadedModel> readModelBytes(std::string_view bytes, const std::string& name,
                                   std::string_view fileName) {
    const std::string quoted = "The model file \"" + std::string(fileName) + "\"";
    if (bytes.empty())
        return fail(quoted + " is empty.");
    if (isUtf8ModelText(bytes))
        return fail(quoted + " was saved in another character set. This file is UTF-8 text; " +
                    "model files are Windows-1252. Convert it back, for example with " +
                    "\"iconv -f UTF-8 -t WINDOWS-1252 OLD.tnl > NEW.tnl\", and open the " +
                    "converted file.");
    Reading r{CharCursor(bytes), {}, {}, {}};
    r.model.modelName = name;
    try {
        readSections(r);
    } catch (const CharCursor::TextEndsEarly& early) {
        return fail(quoted + " ends early (in the " + early.section + " section).");
    }
    return LoadedModel{std::move(r.model), std::move(r.warnings), std::move(r.lines)};
}

Result<LoadedModel> readModelText(std::string_view bytes, const std::string& name) {
    return readModelBytes(bytes, name, name + std::string(modelFileExtension));
}

} // namespace tarnel
