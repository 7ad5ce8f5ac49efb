// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlphabetEditor.h"

#include "Document.h"

namespace tarnel {

// "Delete Column e": the edit with the character of the column it changes.
std::string AlphabetEditor::columnCaption(std::string_view verb, std::size_t column) const {
    const Alphabet& alphabet = columns();
    if (column >= alphabet.size() || alphabet[column].empty())
        return std::string(verb);
    return std::string(verb) + " " + alphabet[column].substr(0, 1);
}

void AlphabetEditor::enter() {
    onEntry_ = document_.snapshot(alphabetsPart);
    pending_ = false;
    history_.clear();
}

bool AlphabetEditor::leave(KeepAnswer answer) {
    if (!pending_)
        return true;
    if (answer == KeepAnswer::Cancel)
        return false;
    if (answer == KeepAnswer::Yes)
        document_.recordSince(side_ == AlphabetSide::Etymon ? "Edit Etymon Alphabet"
                                                            : "Edit Reflex Alphabet",
                              onEntry_);
    else
        setAlphabets({onEntry_.copy.lstCol, onEntry_.copy.lstColR});
    pending_ = false;
    history_.clear();
    return true;
}

const Alphabet& AlphabetEditor::columns() const {
    return side_ == AlphabetSide::Etymon ? document_.model().lstCol : document_.model().lstColR;
}

Alphabet& AlphabetEditor::sideOf(Model& model) const {
    return side_ == AlphabetSide::Etymon ? model.lstCol : model.lstColR;
}

AlphabetEditor::Alphabets AlphabetEditor::alphabets() const {
    return {document_.model().lstCol, document_.model().lstColR};
}

// The alphabets as the screen shows them, pending until the editor is left.
void AlphabetEditor::setAlphabets(Alphabets both) {
    document_.edit("", alphabetsPart,
                   [&both](Model& m) {
                       m.lstCol = std::move(both.first);
                       m.lstColR = std::move(both.second);
                   },
                   {.pending = true});
}

// Each edit of the grid is a step of the editor's own history, and a pending change of the
// model's alphabet, which every key released on a column is too.
template <class Edit> auto AlphabetEditor::step(const std::string& caption, Edit&& edit) {
    Alphabets before = alphabets();
    return document_.edit(caption, alphabetsPart,
                          [&](Model& m) {
                              const auto finish = [&](bool carriedOut) {
                                  if (carriedOut) {
                                      history_.push(caption, std::move(before));
                                      pending_ = true;
                                  }
                              };
                              return carryOut([&] { return edit(m); }, finish);
                          },
                          {.pending = true});
}

void AlphabetEditor::keyReleased() {
    pending_ = true;
    document_.markUnsaved();
}

void AlphabetEditor::toggleValue(std::size_t column, int item) {
    if (column < columns().size())
        step(columnCaption("Change Value", column),
             [&](Model& m) { tarnel::toggleValue(sideOf(m)[column], item); });
}

std::optional<std::size_t> AlphabetEditor::moveColumn(std::size_t column, int move) {
    return step(columnCaption("Move Column", column),
                [&](Model& m) { return swapWithNeighbour(sideOf(m), column, move); });
}

Result<std::size_t> AlphabetEditor::insertColumn(std::size_t column) {
    insertCaption_ = columnCaption("Copy Column", column);
    const Result<> inserted =
        step(insertCaption_, [&](Model& m) { return insertCopy(sideOf(m), column); });
    if (!inserted)
        return fail(inserted.message());
    return column + 1;
}

Result<std::size_t> AlphabetEditor::insertColumnWithValues(std::size_t column,
                                                           std::string_view values) {
    insertCaption_ = "New Column";
    const Result<> inserted = step(insertCaption_, [&](Model& m) -> Result<> {
        Alphabet& alphabet = sideOf(m);
        if (Result<> copied = insertCopy(alphabet, column); !copied)
            return copied;
        alphabet[column + 1].replace(1, std::string::npos, values);
        return {};
    });
    if (!inserted)
        return fail(inserted.message());
    return column + 1;
}

Result<> AlphabetEditor::deleteColumn(std::size_t column) {
    return step(columnCaption("Delete Column", column),
                [&](Model& m) { return tarnel::deleteColumn(sideOf(m), column); });
}

Result<> AlphabetEditor::renameColumn(std::size_t column, char character) {
    return step(columnCaption("Rename Column", column) + " to " + std::string(1, character),
                [&](Model& m) { return tarnel::renameColumn(sideOf(m), column, character); });
}

// The new column and its character are one edit: undoing the Insert removes both.
Result<bool> AlphabetEditor::nameNewColumn(std::size_t column, unsigned char code) {
    return document_.edit("", alphabetsPart,
                          [&](Model& m) {
                              const Result<bool> accepted =
                                  acceptNewCharacter(sideOf(m), column, code);
                              if (accepted && *accepted)
                                  pending_ = true;
                              return accepted;
                          },
                          {.pending = true});
}

void AlphabetEditor::dropNewColumn(std::size_t column) {
    document_.edit("", alphabetsPart,
                   [&](Model& m) {
                       Alphabet& alphabet = sideOf(m);
                       if (column < alphabet.size())
                           alphabet.erase(alphabet.begin() + static_cast<std::ptrdiff_t>(column));
                   },
                   {.pending = true});
    history_.dropLast(insertCaption_); // the insert left nothing behind
}

void AlphabetEditor::resetToDefaults() {
    step("Default Alphabets", [](Model& m) { createAlphabets(m.lstCol, m.lstColR); });
}

const char* AlphabetEditor::defaultsQuestion() {
    return "Replace both the Etymon Alphabet and the Reflex Alphabet by the default alphabets, "
           "the letters a to z?";
}

void AlphabetEditor::undo() {
    if (!canUndo())
        return;
    Alphabets both = alphabets();
    history_.undo(both);
    setAlphabets(std::move(both));
    pending_ = true;
}

void AlphabetEditor::redo() {
    if (!canRedo())
        return;
    Alphabets both = alphabets();
    history_.redo(both);
    setAlphabets(std::move(both));
    pending_ = true;
}

} // namespace tarnel
