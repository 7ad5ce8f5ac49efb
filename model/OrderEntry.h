// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

class CharCursor;

// The marks in the columns beside the Diachronic Order.
inline constexpr std::string_view maskMark = "M";
inline constexpr std::string_view persistentMark = "P";

// What an order entry is, for the file reader, the writer and the engine alike.

// An entry of the Diachronic Order: the rule it names and whether it is masked. A masked
// entry is the rule name with one "-" before it.
struct EntryName {
    std::string_view rule;
    bool masked = false;
};
EntryName orderEntry(std::string_view entry);

// The line the writer gives a Diachronic entry: masks are not saved, and a persistent entry
// follows a pilcrow and a blank.
std::string orderLine(std::string_view entry, bool persistent);

// True when `name` can stand in every order: written as its line, persistent or not, it
// reads back as the same unmasked name. Every rule name the reader keeps is one, so that any
// rule may be put in any order and saved.
bool isOrderEntryName(std::string_view name);

// An entry as the reader takes it from an order section, with the line it starts on.
struct ReadEntry {
    std::string name;
    bool persistent = false;
    int line = 0;
    std::string text; // as the file holds it, from its line number on
};

// Reads an order section from its first entry (or the blank space before it) up to the "§"
// of its END marker, which is left current. A line may start with a line number ("3 ",
// "3: ", "3:"); an entry may be followed by a comment in guillemets. Only the Diachronic
// Order knows the pilcrow of a persistent entry.
std::vector<ReadEntry> readOrderEntries(CharCursor& in, bool diachronic);

} // namespace tarnel
