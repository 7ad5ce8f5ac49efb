#pragma once

#include "ui/Form1.h"
#include "ui/Program.h"
#include "ui/ScriptedDialogs.h"
#include "ui/frmDerive.h"
#include "ui/frmEd1Rule.h"
#include "ui/frmInAlph.h"
#include "ui/frmOrder.h"
#include "ui/frmOutAlph.h"
#include "ui/frmReflAlph.h"

#include <QTemporaryDir>
#include <QWidget>

namespace tarnel {

// A whole program over an empty temporary model directory, with scripted message boxes.
struct Harness {
    Harness();

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    int quits = 0;
    Program program;

    Context& ctx() { return program.context(); }
    Form1& home() { return *program.screens().form1; }

    // An empty file `name`.tnl in the model directory.
    void touchModel(const QString& name);
    // A model file `name`.tnl holding `model`.
    void writeModel(const QString& name, const Model& model);
    bool modelExists(const QString& name) const;

    // The screens that are showing.
    QList<Screen*> showing();

    template <class T> T* find(QWidget& screen, const char* name) {
        return screen.findChild<T*>(QString::fromLatin1(name));
    }
};

// Types `text` into `widget` key by key, any Unicode character included.
void typeText(QWidget* widget, const QString& text);

// A model with default alphabets and the given Vocabulary.
Model sampleModel(std::vector<std::string> vocab = {});

} // namespace tarnel
