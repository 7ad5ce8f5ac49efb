// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/frmEd1Rule.h"

#include "frontend/ModelText.h"
#include "session/Session.h"
#include "ui/rules/RuleTextView.h"
#include "ui/rules/RuleWordsPanel.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/Navigator.h"
#include "ui/shared/Shared.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>

namespace tarnel {

namespace {

constexpr int previewDelayMs = 150; // after the last change, before the preview runs

constexpr int rowHeight = 30;
constexpr int margin = 8;
constexpr int textTab = 1;

// Colours that tell the kinds of element apart at a glance.
QString elementStyle(ElementKind kind) {
    switch (kind) {
    case ElementKind::Comment:
        return QStringLiteral("background:#cfe8fb;");
    case ElementKind::Name:
    case ElementKind::EndName:
        return QStringLiteral("background:#fff3c4;font-weight:bold;");
    case ElementKind::IfLabel:
    case ElementKind::ThenLabel:
    case ElementKind::EndLabel:
        return QStringLiteral("background:#e4e4e4;font-weight:bold;");
    case ElementKind::Keyword:
        return QStringLiteral("background:#f2e2f7;");
    default:
        return QStringLiteral("background:white;");
    }
}

} // namespace

frmEd1Rule::frmEd1Rule(Context& context) : Screen(context) {
    setCaption(QStringLiteral("Edit a Rule"));
    QAction* mnuReturn = menuBar()->addAction(QStringLiteral("&Return"));
    mnuReturn->setObjectName(QStringLiteral("mnuReturn"));
    connect(mnuReturn, &QAction::triggered, this, &frmEd1Rule::mnuReturn_Click);
    addHelpMenu(ruleEditorHelp());

    auto* body = new QWidget(this);
    ruleArea = new QScrollArea(body);
    ruleArea->setObjectName(QStringLiteral("ruleArea"));
    ruleArea->setFrameShape(QFrame::NoFrame);
    ruleArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ruleBody = new QWidget;
    ruleArea->setWidget(ruleBody);
    btnScrollUp = new QPushButton(QStringLiteral("\u25B2"), body);
    btnScrollUp->setObjectName(QStringLiteral("btnScrollUp"));
    btnScrollDown = new QPushButton(QStringLiteral("\u25BC"), body);
    btnScrollDown->setObjectName(QStringLiteral("btnScrollDown"));
    for (QPushButton* button : {btnScrollUp, btnScrollDown}) {
        button->setToolTip(QStringLiteral("Scroll the rule"));
        button->setFixedSize(32, 32);
    }
    QScrollBar* bar = ruleArea->verticalScrollBar();
    connect(btnScrollUp, &QPushButton::clicked, this,
            [bar] { bar->setValue(bar->value() - 5 * rowHeight); });
    connect(btnScrollDown, &QPushButton::clicked, this,
            [bar] { bar->setValue(bar->value() + 5 * rowHeight); });
    auto* scrollColumn = new QVBoxLayout;
    scrollColumn->addWidget(btnScrollUp);
    scrollColumn->addWidget(btnScrollDown);
    scrollColumn->addStretch();
    auto* layout = new QHBoxLayout(body);
    layout->addWidget(ruleArea, 1);
    layout->addLayout(scrollColumn);
    txtView =
        new RuleTextView([this](const std::string& text) { return editor().checkText(text); });
    txtView->setObjectName(QStringLiteral("txtView"));
    tabRule = new QTabWidget;
    tabRule->setObjectName(QStringLiteral("tabRule"));
    tabRule->addTab(body, QStringLiteral("Elements"));
    tabRule->addTab(txtView, QStringLiteral("Text"));
    connect(tabRule, &QTabWidget::currentChanged, this, &frmEd1Rule::tabRule_CurrentChanged);
    previewPanel = new RuleWordsPanel;
    previewTimer = new QTimer(this);
    previewTimer->setSingleShot(true);
    previewTimer->setInterval(previewDelayMs);
    connect(previewTimer, &QTimer::timeout, this, &frmEd1Rule::showPreview);
    connect(txtView->textBox(), &QPlainTextEdit::textChanged, this, &frmEd1Rule::schedulePreview);
    auto* central = new QWidget;
    auto* rows = new QVBoxLayout(central);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(tabRule, 3);
    rows->addWidget(previewPanel, 2);
    setCentralWidget(central);

    txtRuleName = new QLineEdit(ruleBody);
    txtRuleName->setObjectName(QStringLiteral("txtRuleName"));
    txtComment = new QLineEdit(ruleBody);
    txtComment->setObjectName(QStringLiteral("txtComment"));
    for (QLineEdit* box : {txtRuleName, txtComment}) {
        // Every key is checked on its own: a paste or a drop would get round the checks.
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        box->setStyleSheet(QStringLiteral("background:#c8c8c8;"));
        box->installEventFilter(this);
        box->hide();
    }
    createMenus();
    addUndoShortcuts();
}

RuleEditor& frmEd1Rule::editor() {
    return ctx.session.ruleEditor();
}

void frmEd1Rule::editRule(const std::string& name) {
    if (!editor().open(name))
        return;
    ctx.navigator.editRule(modelCaption(ctx) + QStringLiteral(":  Edit Rule \"") +
                           fromModelText(name) + QStringLiteral("\""));
}

// The tab the user worked in last shows the rule; a new rule is named in the name box, or in
// its text.
void frmEd1Rule::enterScreen() {
    hideBoxes();
    schedulePreview();
    buildRuleButtons();
    if (textShowing())
        txtView->setText(fromModelLines(editor().text()));
    else if (editor().isNew() && !editor().changed())
        openNameBox();
}

bool frmEd1Rule::textShowing() const {
    return tabRule->currentIndex() == textTab;
}

void frmEd1Rule::tabRule_CurrentChanged(int index) {
    if (index == textTab) {
        hideBoxes();
        txtView->setText(fromModelLines(editor().text()));
        txtView->textBox()->setFocus();
    } else if (!applyText()) {
        const QSignalBlocker blocker(tabRule);
        tabRule->setCurrentIndex(textTab);
    }
}

bool frmEd1Rule::applyText() {
    const std::optional<std::string> text = txtView->modelText();
    if (!text) {
        ctx.dialogs.ok(txtView->unstorableText());
        return false;
    }
    const Result<> edited = editor().editText(*text);
    refuseOr(edited);
    return edited.ok();
}

// The element edits are undone here, one at a time, while the rule is being edited, a text
// edit as one; Return then stores them in the model as one change. In the Text tab Undo and
// Redo act on the typing.
bool frmEd1Rule::canUndo() const {
    if (textShowing())
        return txtView->textBox()->document()->isUndoAvailable();
    return ctx.session.ruleEditor().canUndo() && !boxOpen();
}

bool frmEd1Rule::canRedo() const {
    if (textShowing())
        return txtView->textBox()->document()->isRedoAvailable();
    return ctx.session.ruleEditor().canRedo() && !boxOpen();
}

QString frmEd1Rule::undoCaption() const {
    if (textShowing())
        return QStringLiteral("Undo");
    return fromModelText(ctx.session.ruleEditor().undoCaption());
}

QString frmEd1Rule::redoCaption() const {
    if (textShowing())
        return QStringLiteral("Redo");
    return fromModelText(ctx.session.ruleEditor().redoCaption());
}

void frmEd1Rule::undo() {
    if (textShowing())
        txtView->textBox()->undo();
    else if (canUndo())
        editor().undo();
}

void frmEd1Rule::redo() {
    if (textShowing())
        txtView->textBox()->redo();
    else if (canRedo())
        editor().redo();
}

void frmEd1Rule::modelEdited() {
    schedulePreview();
    if (!boxOpen())
        buildRuleButtons();
}

bool frmEd1Rule::boxOpen() const {
    return txtRuleName->isVisible() || txtComment->isVisible();
}

void frmEd1Rule::removeRuleButtons() {
    // A button may be removed from inside its own click, so it goes once the event is done.
    for (QPushButton* button : std::as_const(btnRuleElement)) {
        button->hide();
        button->setParent(nullptr);
        button->deleteLater();
    }
    btnRuleElement.clear();
    elements.clear();
}

// One row per line, one button per element, sized to its caption.
void frmEd1Rule::buildRuleButtons() {
    removeRuleButtons();
    elements = editor().elements();
    int x = margin;
    int row = -1;
    int widest = 0;
    for (int i = 0; i < static_cast<int>(elements.size()); ++i) {
        const Element& element = elements[static_cast<std::size_t>(i)];
        if (element.line != row) {
            row = element.line;
            x = margin;
        }
        auto* button = new QPushButton(fromModelText(element.text), ruleBody);
        button->setObjectName(QStringLiteral("btnRuleElement"));
        button->setProperty("element", i);
        button->setStyleSheet(elementStyle(element.kind) +
                              QStringLiteral("border:1px solid #888;padding:2px 6px;"));
        if (element.inAbsoluteLine)
            button->setToolTip(QStringLiteral("Right-click: insert or delete a unit"));
        QFont font = button->font();
        font.setBold(true); // the widest the caption's style can make it
        const int width = QFontMetrics(font).horizontalAdvance(button->text()) + 20;
        button->setGeometry(x, margin + row * rowHeight, width, rowHeight - 4);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, i] { btnRuleElement_Click(i); });
        button->show();
        btnRuleElement.append(button);
        x += width + 4;
        widest = std::max(widest, x);
    }
    const int rows = static_cast<int>(editor().lines().size());
    ruleBody->resize(std::max(widest + margin, ruleArea->viewport()->width()),
                     margin * 2 + rows * rowHeight);
    placeScrollButtons();
}

void frmEd1Rule::placeScrollButtons() {
    const bool tall = ruleBody->height() > ruleArea->viewport()->height();
    btnScrollUp->setVisible(tall);
    btnScrollDown->setVisible(tall);
}

void frmEd1Rule::setRuleButtonsEnabled(bool enabled) {
    for (QPushButton* button : std::as_const(btnRuleElement))
        button->setEnabled(enabled);
}

void frmEd1Rule::refuseOr(const Result<>& result) {
    if (!result)
        ctx.dialogs.ok(fromModelText(result.message()));
}

bool frmEd1Rule::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtRuleName && event->type() == QEvent::KeyPress)
        return txtRuleName_KeyPress(static_cast<QKeyEvent*>(event));
    if (watched == txtComment && event->type() == QEvent::KeyPress)
        return txtComment_KeyPress(static_cast<QKeyEvent*>(event));
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && btnRuleElement.contains(button)) {
        const int index = button->property("element").toInt();
        if (event->type() == QEvent::KeyRelease &&
            btnRuleElement_KeyUp(static_cast<QKeyEvent*>(event)))
            return true;
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton && button->isEnabled()) {
            btnRuleElement_RightClick(index);
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}

// Ctrl-C copies the rule's body into the copy buffer; Ctrl-V puts the buffer in its place.
bool frmEd1Rule::btnRuleElement_KeyUp(QKeyEvent* event) {
    if (event->modifiers() != Qt::ControlModifier)
        return false;
    if (event->key() == Qt::Key_C) {
        editor().copyBody();
        return true;
    }
    return event->key() == Qt::Key_V && editor().pasteBody();
}

// Leaving settles the rule's changes first (leaveScreen); the order screen then highlights a
// renamed rule.
void frmEd1Rule::mnuReturn_Click() {
    ctx.navigator.editRules();
}

// However the editor is left (Return, the window's close button, the quit), an edit not yet
// stored is kept or dropped as the user says; false when the user stays.
bool frmEd1Rule::settleChanges() {
    if (textShowing() && !applyText())
        return false;
    if (!editor().changed())
        return true;
    const Answer answer = ctx.dialogs.yesNoCancel(QStringLiteral("Keep the changes?"));
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::Yes) {
        if (const auto problems = editor().keepProblems(); !problems.empty()) {
            showProblems(ctx.dialogs, keepProblemsHeadline, problems);
            return false;
        }
        const Result<std::string> kept = editor().keep();
        if (!kept) {
            ctx.dialogs.ok(fromModelText(kept.message()));
            return false;
        }
        if (!kept->empty())
            ctx.dialogs.ok(fromModelText(*kept));
    } else {
        removeRuleButtons();
        editor().close();
    }
    return true;
}

bool frmEd1Rule::leaveScreen() {
    if (!settleChanges())
        return false;
    hideBoxes();
    hideHelp();
    return true;
}

// The quit was called off after the rule's changes were settled, as Return settles them: the
// user goes on where Return leads.
void frmEd1Rule::resumeScreen() {
    ctx.navigator.editRules();
}

} // namespace tarnel
