#include "AlphabetEditor.h"

#include "Session.h"

namespace tarnel {

void AlphabetEditor::enter() {
    onEntry_ = takeSnapshot(session_.model_, alphabetsPart);
    pending_ = false;
    undo_.clear();
    redo_.clear();
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
        session_.model_.lstCol = onEntry_.copy.lstCol;
        session_.model_.lstColR = onEntry_.copy.lstColR;
        session_.notify(Session::Change::Edited);
    }
    pending_ = false;
    undo_.clear();
    redo_.clear();
    return true;
}

const Alphabet& AlphabetEditor::columns() const {
    return side_ == AlphabetSide::Etymon ? session_.model_.lstCol : session_.model_.lstColR;
}

Alphabet& AlphabetEditor::edited() {
    return side_ == AlphabetSide::Etymon ? session_.model_.lstCol : session_.model_.lstColR;
}

AlphabetEditor::Step AlphabetEditor::current(std::string caption) const {
    return {std::move(caption), session_.model_.lstCol, session_.model_.lstColR};
}

void AlphabetEditor::restore(const Step& step) {
    session_.model_.lstCol = step.etymon;
    session_.model_.lstColR = step.reflex;
    changed();
}

void AlphabetEditor::remember(const std::string& caption) {
    undo_.push_back(current(caption));
    redo_.clear();
}

void AlphabetEditor::changed() {
    pending_ = true;
    session_.setUnsaved();
    session_.notify(Session::Change::Edited);
}

void AlphabetEditor::keyReleased() {
    pending_ = true;
    session_.setUnsaved();
}

void AlphabetEditor::toggleValue(std::size_t column, int item) {
    if (column >= columns().size())
        return;
    remember("Change Value");
    tarnel::toggleValue(edited()[column], item);
    changed();
}

std::optional<std::size_t> AlphabetEditor::moveColumn(std::size_t column, int step) {
    const Step before = current("Move Column");
    const std::optional<std::size_t> moved = swapWithNeighbour(edited(), column, step);
    if (moved) {
        undo_.push_back(before);
        redo_.clear();
        changed();
    }
    return moved;
}

Result<std::size_t> AlphabetEditor::insertColumn(std::size_t column) {
    const Step before = current("Insert Column");
    if (const Refusal refusal = insertCopy(edited(), column))
        return fail(std::string(*refusal));
    undo_.push_back(before);
    redo_.clear();
    changed();
    return column + 1;
}

Result<> AlphabetEditor::deleteColumn(std::size_t column) {
    const Step before = current("Delete Column");
    if (const Refusal refusal = tarnel::deleteColumn(edited(), column))
        return fail(std::string(*refusal));
    undo_.push_back(before);
    redo_.clear();
    changed();
    return {};
}

Result<> AlphabetEditor::renameColumn(std::size_t column, char character) {
    const Step before = current("Rename Column");
    if (const Refusal refusal = tarnel::renameColumn(edited(), column, character))
        return fail(std::string(*refusal));
    undo_.push_back(before);
    redo_.clear();
    changed();
    return {};
}

// The new column and its character are one edit: the Insert step is merged with this one.
Result<bool> AlphabetEditor::nameNewColumn(std::size_t column, unsigned char code) {
    switch (acceptNewCharacter(edited(), column, code)) {
    case NewCharacter::Accepted:
        changed();
        return true;
    case NewCharacter::Duplicate:
        return fail(std::string(newCharacterDuplicateMessage));
    case NewCharacter::Ignored:
        break;
    }
    return false;
}

void AlphabetEditor::dropNewColumn(std::size_t column) {
    if (column < edited().size())
        edited().erase(edited().begin() + static_cast<std::ptrdiff_t>(column));
    if (!undo_.empty() && undo_.back().caption == "Insert Column")
        undo_.pop_back(); // the insert left nothing behind
    session_.notify(Session::Change::Edited);
}

void AlphabetEditor::resetToDefaults() {
    remember("Default Alphabets");
    createAlphabets(session_.model_.lstCol, session_.model_.lstColR);
    changed();
}

const char* AlphabetEditor::defaultsQuestion() {
    return "Replace both the Etymon Alphabet and the Reflex Alphabet by the default alphabets, "
           "the letters a to z?";
}

std::string AlphabetEditor::undoCaption() const {
    return canUndo() ? "Undo " + undo_.back().caption : "Undo";
}

std::string AlphabetEditor::redoCaption() const {
    return canRedo() ? "Redo " + redo_.back().caption : "Redo";
}

void AlphabetEditor::undo() {
    if (!canUndo())
        return;
    redo_.push_back(current(undo_.back().caption));
    restore(undo_.back());
    undo_.pop_back();
}

void AlphabetEditor::redo() {
    if (!canRedo())
        return;
    undo_.push_back(current(redo_.back().caption));
    restore(redo_.back());
    redo_.pop_back();
}

} // namespace tarnel
