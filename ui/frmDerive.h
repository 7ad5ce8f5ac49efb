#pragma once

#include "Screen.h"
#include "core/DerivationMode.h"
#include "core/Messages.h"

#include <array>
#include <memory>

class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tarnel {

class BatchPanel;
class CompiledModel;
class Dialogs;
class Engine;
class StageView;
class ThreadPool;
class WordBoxEdit;

// Shows the engine's messages (a missing etymon character, an INSERT that cannot be made)
// in a message box, or hands them to `gatherer` while it is set (a batch run).
class DialogsMessageSink : public MessageSink {
public:
    explicit DialogsMessageSink(Dialogs& dialogs) : dialogs(dialogs) {}
    void showMessage(const std::string& text) override;

    MessageSink* gatherer = nullptr;

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
    void modelReplaced() override;

    DerivationMode mode() const { return screenMode; }

    void btnDerive_Click();
    void btnClear_Click();
    void btnScroll_Click(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    DialogsMessageSink messages;
    std::unique_ptr<CompiledModel> compiled;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<ThreadPool> batchThreads; // made at the first batch run
    DerivationMode screenMode = DerivationMode::None;

    QWidget* wordPanel = nullptr;
    WordBoxEdit* txtEtymon = nullptr;
    QPushButton* btnDerive = nullptr;
    QPushButton* btnClear = nullptr;
    std::array<QPushButton*, 2> btnScroll{};
    QScrollArea* stageArea = nullptr;
    StageView* stageView = nullptr;
    BatchPanel* batchPanel = nullptr;
    QLabel* lblOffFeats = nullptr;

    QWidget* buildWordPanel();
    QWidget* buildStageArea();
    void enterWordMode(DerivationMode mode);
    void compileModel();
    void showPrompt();
    void setNormalColour(bool normal);
    bool txtEtymon_KeyPress(QKeyEvent* event);
    void txtEtymon_Change(const QString& text);
    QString foreignRefusal(const QString& character) const;
    void showOffFeats(const QString& text, QPoint at);
    void updateScrollButtons();
};

} // namespace tarnel
