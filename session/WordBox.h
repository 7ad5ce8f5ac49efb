// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Alphabet.h"
#include "engine/DerivationMode.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

inline constexpr std::string_view etymonPrompt = "Type etymon here";
inline constexpr std::string_view reflexPrompt = "Type reflex here";

inline constexpr int keyBackspace = 8;
inline constexpr int keyEnter = 13;
inline constexpr int keyPaste = 22; // Ctrl-V

// What the word box does with one key (a character code, Windows-1252).
struct KeyCheck {
    enum class Action {
        Accept, // let the key into the box
        Refuse, // discard the key (show `message` when it is not empty)
        Derive, // Enter: not typed into the box, handed to the screen
    };
    Action action = Action::Refuse;
    std::optional<std::string> message; // what a refusal says (Windows-1252), if anything
    bool removePrompt = false;          // the box showed a prompt: empty it, normal colour, first
    bool caretToEnd = false;            // put the caret at the end of the text
};

// The checks of the word box, in their order, for a key typed while the box holds `text`, of
// which `selected` characters are selected (a typed character replaces them). Only a key that
// would make the word longer than 20 characters is refused for its length: deleting,
// selecting and Enter always work.
KeyCheck checkWordKey(std::string_view text, int keyCode, DerivationMode mode,
                      const Alphabet& etymonAlphabet, const Alphabet& reflexAlphabet,
                      std::size_t selected = 0);

inline constexpr std::string_view maxWordLengthMessage = "Maximum word length is 20.";

// A key typed while the box takes IPA, whose text would then hold `symbolsAfter` symbols:
// the refusal of a blank, or of a symbol beyond the 20 a word can hold; none for any other
// key (the word's symbols are read when it is derived).
std::optional<std::string> checkIpaKey(std::string_view typed, std::size_t symbolsAfter,
                                       DerivationMode mode);

// The refusal of a typed or pasted character that Windows-1252 cannot hold, so that no
// alphabet holds it (`character` and the result UTF-8): "Character "ʃ" not found in Etymon
// Alphabet." in the interactive mode, the reflex mode's own refusal there.
std::string foreignCharacterMessage(std::string_view character, DerivationMode mode);

// A paste that would leave the box holding `text`: refused whole, with the length message,
// when the word it makes (the text up to its first blank) is longer than 20 characters.
bool pasteTooLong(std::string_view text);

// What the word box does after its text changed (a paste is not checked key by key): a text
// holding a blank is cut before it, and the user told so.
struct TextCut {
    std::string text;    // the text before its first blank; it replaces the box's, caret at the end
    std::string message; // "Space not allowed in etymon."
};

std::optional<TextCut> checkChangedText(std::string_view text);

} // namespace tarnel
