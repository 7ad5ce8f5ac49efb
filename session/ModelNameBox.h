// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// The rules of a model's name, which names its file: 3 to 20 letters, digits or "_"; and the
// home screen's name box, which lets in only such names, worked out without widgets.

inline constexpr std::size_t maxModelNameLength = 20;

bool isModelNameCharacter(char32_t c);

// The rules, without the check for an existing file.
Result<> checkModelName(std::string_view name);

// What a key does in the name box.
enum class NameBoxKey { Enter, Paste, Blank, Character, Editing };

struct NameBoxAnswer {
    enum class Action {
        Pass,       // the box handles it (editing and cursor keys, a name character)
        Swallow,    // it types nothing
        Accept,     // Enter: the name is checked and taken
        Paste,      // the clipboard goes in through pastedModelName
        Underscore, // a blank types "_"
        RemoveLast, // the box holds a character too many: the last goes, with `message`
    };
    Action action = Action::Swallow;
    std::optional<std::string> message;
};

// Key `key` (typing `character` when it is a Character) in the box holding `length`
// characters. Once the box holds more than 20 characters, whatever key comes removes the
// last, with "Maximum name length = 20".
NameBoxAnswer nameBoxAnswer(std::size_t length, NameBoxKey key, char32_t character = 0);

// What a paste of `clipboard` puts into a box holding `kept` characters besides the
// selection it replaces: the clipboard's name characters, each blank as "_" (none at the
// start of an empty box), no more than a name has room for.
std::u32string pastedModelName(std::u32string_view clipboard, std::size_t kept);

} // namespace tarnel
