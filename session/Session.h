#pragma once

#include "ModelFolder.h"
#include "ModelHistory.h"
#include "core/Result.h"
#include "model/Model.h"
#include "model/RuleOrders.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// What a user does with a model, whatever the front end: the open model and its identity,
// the unsaved-changes flag, and every edit as a named operation with its checks and
// messages. Every change of the model goes through here, so that undo, the unsaved flag and
// the front ends' views stay right. Texts are Windows-1252; names of model files are UTF-8,
// as the file system has them.
class Session {
public:
    explicit Session(std::filesystem::path modelFolder);

    const Model& model() const { return model_; }
    const ModelFolder& folder() const { return folder_; }

    // A model was chosen or a new one was named (until then there is nothing to edit).
    bool hasModel() const { return named_; }
    bool unsavedChanges() const { return unsaved_; }

    // Told after every change: the model was replaced (opened, new), edited (changed, undone
    // or redone), or saved.
    enum class Change { Replaced, Edited, Saved };
    void addListener(std::function<void(Change)> listener);

    // --- Models ---------------------------------------------------------------------------

    // The template model: default alphabets, nothing else, no name yet.
    void newModel();
    // Loads model `name` of the model folder, or the file at `path`. On success the result
    // holds the loader's notes on lines it had to repair (empty for a clean file).
    Result<std::vector<std::string>> openModel(std::string_view name);
    Result<std::vector<std::string>> openFile(const std::filesystem::path& path);

    // The name rules of the name box (3 to 20 letters, digits or "_"), without the check for
    // an existing file; and that check, with the message offering to replace it.
    static Result<> checkModelName(std::string_view name);
    Result<> checkNameIsFree(std::string_view name) const;

    // A name accepted for a new model or by Save As: it becomes the model's name and the
    // model is saved at once under it, replacing any file of that name.
    Result<> nameModel(std::string_view name);
    // Saves the model under its name. An unnamed model cannot be saved.
    Result<> save();
    // Writes the model to `path`, its name and flag unchanged.
    Result<> saveTo(const std::filesystem::path& path) const;
    // Deletes the file of model `name`; the model in memory is not touched.
    Result<> deleteModel(std::string_view name);

    // "Model "x" has been saved."
    std::string savedMessage() const;
    // "Save model "x"?"
    std::string saveQuestion() const;
    // The three-line warning before model `name` is deleted.
    static std::string deleteWarning(std::string_view name);

    // --- Notes ----------------------------------------------------------------------------

    // The notes as the box holds them; consecutive changes are one step of the history.
    void setNotes(const std::string& notes);
    // Every key typed into the notes counts as a change, even one that changes nothing.
    void markNotesTyped() { setUnsaved(); }

    // --- Vocabulary -----------------------------------------------------------------------

    // A pair typed into the one-item box: added, or replacing item `row` (Edit Item).
    Result<> addItem(std::string_view typed, std::optional<std::size_t> replacing = {});
    void deleteItem(std::size_t row);
    // The lines of the whole-list box: every one checked, then they replace the Vocabulary.
    Result<> replaceVocabulary(const std::vector<std::string>& lines);
    // The etymon of item `row` (its text before the first blank).
    std::string itemEtymon(std::size_t row) const;

    // --- Supply and orders ----------------------------------------------------------------

    // Insert Above / Insert Below; refused (the screen's message) without what it needs.
    Result<InsertOutcome> insertIntoOrder(OrderList order, const OrderChoice& choice,
                                          InsertPlace place);
    Result<std::size_t> moveInOrder(OrderList order, std::optional<std::size_t> row,
                                    MoveDirection direction);
    Result<> deleteFromOrder(OrderList order, std::optional<std::size_t> row);
    // Delete from Supply once the user confirmed (supplyDeleteWarning).
    void deleteRule(const std::string& name);
    // A release in the mask column (no change to the unsaved flag: masks are not saved).
    Result<> toggleMask(std::size_t row);
    // A release in the persistence column.
    void togglePersistence(std::optional<std::size_t> row);

    // --- Undo and redo --------------------------------------------------------------------

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // "Undo Delete Item", "Redo Delete Item"; just "Undo" / "Redo" when there is none.
    std::string undoCaption() const;
    std::string redoCaption() const;
    void undo();
    void redo();

private:
    // Runs `change` on the model as one named step of the history; the parts it may touch
    // are copied before and compared after. A refused change leaves no step.
    template <class Edit>
    auto edit(const std::string& caption, ModelParts parts, Edit&& change, bool affectsFile = true,
              bool merging = false);

    void replaceModel(Model model, bool named);
    void setUnsaved();
    void notify(Change change);
    Result<> writeTo(const std::filesystem::path& path);

    ModelFolder folder_;
    Model model_;
    ModelHistory history_;
    bool named_ = false;
    bool unsaved_ = false;
    std::vector<std::function<void(Change)>> listeners_;
};

} // namespace tarnel
