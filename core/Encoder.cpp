// SPDX-License-Identifier: GPL-3.0-or-later
#include "Encoder.h"

#include <algorithm>

namespace tarnel {

namespace {

// A word holds at most 20 segments, however long a text from a file is; the spare
// position 20 stays free for a rule that grows the word.
int encodedLength(std::string_view text) {
    return static_cast<int>(std::min<std::size_t>(text.size(), maxTypedLength));
}

// Fills one position; false when the alphabet has no such character.
bool encodeCharacter(char character, const EncodingTable& alphabet, Segment& segment) {
    const Segment* encoded = alphabet.find(character);
    if (encoded == nullptr)
        return false;
    segment.bits = (segment.bits & ~encodedSlots) | encoded->bits;
    return true;
}

std::uint32_t encode(std::string_view text, const EncodingTable& alphabet, Word& word,
                     MessageSink* messages) {
    const int length = encodedLength(text);
    std::uint32_t written = 0;
    for (int p = 0; p < length; ++p) {
        const char character = text[static_cast<std::size_t>(p)];
        if (encodeCharacter(character, alphabet, word.segments[static_cast<std::size_t>(p)]))
            written |= 1u << p;
        else if (messages != nullptr)
            messages->showMessage(missingCharacterMessage(character, text));
    }
    word.length = length;
    return written;
}

} // namespace

namespace {

constexpr std::string_view missingLead = "Character ";
constexpr std::string_view missingTail = "\" not found in etymon alphabet.";

} // namespace

std::string missingCharacterMessage(char character, std::string_view text) {
    return std::string(missingLead) + character + std::string(missingTail) + "\r\nResults for " +
           std::string(text) + "\" not reliable.";
}

std::optional<char> missingCharacterOf(std::string_view line) {
    if (line.size() != missingLead.size() + 1 + missingTail.size() ||
        !line.starts_with(missingLead) || !line.ends_with(missingTail))
        return std::nullopt;
    return line[missingLead.size()];
}

EncodingTable::EncodingTable(const Alphabet& alphabet) {
    // The first column headed by a character wins, so later ones are skipped.
    for (const AlphabetColumn& column : alphabet) {
        if (column.empty())
            continue;
        const auto byte = static_cast<unsigned char>(column.front());
        if (found_[byte])
            continue;
        Segment& segment = segments_[byte];
        for (int feature = 0; feature < soundFeatureCount; ++feature)
            segment.set(feature, columnValue(column, feature));
        segment.set(segmentFeature, true);
        found_[byte] = true;
    }
}

std::uint32_t encodeEtymon(std::string_view text, const EncodingTable& etymonAlphabet, Word& word,
                           MessageSink& messages) {
    return encode(text, etymonAlphabet, word, &messages);
}

std::uint32_t encodeReflex(std::string_view text, const EncodingTable& reflexAlphabet, Word& word) {
    return encode(text, reflexAlphabet, word, nullptr);
}

} // namespace tarnel
