// SPDX-License-Identifier: GPL-3.0-or-later
#include "Document.h"

namespace tarnel {

void Document::record(const std::string& caption, const ModelSnapshot& before, Kind kind) {
    const bool changed =
        kind.pending ? !deltaSince(before, model_).empty()
                     : history_.record(caption, before, model_, kind.affectsFile, kind.merging);
    if (!changed)
        return;
    if (kind.affectsFile)
        unsaved_ = true;
    notify(Change::Edited);
}

void Document::recordSince(const std::string& caption, const ModelSnapshot& before) {
    if (history_.record(caption, before, model_))
        unsaved_ = true;
    notify(Change::Edited);
}

void Document::replace(Model model) {
    model_ = std::move(model);
    unsaved_ = false;
    history_.clear();
    notify(Change::Replaced);
}

void Document::rename(std::string modelName) {
    model_.modelName = std::move(modelName);
    unsaved_ = true;
}

void Document::markSaved() {
    unsaved_ = false;
    history_.markSaved();
    notify(Change::Saved);
}

std::string Document::undoCaption() const {
    return canUndo() ? "Undo " + history_.undoCaption() : "Undo";
}

std::string Document::redoCaption() const {
    return canRedo() ? "Redo " + history_.redoCaption() : "Redo";
}

void Document::undo() {
    if (!canUndo())
        return;
    history_.undo(model_);
    unsaved_ = !history_.atSavedState();
    notify(Change::Edited);
}

void Document::redo() {
    if (!canRedo())
        return;
    history_.redo(model_);
    unsaved_ = !history_.atSavedState();
    notify(Change::Edited);
}

void Document::notify(Change change) {
    for (const Listener& listener : listeners_)
        listener(change);
}

} // namespace tarnel
