// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/home/Form1.h"

#include "frontend/ModelText.h"
#include "session/Session.h"
#include "ui/home/Form1Help.h"
#include "ui/home/ModelCheckWindow.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/ModelTextEdits.h"
#include "ui/shared/Shared.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnel {

Form1::Form1(Context& context) : Screen(context), about(buildAboutText()) {
    setCaption(QStringLiteral("Tarnel"));
    buildMenus();
    buildBody();
}

Form1::~Form1() = default;

void Form1::buildMenus() {
    mnuModelChoice = menuBar()->addMenu(QStringLiteral("&Model"));
    mnuModelChoice->setObjectName(QStringLiteral("mnuModelChoice"));
    mnuModelChoice->addAction(QStringLiteral("New"), this, &Form1::mnuNew_Click);
    mnuModelChoice->addAction(QStringLiteral("Open..."), QKeySequence::Open, this,
                              &Form1::mnuOpen_Click);
    mnuSave = mnuModelChoice->addAction(QStringLiteral("Save"), this, &Form1::mnuSave_Click);
    mnuSaveAs =
        mnuModelChoice->addAction(QStringLiteral("Save As..."), this, &Form1::mnuSaveAs_Click);
    mnuModelChoice->addSeparator();
    mnuModelChoice->addAction(QStringLiteral("Delete a Model"), this, &Form1::mnuDelete_Click);
    mnuSave->setEnabled(false);
    mnuSaveAs->setEnabled(false);

    addRunMenu();
    addEditMenu();
    addHelpMenu(homeHelpTopics(about));
    addExitMenu();

    mnuVocabEdit = new QMenu(QStringLiteral("Vocabulary"), this);
    mnuVocabEdit->setObjectName(QStringLiteral("mnuVocabEdit"));
    mnuVocabEdit->addAction(QStringLiteral("Add Item:  Etymon and  Reflex"), this,
                            &Form1::mnuAddItem_Click);
    mnuVocabEdit->addAction(QStringLiteral("Delete Item"), this, &Form1::mnuDeleteItem_Click);
    mnuVocabEdit->addAction(QStringLiteral("Edit Item"), this, &Form1::mnuEditItem_Click);
    mnuVocabEdit->addAction(QStringLiteral("Edit All"), this, &Form1::mnuEditAll_Click);
    mnuVocabEdit->addSeparator();
    mnuVocabEdit->addAction(QStringLiteral("Copy Etymon to Derive"), this,
                            &Form1::mnuCopyEtymon_Click);
    mnuVocabEdit->addSeparator();
    mnuVocabEdit->addAction(QStringLiteral("Import Vocabulary..."), this,
                            &Form1::mnuImportVocabulary_Click);
    mnuVocabEdit->addAction(QStringLiteral("Export Vocabulary..."), this,
                            &Form1::mnuExportVocabulary_Click);
}

void Form1::buildBody() {
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(buildNamePanel());
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildNotesPanel(), 3);
    columns->addWidget(buildVocabPanel(), 2);
    layout->addLayout(columns, 1);
    setCentralWidget(body);
}

QWidget* Form1::buildNamePanel() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    txtModelName = new QLineEdit;
    txtModelName->setObjectName(QStringLiteral("txtModelName"));
    txtModelName->setPlaceholderText(QStringLiteral("Type new model name here"));
    txtModelName->setMaximumWidth(320);
    txtModelName->setToolTip(QStringLiteral("A model name has 3 to 20 characters: letters, "
                                            "digits and \"_\" (a blank is typed as \"_\")."));
    // Pasting goes through the name rules; a drop would get round them.
    txtModelName->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtModelName, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        menuWithOwnPaste(txtModelName, [this] {
            pasteModelName();
        })->popup(txtModelName->mapToGlobal(at));
    });
    txtModelName->setAcceptDrops(false);
    connect(txtModelName, &QLineEdit::textChanged, this, &Form1::txtModelName_Change);
    txtModelName->installEventFilter(this);
    txtModelName->hide();
    lblDelete = new QLabel(QStringLiteral(" Click on the model to delete "));
    lblDelete->setObjectName(QStringLiteral("lblDelete"));
    lblDelete->hide();
    File1 = new QListWidget;
    File1->setObjectName(QStringLiteral("File1"));
    File1->setMaximumWidth(320);
    File1->hide();
    connect(File1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { File1_Click(item->text()); });
    layout->addWidget(txtModelName);
    layout->addWidget(lblDelete);
    layout->addWidget(File1);
    return panel;
}

QWidget* Form1::buildNotesPanel() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    lblNotes = new QLabel(QStringLiteral("Notes"));
    lblNotes->setObjectName(QStringLiteral("lblNotes"));
    txtNotes = new ModelPlainTextEdit;
    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    txtNotes->refuse = [this](const QString& character) { refuseCharacter(character); };
    txtNotes->setUndoRedoEnabled(false); // the notes are undone with the model (Edit > Undo)
    txtNotes->installEventFilter(this);
    connect(txtNotes, &QPlainTextEdit::textChanged, this, &Form1::txtNotes_Change);
    layout->addWidget(lblNotes);
    layout->addWidget(txtNotes, 1);
    lblNotes->hide();
    txtNotes->hide();
    return panel;
}

void Form1::startUp() {
    buildModelMenu();
    showHelp(about);
}

void Form1::showVocabulary() {
    refreshVocab();
    lblVocab->show();
    chkVocabIpa->show();
    lstVocab->show();
    setCaption(modelCaption(ctx) + QStringLiteral(":  Edit Vocabulary"));
}

// Every key typed sets the unsaved-changes flag; the text itself is copied into the model
// on every change (txtNotes_Change), so nothing typed is lost.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == txtModelName) {
            return txtModelName_KeyPress(key);
        }
        if (watched == txtNotes && !key->text().isEmpty() && !firstUnstorable(key->text())) {
            ctx.session.markNotesTyped();
        }
        if (watched == txtVocab && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            txtVocab_Enter();
            return true;
        }
        if (watched == txtVocab && key->key() == Qt::Key_Escape) {
            closeItemBox();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Keeps the model's notes equal to the box, which lets in only what a model file can hold.
void Form1::txtNotes_Change() {
    const std::optional<std::string> notes = toModelLines(txtNotes->toPlainText());
    if (notes && *notes != ctx.session.model().notes) {
        ctx.session.setNotes(*notes);
    }
}

void Form1::refuseCharacter(const QString& character) {
    ctx.dialogs.ok(unstorableMessage(character));
}

} // namespace tarnel
