// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ModelHistory.h"
#include "model/Model.h"

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace tarnel {

// The open model as a document: the model, its undo history, the unsaved-changes flag and
// the listeners told of every change. The model changes only through `edit` (and `replace`,
// which puts another model in its place), so the history, the flag and every view stay right.
class Document {
public:
    // Told after every change: the model was replaced (opened, new), edited (changed, undone
    // or redone) or saved; or an editor's working copy changed while the model did not.
    enum class Change { Replaced, Edited, Saved, Draft };
    using Listener = std::function<void(Change)>;

    const Model& model() const { return model_; }
    bool unsaved() const { return unsaved_; }
    void addListener(Listener listener) { listeners_.push_back(std::move(listener)); }

    // How an edit is kept. `affectsFile` is false for what a save does not write (masks); a
    // `merging` edit joins the step before it of the same caption (typing in the notes). A
    // `pending` edit is no step of its own: an editor changes the model as its screen shows
    // it, and keeps all it did as one step when the user says so (recordSince).
    struct Kind {
        bool affectsFile = true;
        bool merging = false;
        bool pending = false;
    };

    // Runs `change` on the model as one step named `caption`; the `parts` it may touch are
    // copied before and compared after, and a change that changed nothing (a refused one)
    // leaves no step. Returns what `change` returns.
    template <class Edit>
    auto edit(const std::string& caption, ModelParts parts, Edit&& change, Kind kind = {});

    // What the pending edits did since `before` (taken with `snapshot`) as one step.
    ModelSnapshot snapshot(ModelParts parts) const { return takeSnapshot(model_, parts); }
    void recordSince(const std::string& caption, const ModelSnapshot& before);

    // Another model in this one's place (opened, or new): no history, nothing unsaved.
    void replace(Model model);
    // The model's name, which names its file; a model takes it when saved under it.
    void rename(std::string modelName);
    // A change the history does not hold counts as unsaved (a key typed in the notes).
    void markUnsaved() { unsaved_ = true; }
    // The model now is what its file holds.
    void markSaved();
    // An editor's working copy changed.
    void announceDraft() { notify(Change::Draft); }

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // "Undo Delete Item", "Redo Delete Item"; just "Undo" / "Redo" when there is none.
    std::string undoCaption() const;
    std::string redoCaption() const;
    void undo();
    void redo();

private:
    void record(const std::string& caption, const ModelSnapshot& before, Kind kind);
    void notify(Change change);

    Model model_;
    ModelHistory history_;
    bool unsaved_ = false;
    std::vector<Listener> listeners_;
};

template <class Edit>
auto Document::edit(const std::string& caption, ModelParts parts, Edit&& change, Kind kind) {
    const ModelSnapshot before = snapshot(parts);
    if constexpr (std::is_void_v<std::invoke_result_t<Edit&, Model&>>) {
        change(model_);
        record(caption, before, kind);
    } else {
        auto result = change(model_);
        record(caption, before, kind);
        return result;
    }
}

} // namespace tarnel
