// SPDX-License-Identifier: GPL-3.0-or-later
// The alphabets as IPA: words typed in IPA, and columns made for symbols.
#include "Session.h"
#include "ipa/IpaColumns.h"
#include "model/AlphabetEditing.h"

namespace tarnel {

void Session::setTextNormaliser(TextNormaliser normalise) {
    ipaEtymon_.reset();
    ipaReflex_.reset();
    spelling_ = std::make_unique<IpaSpelling>(std::move(normalise));
}

const IpaAlphabet& Session::ipaAlphabet(AlphabetSide side) const {
    const bool etymon = side == AlphabetSide::Etymon;
    std::unique_ptr<IpaAlphabet>& kept = etymon ? ipaEtymon_ : ipaReflex_;
    if (!kept)
        kept = std::make_unique<IpaAlphabet>(etymon ? model().lstCol : model().lstColR, *spelling_);
    return *kept;
}

Session::IpaColumnOffer Session::offerIpaColumn(const IpaWordRefusal& refused) const {
    const std::string& symbol = refused.refusal.symbol;
    IpaColumnOffer offer{ipaRefusalMessage(refused) + "\r\n", std::nullopt};
    const Alphabet& alphabet =
        refused.side == AlphabetSide::Etymon ? model().lstCol : model().lstColR;
    if (!valuesForIpa(*spelling_, symbol))
        offer.text += ipaNoValuesMessage(symbol);
    else if (alphabet.size() >= static_cast<std::size_t>(maxAlphabetSize))
        offer.text += alphabetFullMessage;
    else if ((offer.character = proposeCharacter(alphabet, symbol, *spelling_)))
        offer.text += ipaAddQuestion(refused, *offer.character);
    else
        offer.text += "Every character an alphabet can hold is taken.";
    return offer;
}

Result<> Session::addIpaColumn(AlphabetSide side, std::string_view symbol, char character) {
    const std::optional<std::string> values = valuesForIpa(*spelling_, symbol);
    if (!values)
        return fail("No feature values show as this symbol.");
    const std::string caption = "Add Column " + std::string(1, character);
    return document_.edit(caption, alphabetsPart, [&](Model& m) -> Result<> {
        Alphabet& alphabet = side == AlphabetSide::Etymon ? m.lstCol : m.lstColR;
        if (alphabet.size() >= static_cast<std::size_t>(maxAlphabetSize))
            return fail(std::string(alphabetFullMessage));
        if (findColumn(alphabet, character) != nullptr)
            return fail(std::string(newCharacterDuplicateMessage));
        alphabet.push_back(character + *values);
        return {};
    });
}

} // namespace tarnel
