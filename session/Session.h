// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AlphabetEditor.h"
#include "BatchRun.h"
#include "Document.h"
#include "ModelCheck.h"
#include "ModelFolder.h"
#include "ModelHistory.h"
#include "ModelNameBox.h"
#include "RuleEditor.h"
#include "core/Result.h"
#include "engine/Engine.h"
#include "engine/ThreadPool.h"
#include "exchange/WordListImport.h"
#include "insight/EditPreview.h"
#include "insight/Report.h"
#include "insight/RuleImpact.h"
#include "insight/RuleWords.h"
#include "ipa/IpaWords.h"
#include "model/Model.h"
#include "model/RuleOrders.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

struct LoadedModel;

// What a user does with a model, whatever the front end: the open model (a Document, with its
// history and unsaved-changes flag) and its file, every edit as a named operation with its
// checks and messages, the editors, the engine with its derivations and batch runs, the last
// run and its report. Texts are Windows-1252; names of model files are UTF-8, as the file
// system has them.
class Session {
public:
    explicit Session(std::filesystem::path modelFolder);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const Model& model() const { return document_.model(); }
    const ModelFolder& folder() const { return folder_; }

    // A model was chosen or a new one was named (until then there is nothing to edit).
    bool hasModel() const { return named_; }
    bool unsavedChanges() const { return document_.unsaved(); }

    // Told after every change (see Document::Change).
    using Change = Document::Change;
    void addListener(Document::Listener listener) { document_.addListener(std::move(listener)); }

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
    // What the check after the load found in the file of the model opened last (see
    // ModelCheck.h), in the order of its lines; empty for a clean file and for a new model.
    // It speaks of the file as it was opened, whatever was edited since.
    const std::vector<ModelProblem>& fileProblems() const { return fileProblems_; }

    // The check of a name accepted in the name box (see ModelNameBox.h for its rules) for an
    // existing file, in the folder the model is saved in, with the message offering to
    // replace it.
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
    void markNotesTyped() { document_.markUnsaved(); }

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

    // --- IPA --------------------------------------------------------------------------------

    // The composition the front end shows IPA with (to NFC); typed IPA is read through it.
    void setTextNormaliser(TextNormaliser normalise);
    const IpaSpelling& ipaSpelling() const { return *spelling_; }
    // An alphabet as IPA, made again only after the model changed.
    const IpaAlphabet& ipaAlphabet(AlphabetSide side) const;
    IpaAlphabets ipaAlphabets() const {
        return {ipaAlphabet(AlphabetSide::Etymon), ipaAlphabet(AlphabetSide::Reflex)};
    }
    // A pair or a line of the Vocabulary typed in IPA (UTF-8), in the alphabets' characters.
    IpaText readIpaItem(std::string_view utf8) const {
        return tarnel::readIpaItem(utf8, ipaAlphabets());
    }
    // An item of the Vocabulary written in IPA (UTF-8).
    std::string ipaItem(std::string_view item) const { return writeIpaItem(item, ipaAlphabets()); }
    // What to say of a symbol refused in a typed word (UTF-8): the refusal and the offer to
    // add a column for it headed by `character` (Yes adds it), or, with no character, why no
    // column can be made (OK).
    struct IpaColumnOffer {
        std::string text;
        std::optional<char> character;
    };
    IpaColumnOffer offerIpaColumn(const IpaWordRefusal& refused) const;
    // A column showing `symbol` added to an alphabet, headed by `character`, as one step
    // ("Add Column E").
    Result<> addIpaColumn(AlphabetSide side, std::string_view symbol, char character);

    // --- Supply and orders ----------------------------------------------------------------

    // Insert Above / Insert Below; refused (the screen's message) without what it needs.
    Result<InsertOutcome> insertIntoOrder(OrderList order, const OrderChoice& choice,
                                          InsertPlace place);
    Result<std::size_t> moveInOrder(OrderList order, std::optional<std::size_t> row,
                                    MoveDirection direction);
    Result<> deleteFromOrder(OrderList order, std::optional<std::size_t> row);
    // Delete from Supply, once the user confirmed it: the rule and every order entry of it.
    void deleteRule(const std::string& name);
    // A release in the mask column (no change to the unsaved flag: masks are not saved).
    Result<> toggleMask(std::size_t row);
    // A release in the persistence column.
    void togglePersistence(std::optional<std::size_t> row);

    // New Rule from Text: rules pasted as the model file writes them, checked as the rule
    // editor's text is, then added to the Supply as one change, or none of them while any
    // problem remains (the refusal lists them). The names added, in the text's order.
    std::vector<RuleProblem> checkNewRules(std::string_view text) const;
    Result<std::vector<std::string>> addRulesFromText(std::string_view text);

    // --- Derivations ----------------------------------------------------------------------

    // The derivation screen's mode: Interactive (from the Etymon Order) or Reflex (the Reflex
    // Order alone).
    void setDerivationMode(DerivationMode mode);
    // The Derive button on the word box's text: its stages go to `display` and the engine's
    // messages to `messages`. Refused with "Type a word in the box." when the text is empty
    // or holds a blank. One engine serves every derivation, as one word box does.
    Result<> derive(std::string_view boxText, MessageSink& messages, StageDisplay& display);
    // A batch run over the Vocabulary: the items are derived on `jobs` threads (every core by
    // default), and shown in order. The run, with the words it started from, is kept as the
    // last batch. A front end asks largeRunQuestion first.
    void runBatch(BatchDisplay& display, MessageSink& messages);
    // A batch run that shows nothing as it goes, for a front end that reads the last batch.
    void runBatch();
    // The warning to confirm before a batch run that is expected to take more than ten
    // seconds (its items times its Diachronic entries, at the rate the last long run showed);
    // none for a run that will be over sooner.
    std::optional<std::string> largeRunQuestion() const;
    static constexpr std::string_view largeRunWarning =
        "Because of the large vocabulary size, this batch run may take more than a minute or "
        "two, during which you may receive a 'Not Responding' message.  Nevertheless the run "
        "will continue, and when it is finished Tarnel will return to normal operation.  Click "
        "OK to continue, or Cancel to abort the run.";
    const BatchRun& lastBatch() const { return batchRun_; }
    // Item `index` of `run` derived in interactive mode from the words the run derived it
    // from, so the stages show the derivation that gave its result.
    void deriveBatchItem(const BatchRun& run, std::size_t index, MessageSink& messages,
                         StageDisplay& display);
    void setJobs(int jobs);

    // --- Batch insight --------------------------------------------------------------------

    struct ReportOptions {
        // The run to compare with instead of this model's last (an earlier run's JSON).
        const std::vector<insight::PreviousItem>* baseline = nullptr;
        bool rules = false; // the Rules table too, which traces every item
        bool items = true;  // the Items table, with each Bad item's blame
    };
    // What the last batch run shows beside its lists, kept as the last report: the measures,
    // why each Bad item is Bad, and what changed since the run before of this model (nothing
    // to compare with after the model was opened or made). A completed run then becomes the
    // run compared with next; a stopped one is measured but neither compared nor kept.
    const insight::BatchReport& reportBatch(const insight::Normaliser& normalise,
                                            ReportOptions options);
    const insight::BatchReport& reportBatch(const insight::Normaliser& normalise) {
        return reportBatch(normalise, {});
    }
    const insight::BatchReport& lastReport() const { return report_; }
    // The last report with its Rules table: what each order entry did in the last run.
    const insight::BatchReport& reportWithRules();
    // Adds to the last report the net change in Good items of the last run if each
    // Diachronic entry alone were masked.
    void measureRuleImpact(const insight::ImpactProgress& progress);
    // Adds to the last report, for each Bad item of the last run, the single edits of the
    // Diachronic Order that would turn it Good, with what each does to the whole run.
    void findOrderFixes(const insight::ImpactProgress& progress);
    // Adds to the last report, for the Bad items of the last run for which a change is
    // missing, grouped by the change each needs, the best new rules that make it, each at its
    // best place in the Diachronic Order.
    void suggestRules(const insight::ImpactProgress& progress);
    // Rule `index` of suggestion group `group` of the last report added to the rule store and
    // the Supply and inserted into the Diachronic Order at its place, as one edit ("Add
    // Suggested Rule"); renamed when its name has been taken since. False, with nothing
    // changed, when there is no such rule or the orders have changed since the last run.
    bool addSuggestedRule(std::size_t group, std::size_t index);
    // For Diachronic entry `row`, the net change in Good items of a batch run of the model as
    // it stands were the entry moved to each place of the Diachronic Order (0 at its own).
    std::vector<int> placeGains(std::size_t row);
    // What storing the rule editor's working copy, or `lines` (the rule as typed in its text
    // view) in its place, would do to the last batch run: exactly what a run with the edit
    // would give, with only the edited rule compiled and the items taken up where it is used
    // (the run's items are traced once, by the first preview after the run).
    insight::RulePreview previewRuleEdit(const std::optional<std::vector<std::string>>& lines,
                                         const insight::Normaliser& normalise);
    // Moves Diachronic entry `row` to place `to` (its place after the move), as one edit.
    void moveToPlace(std::size_t row, std::size_t to);

    // The items whose word entry `row` of `order` changed in the last batch run, with the
    // word before and after it; none when the orders have changed since that run (or there
    // was none: see rulesOfLastBatch).
    std::vector<insight::RuleWord> ruleWords(OrderList order, std::size_t row,
                                             const insight::Normaliser& normalise) const;
    // The order and row of the first entry named `name` (Etymon, then Diachronic, then Reflex
    // Order); none when no entry has that name.
    std::optional<std::pair<OrderList, std::size_t>> entryNamed(const std::string& name) const;
    // The last batch run was made with the orders as they are now.
    bool rulesOfLastBatch() const;

    // --- Word lists and reports, in and out --------------------------------------------------

    // The word list at `path` read for import against the model (nothing changes yet).
    // With `ipa` its two columns are IPA.
    Result<WordListImport> readWordList(const std::filesystem::path& path, HeaderChoice header,
                                        bool ipa = false) const;
    // The word list at `path` read and added to the Vocabulary as one change.
    Result<WordListImport> importWordList(const std::filesystem::path& path, HeaderChoice header,
                                          bool ipa = false);
    // The Vocabulary written as TSV, or as CSV when the file's name ends in ".csv".
    Result<> exportVocabulary(const std::filesystem::path& path) const;
    enum class ReportFormat { Csv, Json };
    // The last report: its Items table as CSV, or the whole report as JSON.
    Result<> writeReport(const std::filesystem::path& path, ReportFormat format) const;
    // A text file of the user's read whole (an earlier run's JSON output); `what` names it in
    // the message when it cannot be read ("the baseline").
    Result<std::string> readTextFile(const std::filesystem::path& path,
                                     std::string_view what) const;

    // --- Editors ----------------------------------------------------------------------------

    RuleEditor& ruleEditor() { return ruleEditor_; }
    AlphabetEditor& alphabetEditor(AlphabetSide side) {
        return side == AlphabetSide::Etymon ? etymonEditor_ : reflexEditor_;
    }

    // --- Undo and redo --------------------------------------------------------------------

    bool canUndo() const { return document_.canUndo(); }
    bool canRedo() const { return document_.canRedo(); }
    // "Undo Delete Item", "Redo Delete Item"; just "Undo" / "Redo" when there is none.
    std::string undoCaption() const { return document_.undoCaption(); }
    std::string redoCaption() const { return document_.redoCaption(); }
    void undo() { document_.undo(); }
    void redo() { document_.redo(); }

private:
    // `outsideFile`: where a model from outside the model folder came from.
    void replaceModel(Model model, bool named, std::filesystem::path outsideFile = {});
    // A model read from its file, checked: its problems kept, the model made the current one.
    std::vector<std::string> takeLoaded(LoadedModel loaded, std::filesystem::path outsideFile);
    // The folder a name is checked and saved in: that of a model from elsewhere while it can
    // be written to, else the model folder.
    std::filesystem::path ownFolder() const;

    ModelFolder folder_;
    std::filesystem::path outsideFile_;
    std::vector<ModelProblem> fileProblems_;
    Document document_;
    std::optional<std::vector<insight::PreviousItem>> lastRun_;
    BatchRun batchRun_;
    Model batchModel_; // the model as the last batch ran it
    std::shared_ptr<const CompiledModel> batchCompiled_;
    // The last run's items traced along its Diachronic Order, and its order entries, when a
    // preview first asks.
    std::unique_ptr<insight::TracedRun> batchTraced_;
    std::optional<std::vector<insight::OrderEntry>> batchEntries_;
    const insight::TracedRun& tracedBatch();
    insight::BatchReport report_;
    bool named_ = false;
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
    mutable std::shared_ptr<const CompiledModel> compiled_;
    mutable bool compiledStale_ = true;
    // The alphabets as IPA, kept until the alphabets change.
    std::unique_ptr<IpaSpelling> spelling_ = std::make_unique<IpaSpelling>();
    mutable std::unique_ptr<IpaAlphabet> ipaEtymon_;
    mutable std::unique_ptr<IpaAlphabet> ipaReflex_;
    Forwarder forwarder_;
    std::unique_ptr<Engine> engine_;
    int jobs_;
    // Items times Diachronic entries a batch run derives in a second, as last measured.
    double batchRate_ = 1e6;
    std::unique_ptr<ThreadPool> pool_;
    RuleEditor ruleEditor_{document_};
    AlphabetEditor etymonEditor_{document_, AlphabetSide::Etymon};
    AlphabetEditor reflexEditor_{document_, AlphabetSide::Reflex};
};

} // namespace tarnel
