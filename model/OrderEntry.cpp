// SPDX-License-Identifier: GPL-3.0-or-later
#include "OrderEntry.h"

#include "CharCursor.h"
#include "FileMarks.h"
#include "RuleName.h"

#include <algorithm>

namespace tarnel {

namespace {

constexpr char maskSign = '-';

bool isNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == ':';
}

// A line number is a run of digits and colons that holds a colon or ends at blank space
// ("3 Raise", "3: Raise", "3:Raise"); it is skipped with the blanks after it. Digits that run
// on into a name ("2nd_x") are the start of that name, and are returned.
std::string readLineNumber(CharCursor& in) {
    std::string run;
    while (isNumberCharacter(in.current())) {
        run += in.current();
        in.read();
    }
    if (run.find(':') == std::string::npos && !CharCursor::isBlankSpace(in.current()))
        return run;
    in.skipBlanks();
    return {};
}

// A comment in guillemets after an entry is read and dropped.
void skipEntryComment(CharCursor& in) {
    in.skipBlanks();
    if (in.current() == openComment) {
        in.readUntil(closeComment);
        in.read();
    }
}

ReadEntry readEntry(CharCursor& in, bool diachronic) {
    ReadEntry entry;
    entry.line = in.line();
    const std::size_t start = in.offset();
    entry.name = readLineNumber(in);
    if (diachronic && entry.name.empty() && in.current() == pilcrow) {
        entry.persistent = true;
        in.read();
        in.skipBlanks();
    }
    while (!endsRuleName(in.current())) {
        entry.name += in.current();
        in.read();
    }
    entry.text = in.textFrom(start);
    return entry;
}

// Whether `line`, written as a line of an order section, reads back as the one entry `name`.
bool readsBackAs(const std::string& line, std::string_view name, bool persistent) {
    const std::string text = line + std::string(crlf) + sectionMark;
    CharCursor in(text);
    try {
        in.read();
        const std::vector<ReadEntry> entries = readOrderEntries(in, true);
        return entries.size() == 1 && entries.front().name == name &&
               entries.front().persistent == persistent;
    } catch (const CharCursor::TextEndsEarly&) {
        return false;
    }
}

// Letters, digits and underscores after a letter: a name that reads back as itself, persistent
// or not, as nothing in it ends a name or starts a line number, a mark or a comment. Most
// names are such, and need not be written out and read back.
bool isPlainName(std::string_view name) {
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    return !name.empty() && letter(name.front()) &&
           std::all_of(name.begin(), name.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9') || c == '_'; });
}

} // namespace

EntryName orderEntry(std::string_view entry) {
    const bool masked = entry.starts_with(maskSign);
    return {masked ? entry.substr(1) : entry, masked};
}

std::string orderLine(std::string_view entry, bool persistent) {
    const std::string name(orderEntry(entry).rule);
    return persistent ? std::string{pilcrow, ' '} + name : name;
}

bool isOrderEntryName(std::string_view name) {
    if (isPlainName(name))
        return true;
    return !name.empty() && !orderEntry(name).masked &&
           readsBackAs(orderLine(name, false), name, false) &&
           readsBackAs(orderLine(name, true), name, true);
}

std::vector<ReadEntry> readOrderEntries(CharCursor& in, bool diachronic) {
    std::vector<ReadEntry> entries;
    in.skipBlankSpace();
    while (in.current() != sectionMark) {
        entries.push_back(readEntry(in, diachronic));
        skipEntryComment(in);
        in.skipBlankSpace();
    }
    return entries;
}

} // namespace tarnel
