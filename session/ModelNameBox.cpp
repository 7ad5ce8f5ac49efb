// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelNameBox.h"

namespace tarnel {

namespace {

constexpr std::size_t minModelNameLength = 3;

} // namespace

bool isModelNameCharacter(char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
           c == U'_';
}

Result<> checkModelName(std::string_view name) {
    if (name.size() < minModelNameLength)
        return fail("Model name must be at least three characters long.");
    if (name.size() > maxModelNameLength)
        return fail("Model name limited to 20 characters.");
    for (const char c : name)
        if (!isModelNameCharacter(static_cast<unsigned char>(c)))
            return fail("A model name holds only letters, digits and \"_\".");
    return {};
}

NameBoxAnswer nameBoxAnswer(std::size_t length, NameBoxKey key, char32_t character) {
    using Action = NameBoxAnswer::Action;
    if (length > maxModelNameLength)
        return {Action::RemoveLast, "Maximum name length = 20"};
    switch (key) {
    case NameBoxKey::Enter:
        return {Action::Accept, std::nullopt};
    case NameBoxKey::Paste:
        return {Action::Paste, std::nullopt};
    case NameBoxKey::Blank:
        return {length == 0 ? Action::Swallow : Action::Underscore, std::nullopt};
    case NameBoxKey::Character:
        return {isModelNameCharacter(character) ? Action::Pass : Action::Swallow, std::nullopt};
    case NameBoxKey::Editing:
        break;
    }
    return {Action::Pass, std::nullopt};
}

std::u32string pastedModelName(std::u32string_view clipboard, std::size_t kept) {
    std::u32string name;
    for (const char32_t c : clipboard) {
        if (isModelNameCharacter(c))
            name += c;
        else if (c == U' ' && kept + name.size() > 0)
            name += U'_';
    }
    const std::size_t room = kept < maxModelNameLength ? maxModelNameLength - kept : 0;
    return name.substr(0, room);
}

} // namespace tarnel
