// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AlphabetSide.h"
#include "EditHistory.h"
#include "core/Result.h"
#include "model/AlphabetEditing.h"
#include "session/ModelHistory.h"

#include <optional>
#include <string>
#include <vector>

namespace tarnel {

class Document;

enum class KeepAnswer { Yes, No, Cancel };

// The editing of one input alphabet on its screen. Edits change the model's alphabet in
// place, as the screen shows it; what the alphabets were on entering is kept, so that leaving
// can keep the changes as one step of the model's history or throw them away. Within the
// editor, each column edit can be undone and redone on its own.
class AlphabetEditor {
public:
    AlphabetEditor(Document& document, AlphabetSide side) : document_(document), side_(side) {}

    // Entering the screen: the alphabets as they are now are what No restores.
    void enter();
    // "Keep the changes?" when there are pending changes: Yes keeps them, No restores both
    // alphabets, Cancel stays (false). Without pending changes nothing is asked (true).
    bool pending() const { return pending_; }
    bool leave(KeepAnswer answer);

    const Alphabet& columns() const;

    // The edits of the grid. Every one, and every key released on a column, is a pending
    // change and sets the model's unsaved-changes flag.
    void toggleValue(std::size_t column, int item);
    std::optional<std::size_t> moveColumn(std::size_t column, int step);
    // Insert: a copy of the column to its right, whose character is then typed.
    Result<std::size_t> insertColumn(std::size_t column);
    // A new column to the right of `column` with the 21 values `values` (those of an IPA
    // symbol), whose character is then typed as after Insert.
    Result<std::size_t> insertColumnWithValues(std::size_t column, std::string_view values);
    Result<> deleteColumn(std::size_t column);
    Result<> renameColumn(std::size_t column, char character);
    // A character typed for the new column; false when it was ignored (a control code).
    Result<bool> nameNewColumn(std::size_t column, unsigned char code);
    // The new column left without a character of its own goes again (Esc, or leaving).
    void dropNewColumn(std::size_t column);
    void keyReleased();
    // Edit > Default Alphabets, after the user agreed: both alphabets become a to z.
    void resetToDefaults();
    static const char* defaultsQuestion();

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    std::string undoCaption() const { return history_.undoCaption(); }
    std::string redoCaption() const { return history_.redoCaption(); }
    void undo();
    void redo();

private:
    // Both alphabets: Default Alphabets replaces them both.
    using Alphabets = std::pair<Alphabet, Alphabet>;

    Alphabet& sideOf(Model& model) const;
    std::string columnCaption(std::string_view verb, std::size_t column) const;
    Alphabets alphabets() const;
    void setAlphabets(Alphabets both);
    // Runs `edit` on the alphabet as one step named `caption`; a refused edit (one that
    // answers false or a refusal) leaves no step.
    template <class Edit> auto step(const std::string& caption, Edit&& edit);

    Document& document_;
    AlphabetSide side_;
    ModelSnapshot onEntry_;
    std::string insertCaption_; // the step of the last Insert, which a dropped column undoes
    bool pending_ = false;
    EditHistory<Alphabets> history_;
};

} // namespace tarnel
