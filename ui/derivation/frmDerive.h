// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Messages.h"
#include "engine/DerivationMode.h"
#include "session/AlphabetSide.h"
#include "session/BatchRun.h"
#include "session/insight/Report.h"
#include "ui/shared/Screen.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tarnel {

class BatchPanel;
class BatchReportWindow;
class Dialogs;
class StageView;
class WordBoxEdit;

// Shows the engine's messages (a missing etymon character, an INSERT that cannot be made)
// in a message box.
class DialogsMessageSink : public MessageSink {
public:
    explicit DialogsMessageSink(Dialogs& dialogs) : dialogs(dialogs) {}
    void showMessage(const std::string& text) override;

private:
    Dialogs& dialogs;
};

// The derivation screen: an etymon typed and derived stage by stage (interactive mode), a
// reflex typed and read through the Reflex Order (reflex mode), or the whole Vocabulary
// derived and compared (batch mode).
class frmDerive : public Screen {
    Q_OBJECT
public:
    explicit frmDerive(Context& context);
    ~frmDerive() override;

    // Navigation hooks (see Shared.h).
    void enterInteractiveMode();
    void enterBatchMode();
    void enterReflexMode();
    void resetDerivation();
    void copyEtymon(const QString& etymon);
    // Item `index` of batch run `run` derived in interactive mode as the run derived it, its
    // expected reflex under the stages.
    void deriveItem(const BatchRun& run, int index);
    BatchReportWindow* reportWindow() const { return report.get(); }
    void modelReplaced() override;

    DerivationMode mode() const { return screenMode; }

    void btnDerive_Click();
    void btnClear_Click();
    void btnScroll_Click(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    DialogsMessageSink messages;
    DerivationMode screenMode = DerivationMode::None;

    QWidget* wordPanel = nullptr;
    WordBoxEdit* txtEtymon = nullptr;
    QCheckBox* chkIpa = nullptr; // the word is typed in IPA
    QPushButton* btnDerive = nullptr;
    QPushButton* btnClear = nullptr;
    std::array<QPushButton*, 2> btnScroll{};
    QScrollArea* stageArea = nullptr;
    StageView* stageView = nullptr;
    BatchPanel* batchPanel = nullptr;
    // A window of its own beside the screens, not kept above the derivation it opens.
    std::unique_ptr<BatchReportWindow> report;
    QLabel* lblOffFeats = nullptr;

    QWidget* buildWordPanel();
    QWidget* buildStageArea();
    void enterWordMode(DerivationMode mode);
    void showPrompt();
    void setNormalColour(bool normal);
    void clearStagesForDerive();
    bool txtEtymon_KeyPress(QKeyEvent* event);
    bool ipaKeyPress(QKeyEvent* event);
    void chkIpa_Toggle(bool ipa);
    // The word box's text in the characters of the mode's alphabet: read from IPA when the
    // IPA box is checked (an unknown symbol refused with the offer to add it); no value when
    // it was refused.
    std::optional<std::string> typedWord();
    // A word of the alphabet's characters as the box shows it.
    QString wordInBox(const std::string& word) const;
    AlphabetSide side() const;
    void txtEtymon_Change(const QString& text);
    bool pasteFits();
    QString foreignRefusal(const QString& character) const;
    void showOffFeats(const QString& text, QPoint at);
    void updateScrollButtons();
    void showReport();
};

} // namespace tarnel
