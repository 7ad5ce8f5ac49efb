// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowCheck.h"

#include "core/Cp1252.h"
#include "model/Vocabulary.h"

#include <algorithm>
#include <cstdio>

namespace tarnel {

namespace {

bool isBlankOrControl(char32_t c) {
    return c <= U' ';
}

// "ʃ (U+0283)": the character itself, then its code, for one that is hard to tell apart.
std::string characterName(char32_t c) {
    std::string name;
    appendUtf8(name, c);
    char code[16];
    std::snprintf(code, sizeof code, " (U+%04X)", static_cast<unsigned>(c));
    return name + code;
}

// One of the two words of a row as it is checked.
struct WordField {
    const char* role; // "etymon" or "reflex"
    std::size_t index;
};

constexpr WordField etymonField{"etymon", 0};
constexpr WordField reflexField{"reflex", 1};

std::optional<RefusedRow> refusal(const Row& row, std::string reason) {
    return RefusedRow{row.line, 0, std::move(reason)};
}

// The word in Windows-1252, or the refusal of its first character the code page lacks.
std::optional<RefusedRow> toCp1252(const RowReader& reader, const Row& row, WordField word,
                                   std::string& out) {
    const Field& field = row.fields[word.index];
    const std::u32string_view text = trimmedField(row, word.index);
    const std::size_t lead = static_cast<std::size_t>(text.data() - field.text.data());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = unicodeToCp1252(text[i]);
        if (!byte) {
            const TextPosition at = reader.positionOf(row, field, lead + i);
            return RefusedRow{at.line, at.column,
                              "Character " + characterName(text[i]) +
                                  " is not in Windows-1252, so a model cannot hold it."};
        }
        out += static_cast<char>(*byte);
    }
    return std::nullopt;
}

// "The etymon" or "The reflex", then `rest`.
std::string aboutWord(WordField word, std::string_view rest) {
    return "The " + std::string(word.role) + std::string(rest);
}

// The IPA word in the characters of its alphabet, or the refusal of its first unknown symbol.
std::optional<RefusedRow> fromIpa(const Row& row, WordField word, const IpaAlphabets& ipa,
                                  std::string& out, RowOutcome& outcome) {
    IpaText read = readIpaWord(utf8Of(trimmedField(row, word.index)),
                               word.index == 0 ? AlphabetSide::Etymon : AlphabetSide::Reflex, ipa);
    out = std::move(read.keyboard);
    if (!read.refusal)
        return std::nullopt;
    outcome.unknownSymbol = std::move(read.refusal);
    return refusal(row, ipaRefusalMessage(*outcome.unknownSymbol));
}

std::optional<RefusedRow> checkWord(const RowReader& reader, const Row& row, WordField word,
                                    const IpaAlphabets* ipa, std::string& out,
                                    RowOutcome& outcome) {
    const std::u32string_view text = trimmedField(row, word.index);
    if (text.empty())
        return refusal(row, aboutWord(word, " is missing."));
    if (ipa != nullptr && text.find(U' ') == std::u32string_view::npos)
        return fromIpa(row, word, *ipa, out, outcome);
    if (auto refused = toCp1252(reader, row, word, out))
        return refused;
    if (text.find(U' ') != std::u32string_view::npos)
        return refusal(row, aboutWord(word, " \"" + cp1252ToUtf8(out) +
                                                "\" holds a blank; a word is one word."));
    if (std::any_of(text.begin(), text.end(), isBlankOrControl))
        return refusal(row,
                       aboutWord(word, " holds a tab, a line break or another control character."));
    return std::nullopt;
}

} // namespace

std::u32string_view trimmedField(const Row& row, std::size_t index) {
    if (index >= row.fields.size())
        return {};
    std::u32string_view text = row.fields[index].text;
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isBlankRow(const Row& row) {
    return std::all_of(row.fields.begin(), row.fields.end(), [](const Field& field) {
        return std::all_of(field.text.begin(), field.text.end(), isBlankOrControl);
    });
}

RowOutcome checkRow(const RowReader& reader, const Row& row, const Alphabet& etymon,
                    const Alphabet& reflex, const IpaAlphabets* ipa) {
    RowOutcome outcome;
    if (row.unclosedQuote) {
        outcome.refusal = refusal(row, "A quotation mark opened in this row is never closed.");
        return outcome;
    }
    std::string etymonWord;
    std::string reflexWord;
    outcome.refusal = checkWord(reader, row, etymonField, ipa, etymonWord, outcome);
    if (!outcome.refusal)
        outcome.refusal = checkWord(reader, row, reflexField, ipa, reflexWord, outcome);
    if (outcome.refusal)
        return outcome;
    const std::string typed = etymonWord + " " + reflexWord;
    if (Result<> checked = checkTypedItem(typed, etymon, reflex); !checked)
        outcome.refusal = refusal(row, cp1252ToUtf8(checked.message()));
    else
        outcome.item = vocabItem(typed);
    return outcome;
}

} // namespace tarnel
