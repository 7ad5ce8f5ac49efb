#include "Encoder.h"

#include <algorithm>

namespace tarnel {

namespace {

// Fills one position from its alphabet column; false when the alphabet has no such character.
bool encodeCharacter(char character, const Alphabet& alphabet, Segment& segment) {
    const AlphabetColumn* column = findColumn(alphabet, character);
    if (column == nullptr)
        return false;
    for (int feature = 0; feature < soundFeatureCount; ++feature)
        segment[static_cast<std::size_t>(feature)] = columnValue(*column, feature);
    segment[markFeature] = false;
    segment[segmentFeature] = true;
    return true;
}

// A word holds at most 20 segments, however long a text from a file is; the spare
// position 20 stays free for a rule that grows the word.
int encodedLength(std::string_view text) {
    return static_cast<int>(std::min<std::size_t>(text.size(), maxTypedLength));
}

} // namespace

void encodeEtymon(std::string_view text, const Alphabet& etymonAlphabet, Word& word,
                  MessageSink& messages) {
    const int length = encodedLength(text);
    for (int p = 0; p < length; ++p) {
        const char character = text[static_cast<std::size_t>(p)];
        if (!encodeCharacter(character, etymonAlphabet, word.segments[static_cast<std::size_t>(p)]))
            messages.showMessage("Character " + std::string(1, character) +
                                 "\" not found in etymon alphabet.\r\nResults for " +
                                 std::string(text) + "\" not reliable.");
    }
    word.length = length;
}

void encodeReflex(std::string_view text, const Alphabet& reflexAlphabet, Word& word) {
    const int length = encodedLength(text);
    for (int p = 0; p < length; ++p)
        encodeCharacter(text[static_cast<std::size_t>(p)], reflexAlphabet,
                        word.segments[static_cast<std::size_t>(p)]);
    word.length = length;
}

} // namespace tarnel
