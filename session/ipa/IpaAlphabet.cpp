// SPDX-License-Identifier: GPL-3.0-or-later
#include "IpaAlphabet.h"

#include "core/Cp1252.h"
#include "core/OutputAlphabet.h"

namespace tarnel {

namespace {

bool readable(const AlphabetColumn& column, const Alphabet& alphabet) {
    if (column.empty() || static_cast<unsigned char>(column.front()) <= ' ')
        return false;
    return findColumn(alphabet, column.front()) == &column;
}

// The segment a column encodes to.
Segment segmentOf(const AlphabetColumn& column) {
    Segment segment;
    segment.set(segmentFeature, true);
    for (int feature = 0; feature < soundFeatureCount; ++feature)
        segment.set(feature, columnValue(column, feature));
    return segment;
}

} // namespace

IpaAlphabet::IpaAlphabet(const Alphabet& alphabet, const IpaSpelling& spelling)
    : spelling_(&spelling) {
    symbols_.reserve(alphabet.size());
    for (const AlphabetColumn& column : alphabet) {
        const bool counts = readable(column, alphabet);
        const DecodedSymbol decoded = getSymbol(segmentOf(column));
        const bool fits = decoded.colour != CellColour::Red;
        symbols_.push_back(fits ? spelling.textOfCodes(decoded.codes) : std::string());
        if (!fits || !counts)
            continue;
        auto& map = decoded.colour == CellColour::Black ? exact_ : approximate_;
        map.emplace(spelling.keyOfCodes(decoded.codes), column.front());
        byCharacter_.emplace(column.front(), symbols_.back());
    }
}

const std::string& IpaAlphabet::columnSymbol(std::size_t index) const {
    static const std::string none;
    return index < symbols_.size() ? symbols_[index] : none;
}

std::optional<char> IpaAlphabet::characterOf(const std::u32string& key) const {
    if (const auto found = exact_.find(key); found != exact_.end())
        return found->second;
    if (const auto found = approximate_.find(key); found != approximate_.end())
        return found->second;
    return std::nullopt;
}

IpaReading IpaAlphabet::read(std::string_view utf8) const {
    IpaReading reading;
    const std::vector<IpaSymbol> symbols = spelling_->split(utf8);
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        const std::optional<char> character = characterOf(symbols[i].key);
        if (!character) {
            reading.refusal = IpaRefusal{spelling_->text(symbols[i]), i + 1, symbols[i].key};
            return reading;
        }
        reading.keyboard += *character;
    }
    return reading;
}

std::string IpaAlphabet::write(std::string_view keyboard) const {
    std::string ipa;
    for (const char c : keyboard) {
        const auto found = byCharacter_.find(c);
        ipa += found != byCharacter_.end() ? found->second : cp1252ToUtf8(std::string_view(&c, 1));
    }
    return ipa;
}

} // namespace tarnel
