// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordBox.h"

#include "core/Word.h"

#include <algorithm>

namespace tarnel {

namespace {

constexpr char keySpace = ' ';

// A column's character, trimmed of blanks, compared with the key by its code; a column
// headed by a blank therefore never matches.
bool alphabetHasKey(const Alphabet& alphabet, int keyCode) {
    for (const AlphabetColumn& column : alphabet)
        if (!column.empty() && column.front() != ' ' &&
            static_cast<unsigned char>(column.front()) == keyCode)
            return true;
    return false;
}

KeyCheck refuse(std::optional<std::string> message) {
    KeyCheck check;
    check.action = KeyCheck::Action::Refuse;
    check.message = std::move(message);
    return check;
}

KeyCheck checkAgainstAlphabet(int keyCode, DerivationMode mode, const Alphabet& etymonAlphabet,
                              const Alphabet& reflexAlphabet) {
    const bool searched = mode == DerivationMode::Interactive || mode == DerivationMode::Reflex;
    const Alphabet& alphabet = mode == DerivationMode::Reflex ? reflexAlphabet : etymonAlphabet;
    if (searched && alphabetHasKey(alphabet, keyCode))
        return KeyCheck{KeyCheck::Action::Accept, std::nullopt, false, false};
    if (keyCode >= 'A' && keyCode <= 'Z')
        return refuse("Did you forget to release \"Caps Lock\"?");
    if (mode == DerivationMode::Reflex)
        return refuse(keyCode == keySpace ? "Space not allowed in reflex."
                                          : "Character not in Reflex Alphabet.");
    if (mode == DerivationMode::Interactive)
        return refuse(keyCode == keySpace
                          ? "Space not allowed in etymon."
                          : "Character\"" + std::string(1, static_cast<char>(keyCode)) +
                                "\"not found in Etymon Alphabet.");
    return refuse(std::nullopt);
}

} // namespace

KeyCheck checkWordKey(std::string_view text, int keyCode, DerivationMode mode,
                      const Alphabet& etymonAlphabet, const Alphabet& reflexAlphabet,
                      std::size_t selected) {
    const bool showsPrompt = text == etymonPrompt || text == reflexPrompt;
    const std::size_t kept = showsPrompt ? 0 : text.size() - std::min(selected, text.size());
    KeyCheck check;
    if (keyCode == keyBackspace || keyCode == keyPaste) {
        check.action = KeyCheck::Action::Accept;
    } else if (keyCode == keyEnter) {
        check.action = KeyCheck::Action::Derive;
    } else if (kept >= maxTypedLength) {
        check = refuse(std::string(maxWordLengthMessage));
        check.caretToEnd = true;
    } else {
        check = checkAgainstAlphabet(keyCode, mode, etymonAlphabet, reflexAlphabet);
    }
    check.removePrompt = showsPrompt;
    return check;
}

std::string foreignCharacterMessage(std::string_view character, DerivationMode mode) {
    if (mode == DerivationMode::Reflex)
        return "Character not in Reflex Alphabet.";
    return "Character \"" + std::string(character) + "\" not found in Etymon Alphabet.";
}

std::optional<std::string> checkIpaKey(std::string_view typed, std::size_t symbolsAfter,
                                       DerivationMode mode) {
    if (typed == " ")
        return mode == DerivationMode::Reflex ? "Space not allowed in reflex."
                                              : "Space not allowed in etymon.";
    if (symbolsAfter > static_cast<std::size_t>(maxTypedLength))
        return std::string(maxWordLengthMessage);
    return std::nullopt;
}

bool pasteTooLong(std::string_view text) {
    return text.substr(0, text.find(' ')).size() > maxTypedLength;
}

std::optional<TextCut> checkChangedText(std::string_view text) {
    if (text.size() >= 4 && text.substr(0, 4) == "Type")
        return std::nullopt;
    const auto blank = text.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    return TextCut{std::string(text.substr(0, blank)), "Space not allowed in etymon."};
}

} // namespace tarnel
