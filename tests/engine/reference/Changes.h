// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Conditions.h"
#include "core/Messages.h"
#include "core/Word.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarnel::reference {

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

// What a then-line works on: the word, the focus, and for the INSERT messages the rule's
// name and where to send them.
struct ChangeContext {
    Word& word;
    int focus;
    const std::string& ruleName;
    MessageSink& messages;
};

void execute(const ThenLine& line, const ChangeContext& context);

} // namespace tarnel::reference
