// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AlphabetEditor.h"
#include "BatchRun.h"
#include "ModelFolder.h"
#include "ModelHistory.h"
#include "RuleEditor.h"
#include "core/Result.h"
#include "engine/Engine.h"
#include "engine/ThreadPool.h"
#include "exchange/WordListImport.h"
#include "insight/Report.h"
#include "insight/RuleImpact.h"
#include "model/Model.h"
#include "model/RuleOrders.h"

#include <functional>
#include <memory>
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
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

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
    // Opens the model file at `path`, wherever the user keeps it. A file of the model folder
    // opens as that folder's model. A file elsewhere stays where it is: Save writes it back
    // there, and a name for Save As is checked and saved in its folder (in the model folder
    // when its own can no longer be written to, as on a read-only or removed disk).
    Result<std::vector<std::string>> openModelFile(const std::filesystem::path& path);
    // The file of a model opened from outside the model folder; empty for a model of the
    // folder, a new one, or none.
    const std::filesystem::path& outsideFile() const { return outsideFile_; }

    // The name rules of the name box (3 to 20 letters, digits or "_"), without the check for
    // an existing file; and that check (in the folder the model is saved in), with the
    // message offering to replace it.
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
    // A word list read for import (see exchange/WordListImport.h) added to the Vocabulary as
    // one change. Its rows were checked when it was read.
    void importVocabulary(const WordListImport& import);

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

    // --- Derivations ----------------------------------------------------------------------

    // The derivation screen's mode: Interactive (from the Etymon Order) or Reflex (the Reflex
    // Order alone).
    void setDerivationMode(DerivationMode mode);
    // The Derive button on the word box's text: its stages go to `display` and the engine's
    // messages to `messages`. Refused with "Type a word in the box." when the text is empty
    // or holds a blank. One engine serves every derivation, as one word box does.
    Result<> derive(std::string_view boxText, MessageSink& messages, StageDisplay& display);
    // A batch run over the Vocabulary; false when the large-run question was cancelled. The
    // items are derived on `jobs` threads (every core by default), and shown in order.
    bool runBatch(BatchDisplay& display, MessageSink& messages);
    void setJobs(int jobs);

    // --- Batch insight --------------------------------------------------------------------

    // What a finished batch run of the open model shows beside its lists: the measures, why
    // each Bad item is Bad, and what changed since the last run of this model (nothing to
    // compare with after the model was opened or made). A completed run then becomes the
    // last run; a stopped one is measured but neither compared nor kept.
    insight::BatchReport reportBatch(const BatchRun& run, const insight::Normaliser& normalise);
    // What each order entry did in `run`.
    insight::RulesTable rulesTable(const BatchRun& run) const;
    // The net change in Good items if each Diachronic entry alone were masked.
    insight::RuleImpact measureRuleImpact(const BatchRun& run,
                                          const insight::ImpactProgress& progress);

    // --- Editors ----------------------------------------------------------------------------

    RuleEditor& ruleEditor() { return ruleEditor_; }
    AlphabetEditor& alphabetEditor(AlphabetSide side) {
        return side == AlphabetSide::Etymon ? etymonEditor_ : reflexEditor_;
    }

    // --- Undo and redo --------------------------------------------------------------------

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // "Undo Delete Item", "Redo Delete Item"; just "Undo" / "Redo" when there is none.
    std::string undoCaption() const;
    std::string redoCaption() const;
    void undo();
    void redo();

private:
    friend class AlphabetEditor;
    friend class RuleEditor;

    // A change an editor made to the model in place since `before`, as one step.
    void recordEditorStep(const std::string& caption, const ModelSnapshot& before);

    // Runs `change` on the model as one named step of the history; the parts it may touch
    // are copied before and compared after. A refused change leaves no step.
    template <class Edit>
    auto edit(const std::string& caption, ModelParts parts, Edit&& change, bool affectsFile = true,
              bool merging = false);

    // `outsideFile`: where a model from outside the model folder came from.
    void replaceModel(Model model, bool named, std::filesystem::path outsideFile = {});
    // The folder a name is checked and saved in: that of a model from elsewhere while it can
    // be written to, else the model folder.
    std::filesystem::path ownFolder() const;
    void setUnsaved();
    void notify(Change change);

    ModelFolder folder_;
    std::filesystem::path outsideFile_;
    Model model_;
    ModelHistory history_;
    std::optional<std::vector<insight::PreviousItem>> lastRun_;
    bool named_ = false;
    bool unsaved_ = false;
    std::vector<std::function<void(Change)>> listeners_;
    // The engine's sinks, pointed at the caller's for the length of a run.
    struct Forwarder : MessageSink, StageDisplay {
        MessageSink* messages = nullptr;
        StageDisplay* display = nullptr;
        void showMessage(const std::string& text) override;
        void showStage(int kind, const std::string& label, const Word& word) override;
    };
    // The model compiled for the engine, kept until the model changes, and the engine that
    // serves every derivation, as one word box does.
    const CompiledModel& compiled() const;
    Engine& engine();
    ThreadPool* pool();
    mutable std::unique_ptr<CompiledModel> compiled_;
    mutable bool compiledStale_ = true;
    Forwarder forwarder_;
    std::unique_ptr<Engine> engine_;
    int jobs_;
    std::unique_ptr<ThreadPool> pool_;
    RuleEditor ruleEditor_{*this};
    AlphabetEditor etymonEditor_{*this, AlphabetSide::Etymon};
    AlphabetEditor reflexEditor_{*this, AlphabetSide::Reflex};
};

} // namespace tarnel
