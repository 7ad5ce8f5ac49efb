// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Conditions.h"
#include "Knowledge.h"
#include "SlotWrites.h"
#include "WordPlanes.h"
#include "core/Messages.h"
#include "core/Word.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarnel {

struct AbsoluteThen {
    std::vector<Unit> units;
};

struct DeleteThen {
    Location location;
};

struct SwapThen {
    Location first;
    Location second;
};

struct InsertThen {
    bool hasRow = false; // the letter has an Output Alphabet row
    Segment values;      // the letter's 21 features
    Location location;
};

using ThenLine = std::variant<AbsoluteThen, DeleteThen, SwapThen, InsertThen, RelativeLine>;

ThenLine parseThenLine(std::string_view body);

// One change of a then-line made ready to run at any focus: the units of Absolute then-lines
// in a row, with the companions they bring along, give one step; a line that can change
// nothing (a name that is no feature) gives none.
struct ThenStep {
    enum class Kind : std::uint8_t {
        Set,         // `writes`, in order
        Relate,      // slot `slot` at `first` from slot `source` at `second`, under `relation`
        CopySegment, // slots 0 to 21 of `second` copied to `first`
        Delete,      // the position `first`
        Swap,        // slots 0 to 21 of `first` and `second`
        Insert,      // the letter `values` (when `hasRow`) at `first`
    };
    Kind kind = Kind::Set;
    // Set: the writes of the units of consecutive Absolute then-lines, each followed by its
    // companion's, those that reach some word's position.
    std::vector<SlotWrite> writes;
    bool hasRow = false;
    std::int8_t slot = 0;
    std::int8_t source = 0;
    Relation relation = Relation::Invalid;
    Location first;
    Location second;
    Segment values;
};

// The steps of `line`, appended to `steps`; the slots they may write are added to `writes`.
void compileThenLine(const ThenLine& line, std::vector<ThenStep>& steps, std::uint32_t& writes);

// What a then-line works on: the word, the focus, and for the INSERT messages the rule's
// name and where to send them; in a run from an unseen state, what is known of the word.
struct ChangeContext {
    WordPlanes& word;
    int focus;
    const std::string& ruleName;
    MessageSink& messages;
    WordKnowledge* knowledge = nullptr;
};

// Runs the steps of a rule's then-lines, in order, at the context's focus.
void execute(const std::vector<ThenStep>& steps, const ChangeContext& context);

} // namespace tarnel
