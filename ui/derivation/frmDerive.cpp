// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/derivation/frmDerive.h"

#include "frontend/ModelText.h"
#include "session/DerivationView.h"
#include "session/Session.h"
#include "session/WordBox.h"
#include "ui/derivation/BatchPanel.h"
#include "ui/derivation/BatchReportWindow.h"
#include "ui/derivation/DeriveHelp.h"
#include "ui/derivation/StageView.h"
#include "ui/derivation/WordBoxEdit.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/Shared.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tarnel {

namespace {

// Stands in for a typed character that Windows-1252 cannot hold: no alphabet holds it.
constexpr int foreignKey = 1;

const QColor promptColour(112, 128, 144);

} // namespace

void DialogsMessageSink::showMessage(const std::string& text) {
    dialogs.ok(fromModelText(text));
}

frmDerive::frmDerive(Context& context) : Screen(context), messages(context.dialogs) {
    setCaption(QStringLiteral("Derive"));
    addStandardMenus(deriveHelpTopics());

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(buildWordPanel());
    layout->addWidget(buildStageArea(), 1);
    batchPanel = new BatchPanel;
    batchPanel->hide();
    connect(batchPanel, &BatchPanel::reportRequested, this, &frmDerive::showReport);
    layout->addWidget(batchPanel, 1);

    lblOffFeats = new QLabel(body);
    lblOffFeats->setObjectName(QStringLiteral("lblOffFeats"));
    lblOffFeats->setStyleSheet(
        QStringLiteral("QLabel { background: #ffffe1; color: black; border: 1px solid gray; }"));
    lblOffFeats->hide();
    setCentralWidget(body);
}

frmDerive::~frmDerive() = default;

QWidget* frmDerive::buildWordPanel() {
    wordPanel = new QWidget;
    auto* row = new QHBoxLayout(wordPanel);
    row->setContentsMargins(0, 0, 0, 0);
    txtEtymon = new WordBoxEdit;
    txtEtymon->setObjectName(QStringLiteral("txtEtymon"));
    QFont font = txtEtymon->font();
    font.setPointSize(14);
    txtEtymon->setFont(font);
    txtEtymon->setMinimumWidth(QFontMetrics(font).horizontalAdvance(QString(16, QChar('m'))));
    txtEtymon->keyPress = [this](QKeyEvent* event) { return txtEtymon_KeyPress(event); };
    connect(txtEtymon, &QLineEdit::textEdited, this, &frmDerive::txtEtymon_Change);

    chkIpa = new QCheckBox(QStringLiteral("IPA"));
    chkIpa->setObjectName(QStringLiteral("chkIpa"));
    chkIpa->setToolTip(QStringLiteral("Type the word in IPA; each symbol is read as the "
                                      "alphabet character whose feature values show as it"));
    connect(chkIpa, &QCheckBox::toggled, this, &frmDerive::chkIpa_Toggle);

    btnDerive = new QPushButton(QStringLiteral("Derive"));
    btnDerive->setObjectName(QStringLiteral("btnDerive"));
    connect(btnDerive, &QPushButton::clicked, this, &frmDerive::btnDerive_Click);
    btnClear = new QPushButton(QStringLiteral("Clear"));
    btnClear->setObjectName(QStringLiteral("btnClear"));
    connect(btnClear, &QPushButton::clicked, this, &frmDerive::btnClear_Click);

    row->addWidget(txtEtymon);
    row->addWidget(chkIpa);
    row->addWidget(btnDerive);
    row->addWidget(btnClear);
    row->addStretch(1);
    const QString arrows[] = {QStringLiteral("\u25B2"), QStringLiteral("\u25BC")};
    for (int i = 0; i < 2; ++i) {
        btnScroll[i] = new QPushButton(arrows[i]);
        btnScroll[i]->setObjectName(QStringLiteral("btnScroll%1").arg(i));
        btnScroll[i]->setToolTip(i == 0 ? QStringLiteral("Scroll up")
                                        : QStringLiteral("Scroll down"));
        btnScroll[i]->hide();
        connect(btnScroll[i], &QPushButton::clicked, this, [this, i] { btnScroll_Click(i); });
        row->addWidget(btnScroll[i]);
    }
    return wordPanel;
}

QWidget* frmDerive::buildStageArea() {
    stageView = new StageView;
    connect(stageView, &StageView::cellHovered, this, &frmDerive::showOffFeats);
    connect(stageView, &StageView::backgroundHovered, this, [this] { lblOffFeats->hide(); });
    stageArea = new QScrollArea;
    stageArea->setWidget(stageView);
    stageArea->setWidgetResizable(true);
    stageArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // btnScroll scrolls
    stageArea->setFrameShape(QFrame::NoFrame);
    return stageArea;
}

void frmDerive::enterInteractiveMode() {
    enterWordMode(DerivationMode::Interactive);
}

void frmDerive::enterReflexMode() {
    enterWordMode(DerivationMode::Reflex);
}

void frmDerive::enterWordMode(DerivationMode mode) {
    screenMode = mode;
    ctx.session.setDerivationMode(mode);
    setCaption(fromModelText(derivationCaption(mode, ctx.session.model().modelName)));
    batchPanel->hide();
    wordPanel->show();
    stageArea->show();
    btnClear_Click();
    showPrompt();
    txtEtymon->setFocus();
}

void frmDerive::enterBatchMode() {
    screenMode = DerivationMode::Batch;
    setCaption(fromModelText(derivationCaption(screenMode, ctx.session.model().modelName)));
    wordPanel->hide();
    stageArea->hide();
    lblOffFeats->hide();
    batchPanel->show();
    // The run holds the screen until it ends or is stopped; the panel repaints itself as it
    // goes and gathers the messages, which come in one box at the end.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    batchPanel->startRun(static_cast<int>(ctx.session.model().lstVocab.size()));
    ctx.session.runBatch(*batchPanel, *batchPanel);
    const std::string summary = batchPanel->finishRun();
    batchPanel->showInsight(ctx.session.reportBatch(composeNfc), ctx.session.lastBatch().stopped);
    if (report && report->isVisible())
        report->showReport(); // the report shows the run just made
    QApplication::restoreOverrideCursor();
    if (!summary.empty())
        ctx.dialogs.ok(fromModelText(summary));
}

void frmDerive::resetDerivation() {
    txtEtymon->clear();
    setNormalColour(true);
    btnClear_Click();
    batchPanel->clearResults();
}

void frmDerive::copyEtymon(const QString& etymon) {
    // An etymon is derived in interactive mode; in batch mode the word box is hidden and in
    // reflex mode it would be read as a reflex.
    if (screenMode != DerivationMode::Interactive)
        enterWordMode(DerivationMode::Interactive);
    resetDerivation();
    txtEtymon->setText(chkIpa->isChecked() ? wordInBox(toModelText(etymon).value_or(std::string()))
                                           : etymon);
    txtEtymon->setFocus();
}

void frmDerive::showReport() {
    if (!report) {
        report = std::make_unique<BatchReportWindow>(ctx, nullptr);
        connect(report.get(), &BatchReportWindow::itemChosen, this,
                [this](int index) { deriveItem(ctx.session.lastBatch(), index); });
        connect(report.get(), &BatchReportWindow::fixesFound, this, [this] {
            batchPanel->showInsight(ctx.session.lastReport(), ctx.session.lastBatch().stopped);
        });
        connect(report.get(), &BatchReportWindow::ruleAdded, this, &frmDerive::enterBatchMode);
    }
    report->showReport();
}

void frmDerive::deriveItem(const BatchRun& run, int index) {
    const BatchItemResult& item = run.items.at(static_cast<std::size_t>(index));
    enterWordMode(DerivationMode::Interactive);
    txtEtymon->setText(wordInBox(item.etymon));
    setNormalColour(true);
    clearStagesForDerive();
    ctx.session.deriveBatchItem(run, static_cast<std::size_t>(index), messages, *stageView);
    stageView->showExpected(item.expected);
    updateScrollButtons();
    raise(); // in front of the report it came from
    activateWindow();
}

void frmDerive::modelReplaced() {
    resetDerivation();
    stageView->setRuleNameLabels(stageLabels(ctx.session.model()));
}

void frmDerive::showPrompt() {
    txtEtymon->setText(QString::fromLatin1(wordPrompt(screenMode)));
    setNormalColour(false);
}

void frmDerive::setNormalColour(bool normal) {
    QPalette palette = txtEtymon->palette();
    palette.setColor(QPalette::Text,
                     normal ? QApplication::palette().color(QPalette::Text) : promptColour);
    txtEtymon->setPalette(palette);
}

void frmDerive::clearStagesForDerive() {
    for (QPushButton* button : btnScroll)
        button->hide();
    stageArea->verticalScrollBar()->setValue(0);
    lblOffFeats->hide();
    stageView->clearStages();
    stageView->setRuleNameLabels(stageLabels(ctx.session.model())); // rules may have changed
}

void frmDerive::btnDerive_Click() {
    clearStagesForDerive();
    const std::optional<std::string> word = typedWord();
    if (!word || !succeeded(ctx, ctx.session.derive(*word, messages, *stageView)))
        return;
    updateScrollButtons();
}

AlphabetSide frmDerive::side() const {
    return screenMode == DerivationMode::Reflex ? AlphabetSide::Reflex : AlphabetSide::Etymon;
}

std::optional<std::string> frmDerive::typedWord() {
    const QString text = txtEtymon->text();
    // The box lets in only what a model's text can hold; the prompt is no word.
    if (!chkIpa->isChecked() || text.contains(u' '))
        return toModelText(text).value_or(std::string());
    for (;;) {
        const IpaText read = readIpaWord(text.toStdString(), side(), ctx.session.ipaAlphabets());
        if (read.refusal && !offerIpaColumn(ctx, *read.refusal))
            return std::nullopt;
        if (read.refusal)
            continue;
        if (read.keyboard.size() <= static_cast<std::size_t>(maxTypedLength))
            return read.keyboard;
        ctx.dialogs.ok(QString::fromLatin1(maxWordLengthMessage));
        return std::nullopt;
    }
}

QString frmDerive::wordInBox(const std::string& word) const {
    if (!chkIpa->isChecked())
        return fromModelText(word);
    return QString::fromStdString(composeNfc(ctx.session.ipaAlphabet(side()).write(word)));
}

// The box's word is shown the other way: IPA as the alphabet's characters, or back. A word
// that cannot be read so stays as it is; the prompt stays a prompt.
void frmDerive::chkIpa_Toggle(bool ipa) {
    const QString text = txtEtymon->text();
    if (text.isEmpty() || text.contains(u' '))
        return;
    if (ipa) {
        if (const auto word = toModelText(text))
            txtEtymon->setText(wordInBox(*word));
        return;
    }
    const IpaText read = readIpaWord(text.toStdString(), side(), ctx.session.ipaAlphabets());
    if (!read.refusal)
        txtEtymon->setText(fromModelText(read.keyboard));
}

// A word typed in IPA is checked when it is derived: a symbol of several characters cannot
// be checked key by key. Only its length (in symbols) and blanks are refused as it is typed.
bool frmDerive::ipaKeyPress(QKeyEvent* event) {
    const auto code = wordKeyCode(*event);
    const QString text = txtEtymon->text();
    if (text == QLatin1String(etymonPrompt) || text == QLatin1String(reflexPrompt)) {
        txtEtymon->setText(QString());
        setNormalColour(true);
    }
    if (!code || *code == keyBackspace || *code == keyPaste)
        return false;
    if (*code == keyEnter) {
        btnDerive_Click();
        return true;
    }
    QString after = txtEtymon->text();
    if (txtEtymon->hasSelectedText())
        after.remove(txtEtymon->selectionStart(), txtEtymon->selectedText().size());
    after += event->text();
    const auto check =
        checkIpaKey(event->text().toStdString(),
                    ctx.session.ipaSpelling().split(after.toStdString()).size(), screenMode);
    if (!check)
        return false;
    ctx.dialogs.ok(QString::fromStdString(*check));
    return true;
}

void frmDerive::btnClear_Click() {
    for (QPushButton* button : btnScroll)
        button->hide();
    lblOffFeats->hide();
    stageView->clearStages();
    stageArea->verticalScrollBar()->setValue(0);
}

void frmDerive::btnScroll_Click(int index) {
    QScrollBar* bar = stageArea->verticalScrollBar();
    bar->setValue(bar->value() + (index == 0 ? -bar->pageStep() : bar->pageStep()));
}

bool frmDerive::txtEtymon_KeyPress(QKeyEvent* event) {
    if (chkIpa->isChecked())
        return ipaKeyPress(event);
    const auto code = wordKeyCode(*event);
    const std::string text = toModelText(txtEtymon->text()).value_or(std::string());
    const std::size_t selected = static_cast<std::size_t>(txtEtymon->selectedText().size());
    const KeyCheck check =
        checkWordKey(text, code && *code >= 0 ? *code : foreignKey, screenMode,
                     ctx.session.model().lstCol, ctx.session.model().lstColR, selected);
    if (check.removePrompt) {
        txtEtymon->setText(QString()); // not an edit of the box's own: nothing to undo
        setNormalColour(true);
    }
    if (!code) // arrows, Delete, copy: they type nothing
        return false;
    switch (check.action) {
    case KeyCheck::Action::Accept:
        return *code == keyPaste && !pasteFits();
    case KeyCheck::Action::Derive:
        btnDerive_Click();
        return true;
    case KeyCheck::Action::Refuse:
        break;
    }
    if (check.caretToEnd)
        txtEtymon->end(false);
    if (!check.message)
        return true;
    // A character no alphabet can hold has a refusal of its own, unless the word is full.
    const bool foreign = *code < 0 && check.message != maxWordLengthMessage;
    ctx.dialogs.ok(foreign ? foreignRefusal(event->text()) : fromModelText(*check.message));
    return true;
}

void frmDerive::txtEtymon_Change(const QString& text) {
    if (text != QLatin1String(etymonPrompt) && text != QLatin1String(reflexPrompt))
        setNormalColour(true);
    // A pasted text is not checked key by key: characters that no alphabet can hold are
    // dropped (unless the word is IPA), a blank cuts it, and the encoder reports the rest when
    // the word is derived.
    QString kept;
    QString foreign;
    for (const QChar c : text)
        (chkIpa->isChecked() || toModelText(QString(c)) ? kept : foreign) += c;
    if (!foreign.isEmpty())
        ctx.dialogs.ok(foreignRefusal(foreign.left(1)));
    if (const auto cut = checkChangedText(kept.toStdString())) {
        ctx.dialogs.ok(fromModelText(cut->message));
        kept = QString::fromStdString(cut->text);
    }
    if (kept != text) {
        txtEtymon->setText(kept);
        txtEtymon->end(false);
    }
}

// A paste that would make the word longer than a word can hold is refused whole.
bool frmDerive::pasteFits() {
    QString after = txtEtymon->text();
    const int from =
        txtEtymon->hasSelectedText() ? txtEtymon->selectionStart() : txtEtymon->cursorPosition();
    after.replace(from, txtEtymon->selectedText().size(), QApplication::clipboard()->text());
    if (!pasteTooLong(after.toLatin1().toStdString())) // one byte a character, to count them
        return true;
    ctx.dialogs.ok(QString::fromLatin1(maxWordLengthMessage));
    return false;
}

QString frmDerive::foreignRefusal(const QString& character) const {
    return QString::fromStdString(foreignCharacterMessage(character.toStdString(), screenMode));
}

void frmDerive::showOffFeats(const QString& text, QPoint at) {
    lblOffFeats->setText(text);
    lblOffFeats->adjustSize();
    QWidget* body = centralWidget();
    QPoint place = stageView->mapTo(body, at) + QPoint(12, 18);
    place.setX(std::clamp(place.x(), 0, std::max(0, body->width() - lblOffFeats->width())));
    place.setY(std::clamp(place.y(), 0, std::max(0, body->height() - lblOffFeats->height())));
    lblOffFeats->move(place);
    lblOffFeats->raise();
    lblOffFeats->show();
}

void frmDerive::updateScrollButtons() {
    const bool longer = stageView->sizeHint().height() > stageArea->viewport()->height();
    for (QPushButton* button : btnScroll)
        button->setVisible(longer && stageArea->isVisible());
}

void frmDerive::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    if (stageView != nullptr && stageView->stageCount() > 0)
        updateScrollButtons();
}

} // namespace tarnel
