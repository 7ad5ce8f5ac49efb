// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlphabetEditor.h"

#include "Session.h"

namespace tarnel {

// "Delete Column e": the edit with the character of the column it changes.
std::string AlphabetEditor::columnCaption(std::string_view verb, std::size_t column) const {
    const Alphabet& alphabet = columns();
    if (column >= alphabet.size() || alphabet[column].empty())
        return std::string(verb);
    return std::string(verb) + " " + alphabet[column].substr(0, 1);
}

void AlphabetEditor::enter() {
    onEntry_ = takeSnapshot(session_.model_, alphabetsPart);
    pending_ = false;
    history_.clear();
}

bool AlphabetEditor::leave(KeepAnswer answer) {
    if (!pending_)
        return true;
    if (answer == KeepAnswer::Cancel)
        return false;
    if (answer == KeepAnswer::Yes) {
        session_.recordEditorStep(side_ == AlphabetSide::Etymon ? "Edit Etymon Alphabet"
                                                                : "Edit Reflex Alphabet",
                                  onEntry_);
    } else {
        setAlphabets({onEntry_.copy.lstCol, onEntry_.copy.lstColR});
        session_.notify(Session::Change::Edited);
    }
    pending_ = false;
    history_.clear();
    return true;
}

const Alphabet& AlphabetEditor::columns() const {
    return side_ == AlphabetSide::Etymon ? session_.model_.lstCol : session_.model_.lstColR;
}

Alphabet& AlphabetEditor::edited() {
    return side_ == AlphabetSide::Etymon ? session_.model_.lstCol : session_.model_.lstColR;
}

AlphabetEditor::Alphabets AlphabetEditor::alphabets() const {
    return {session_.model_.lstCol, session_.model_.lstColR};
}

void AlphabetEditor::setAlphabets(Alphabets both) {
    session_.model_.lstCol = std::move(both.first);
    session_.model_.lstColR = std::move(both.second);
}

void AlphabetEditor::changed() {
    pending_ = true;
    session_.setUnsaved();
    session_.notify(Session::Change::Edited);
}

template <class Edit> auto AlphabetEditor::step(const std::string& caption, Edit&& edit) {
    Alphabets before = alphabets();
    const auto finish = [&](bool carriedOut) {
        if (!carriedOut)
            return;
        history_.push(caption, std::move(before));
        changed();
    };
    return carryOut(edit, finish);
}

void AlphabetEditor::keyReleased() {
    pending_ = true;
    session_.setUnsaved();
}

void AlphabetEditor::toggleValue(std::size_t column, int item) {
    if (column < columns().size())
        step(columnCaption("Change Value", column),
             [&] { tarnel::toggleValue(edited()[column], item); });
}

std::optional<std::size_t> AlphabetEditor::moveColumn(std::size_t column, int move) {
    return step(columnCaption("Move Column", column),
                [&] { return swapWithNeighbour(edited(), column, move); });
}

Result<std::size_t> AlphabetEditor::insertColumn(std::size_t column) {
    const Result<> inserted =
        step(columnCaption("Copy Column", column), [&] { return insertCopy(edited(), column); });
    if (!inserted)
        return fail(inserted.message());
    return column + 1;
}

Result<> AlphabetEditor::deleteColumn(std::size_t column) {
    return step(columnCaption("Delete Column", column),
                [&] { return tarnel::deleteColumn(edited(), column); });
}

Result<> AlphabetEditor::renameColumn(std::size_t column, char character) {
    return step(columnCaption("Rename Column", column) + " to " + std::string(1, character),
                [&] { return tarnel::renameColumn(edited(), column, character); });
}

// The new column and its character are one edit: undoing the Insert removes both.
Result<bool> AlphabetEditor::nameNewColumn(std::size_t column, unsigned char code) {
    const Result<bool> accepted = acceptNewCharacter(edited(), column, code);
    if (accepted && *accepted)
        changed();
    return accepted;
}

void AlphabetEditor::dropNewColumn(std::size_t column) {
    if (column < edited().size())
        edited().erase(edited().begin() + static_cast<std::ptrdiff_t>(column));
    history_.dropLast("Insert Column"); // the insert left nothing behind
    session_.notify(Session::Change::Edited);
}

void AlphabetEditor::resetToDefaults() {
    step("Default Alphabets",
         [&] { createAlphabets(session_.model_.lstCol, session_.model_.lstColR); });
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
    changed();
}

void AlphabetEditor::redo() {
    if (!canRedo())
        return;
    Alphabets both = alphabets();
    history_.redo(both);
    setAlphabets(std::move(both));
    changed();
}

} // namespace tarnel
