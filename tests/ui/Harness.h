// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/ModelBuilder.h"
#include "ui/alphabets/frmInAlph.h"
#include "ui/alphabets/frmOutAlph.h"
#include "ui/alphabets/frmReflAlph.h"
#include "ui/derivation/frmDerive.h"
#include "ui/home/Form1.h"
#include "ui/rules/frmEd1Rule.h"
#include "ui/rules/frmOrder.h"
#include "ui/shared/Program.h"
#include "ui/shared/ScriptedDialogs.h"

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

namespace tarnel {

using test::Lines;
using test::ModelBuilder;
using namespace Qt::StringLiterals;

// A whole program over an empty temporary model directory, with scripted message boxes.
struct Harness {
    Harness();

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    int quits = 0;
    Program program;

    Context& ctx() { return program.context(); }
    Form1& home() { return *program.screens().form1; }

    // Writes `model` as `name`.tnl and chooses it from the Model menu.
    void load(const Model& model, const QString& name = QStringLiteral("test"));
    const Model& model() { return ctx().session.model(); }

    // An empty file `name`.tnl in the model directory.
    void touchModel(const QString& name);
    // A model file `name`.tnl holding `model`.
    void writeModel(const QString& name, const Model& model);
    bool modelExists(const QString& name) const;
    // The bytes of the file `name` of the model directory, or none.
    QByteArray fileBytes(const QString& name) const;
    // Writes `bytes` into the file `name` of the model directory; its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;

    // The screens that are showing.
    QList<Screen*> showing();

    template <class T> T* find(QWidget& screen, const char* name) {
        return screen.findChild<T*>(QString::fromLatin1(name));
    }
};

// A mouse click on row `row` of `list`.
void clickRow(QListWidget* list, int row);
// The texts of the rows of `list`.
QStringList rows(const QListWidget* list);
// The highlighted row of `list`, or -1.
int highlighted(const QListWidget* list);
// The element buttons of the rule editor, in the order of the rule text.
QList<QPushButton*> ruleButtons(frmEd1Rule& editor);
// The n-th (from 0) element button captioned `caption`, or null.
QPushButton* ruleButton(frmEd1Rule& editor, const QString& caption, int n = 0);
// The texts of the labels named `name` on `screen`, in the order they were made.
QStringList labelTexts(QWidget& screen, const char* name);
// Types `text` into `widget` key by key, any Unicode character included.
void typeText(QWidget* widget, const QString& text);

} // namespace tarnel
