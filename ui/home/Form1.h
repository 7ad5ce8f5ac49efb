// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/shared/Screen.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace tarnel {

class FilterBox;
class ModelCheckWindow;
class ModelLineEdit;
class ModelPlainTextEdit;

// The home screen: the Model menu (new, choose, save, save as, delete), the notes and the
// Vocabulary.
class Form1 : public Screen {
    Q_OBJECT
public:
    explicit Form1(Context& context);
    ~Form1() override;

    // Start-up: the model menu from the model directory, the About text over the screen.
    void startUp();
    // The About text, built once.
    const QString& aboutText() const { return about; }

    // Edit > Vocabulary: the Vocabulary list shown, the title set.
    void showVocabulary();

    // The Model menu's entries; each first closes the help box.
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuDelete_Click();
    void chooseModel(const QString& name);
    // Opens the model file at `path`, in the model folder or anywhere else (Open..., or a
    // file given to the program), after the offer to save.
    void openModelFile(const QString& path);
    void File1_Click(const QString& fileName);
    // After a save: the name box is closed and the file list shows the files as they are now.
    void modelSaved();
    void modelReplaced() override;
    void modelEdited() override;

    // The Vocabulary pop-up menu's entries.
    void mnuAddItem_Click();
    void mnuDeleteItem_Click();
    void mnuEditItem_Click();
    void mnuEditAll_Click();
    void mnuCopyEtymon_Click();
    // Word lists in and out: a TSV or CSV file of etymon and reflex columns.
    void mnuImportVocabulary_Click();
    void mnuExportVocabulary_Click();
    void btnDone_Click();

    // Rebuilds the model menu from the model directory (at most 21 names).
    void buildModelMenu();

    // The window of what the check after the last load found, once there was something.
    ModelCheckWindow* modelCheckWindow() const { return checkWindow.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString about;
    QMenu* mnuModelChoice = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QMenu* mnuVocabEdit = nullptr;

    QLineEdit* txtModelName = nullptr;
    QLabel* lblDelete = nullptr;
    QListWidget* File1 = nullptr;
    QLabel* lblNotes = nullptr;
    ModelPlainTextEdit* txtNotes = nullptr;
    QLabel* lblVocab = nullptr;
    QCheckBox* chkVocabIpa = nullptr; // the pairs are typed, edited and imported in IPA
    QListWidget* lstVocab = nullptr;
    FilterBox* vocabFilter = nullptr;
    ModelLineEdit* txtVocab = nullptr;
    QPushButton* btnVocabCancel = nullptr;
    QWidget* itemBox = nullptr; // txtVocab and its Cancel button
    ModelPlainTextEdit* txtMassVocab = nullptr;
    QPushButton* btnDone = nullptr;
    int editedRow = -1;  // the item txtVocab edits (Edit Item), or -1 for a new one
    QString replaceName; // a name that "already exists", whose file Save would replace
    QString titleBeforeDelete;
    std::unique_ptr<ModelCheckWindow> checkWindow;

    void buildMenus();
    void buildBody();
    QWidget* buildNamePanel();
    QWidget* buildNotesPanel();
    QWidget* buildVocabPanel();

    // Model management.
    void hidePanels();
    void refreshNotes();
    void acceptModelName();
    void takeModelName(QString name); // by value: it may be replaceName, which it clears
    // After a load: the panels, the menu entries and the title for the model, then what the
    // load had to leave out and what the check found in the file.
    void showOpenedModel(const std::vector<std::string>& warnings);
    // The check window with the problems of the model's file; closed when there are none.
    void showFileProblems();
    // "Model "x"", and the folder for a model kept outside the model folder.
    QString modelTitle() const;
    void showModelPanels();
    void txtModelName_Change();
    bool txtModelName_KeyPress(QKeyEvent* event);
    void pasteModelName();
    void refreshFileList();

    // Notes.
    void txtNotes_Change();
    // A character a model file cannot hold, refused where it was typed or pasted.
    void refuseCharacter(const QString& character);

    // Vocabulary.
    void refreshVocab();
    void lstVocab_ContextMenu(QPoint at);
    void closeItemBox();
    void txtVocab_Enter();
    void chkVocabIpa_Toggle(bool ipa);
    // Text of an editing box as model text: read from IPA when the IPA box is checked (each
    // unknown symbol refused with the offer to add it), else as it stands. No value when it
    // was refused.
    std::optional<std::string> vocabText(const QString& text);
    // An item as the editing boxes show it: in IPA when the IPA box is checked.
    QString itemInBox(const std::string& item) const;
    int highlightedItem(const QString& message);
};

} // namespace tarnel
