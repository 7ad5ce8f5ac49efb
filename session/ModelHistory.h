// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Splice.h"
#include "model/Model.h"

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tarnel {

// The parts of a model an edit may change. An edit names the parts it touches, so that only
// they are copied and compared.
enum ModelPart : unsigned {
    notesPart = 1u << 0,
    rulesPart = 1u << 1,  // the rule store and the Supply
    ordersPart = 1u << 2, // the three orders, with the mask and persistence columns
    alphabetsPart = 1u << 3,
    vocabularyPart = 1u << 4,
};
using ModelParts = unsigned;

using StringList = std::vector<std::string>;
using RuleStore = std::vector<StringList>;

// The parts of a model as they were before an edit.
struct ModelSnapshot {
    ModelParts parts = 0;
    Model copy; // only the named parts are filled in
};
ModelSnapshot takeSnapshot(const Model& model, ModelParts parts);

// What one edit did to a model: a splice per list it changed.
struct ModelDelta {
    std::optional<Splice<std::string>> notes;
    std::optional<Splice<RuleStore>> rules;
    std::array<std::optional<Splice<StringList>>, 9> lists; // see the list table in the .cpp

    bool empty() const;
    std::size_t bytes() const;
};
ModelDelta deltaSince(const ModelSnapshot& before, const Model& after);

// Undo and redo of model changes, in order. Each step carries the caption the Edit menu
// shows ("Delete Item"). The history knows where the last save was, so that undoing back
// to it can clear the unsaved-changes flag.
//
// Memory: a step holds only what its edit replaced (see Splice), so a step costs what the
// edit touched. At most `maxSteps` steps are kept, and fewer when together they would hold
// more than `maxBytes`; the oldest go first.
class ModelHistory {
public:
    static constexpr std::size_t maxSteps = 1000;
    static constexpr std::size_t maxBytes = std::size_t{256} << 20;

    void clear();

    // A change just made. `affectsFile` is false for changes a save does not write (masks).
    // A `merging` change joins the step before it when that one has the same caption and is
    // merging too, and nothing was undone in between (typing in the notes is one step).
    // Returns false when the edit changed nothing (no step).
    bool record(const std::string& caption, const ModelSnapshot& before, const Model& after,
                bool affectsFile = true, bool merging = false);

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    const std::string& undoCaption() const { return steps_[position_ - 1].caption; }
    const std::string& redoCaption() const { return steps_[position_].caption; }

    void undo(Model& model);
    void redo(Model& model);

    // The model now is what its file holds.
    void markSaved();
    // True when the model is as it was at the last save, as far as the file is concerned.
    bool atSavedState() const;

    std::size_t size() const { return steps_.size(); }

private:
    struct Step {
        std::string caption;
        ModelDelta delta;
        bool affectsFile = true;
        bool merging = false;
    };

    void trim();
    bool mergeInto(Step& last, const std::string& caption, const ModelSnapshot& before,
                   const Model& after);

    std::deque<Step> steps_;
    std::size_t position_ = 0;             // steps before this one are done
    std::optional<std::size_t> saved_ = 0; // the position of the last save, if still known
    std::size_t bytes_ = 0;
};

} // namespace tarnel
