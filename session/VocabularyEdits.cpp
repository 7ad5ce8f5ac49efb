// SPDX-License-Identifier: GPL-3.0-or-later
// The Vocabulary's operations: one item, the whole list, deleting.
#include "Session.h"
#include "model/AlphabeticalList.h"
#include "model/Vocabulary.h"

namespace tarnel {

namespace {

constexpr std::string_view returnOrQuit =
    "\r\nClick \"OK\" to return to editing,\r\nor \"Cancel\" to quit editing.";

// "Delete Item vIdeo > veo": the edit with the item it changes.
std::string itemCaption(std::string_view verb, std::string_view item) {
    const std::string etymon = itemEtymon(item);
    std::string_view reflex = item.substr(std::min(etymon.size(), item.size()));
    reflex.remove_prefix(std::min(reflex.find_first_not_of(' '), reflex.size()));
    return std::string(verb) + " " + etymon + " > " + std::string(reflex);
}

} // namespace

void Session::setNotes(const std::string& notes) {
    document_.edit("Edit Notes", notesPart, [&notes](Model& m) { m.notes = notes; },
                   {.merging = true});
}

Result<> Session::addItem(std::string_view typed, std::optional<std::size_t> replacing) {
    if (Result<> checked = checkTypedItem(typed, model().lstCol, model().lstColR); !checked)
        return fail(checked.message() + std::string(returnOrQuit));
    const bool replaces = replacing && *replacing < model().lstVocab.size();
    document_.edit(itemCaption(replaces ? "Edit Item" : "Add Item", vocabItem(typed)),
                   vocabularyPart, [&](Model& m) {
                       if (replaces)
                           m.lstVocab.erase(m.lstVocab.begin() +
                                            static_cast<std::ptrdiff_t>(*replacing));
                       insertAlphabetical(m.lstVocab, vocabItem(typed));
                   });
    document_.markUnsaved(); // even when the item was already there as it stands
    return {};
}

void Session::deleteItem(std::size_t row) {
    if (row >= model().lstVocab.size())
        return;
    document_.edit(itemCaption("Delete Item", model().lstVocab[row]), vocabularyPart,
                   [row](Model& m) {
                       m.lstVocab.erase(m.lstVocab.begin() + static_cast<std::ptrdiff_t>(row));
                   });
}

Result<> Session::replaceVocabulary(const std::vector<std::string>& lines) {
    std::vector<std::string> items;
    for (const std::string& line : lines) {
        if (Result<> checked = checkItemLine(line, model().lstCol, model().lstColR); !checked)
            return checked;
        items.push_back(vocabItem(cleanItemLine(line)));
    }
    sortAlphabetical(items);
    document_.edit("Edit All", vocabularyPart,
                   [&items](Model& m) { m.lstVocab = std::move(items); });
    document_.markUnsaved();
    return {};
}

void Session::importVocabulary(const WordListImport& import) {
    document_.edit("Import Vocabulary", vocabularyPart,
                   [&import](Model& m) { m.lstVocab = vocabularyWithImport(m.lstVocab, import); });
}

std::string Session::itemEtymon(std::size_t row) const {
    return row < model().lstVocab.size() ? tarnel::itemEtymon(model().lstVocab[row])
                                         : std::string();
}

} // namespace tarnel
