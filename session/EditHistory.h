// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace tarnel {

// Undo and redo within an editor (the rule editor's working copy, an alphabet under edit):
// each step keeps the state before an edit, which is small, and the edit's caption.
template <class State> class EditHistory {
public:
    void clear() {
        undo_.clear();
        redo_.clear();
    }
    // An edit is about to change `before`; what could be redone is gone.
    void push(std::string caption, State before) {
        undo_.push_back({std::move(caption), std::move(before)});
        redo_.clear();
    }
    // The last step leaves nothing behind after all.
    void dropLast(const std::string& caption) {
        if (!undo_.empty() && undo_.back().caption == caption)
            undo_.pop_back();
    }

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::string undoCaption() const { return canUndo() ? "Undo " + undo_.back().caption : "Undo"; }
    std::string redoCaption() const { return canRedo() ? "Redo " + redo_.back().caption : "Redo"; }

    // Puts `current` back as it was before the last step (or after the step undone last).
    void undo(State& current) { move(undo_, redo_, current); }
    void redo(State& current) { move(redo_, undo_, current); }

private:
    struct Step {
        std::string caption;
        State state;
    };
    static void move(std::vector<Step>& from, std::vector<Step>& to, State& current) {
        if (from.empty())
            return;
        to.push_back({from.back().caption, std::move(current)});
        current = std::move(from.back().state);
        from.pop_back();
    }

    std::vector<Step> undo_;
    std::vector<Step> redo_;
};

// Runs `edit`, then `done(carriedOut)`: an edit without a result is always carried out, one
// with a result when the result says so. Returns the edit's result.
template <class Edit, class Done> auto carryOut(Edit&& edit, Done&& done) {
    if constexpr (std::is_void_v<std::invoke_result_t<Edit&>>) {
        edit();
        done(true);
    } else {
        auto result = edit();
        done(static_cast<bool>(result));
        return result;
    }
}

} // namespace tarnel
