#pragma once

#include "ui/Program.h"
#include "ui/ScriptedDialogs.h"

#include <QTemporaryDir>
#include <QWidget>

namespace tarnel {

class Form1;

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

// A model with default alphabets and the given Vocabulary.
Model sampleModel(std::vector<std::string> vocab = {});

} // namespace tarnel
