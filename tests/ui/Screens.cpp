// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every screen of the desktop program, on a model file, into PNG files for a person to
// look at; it checks nothing. scripts/screens runs it on the offscreen platform:
//   ui_screens FOLDER MODEL.tnl
#include "frontend/ModelText.h"
#include "ui/derivation/frmDerive.h"
#include "ui/home/Form1.h"
#include "ui/rules/frmEd1Rule.h"
#include "ui/shared/Program.h"
#include "ui/shared/ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <utility>

using namespace tarnel;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: ui_screens FOLDER MODEL.tnl\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir models;
    ScriptedDialogs dialogs; // every question answered Cancel or No
    Program program(dialogs, models.path(), [] {});
    program.screens().form1->resize(1280, 860);
    const QString modelFile = QString::fromLocal8Bit(argv[2]);

    const std::pair<const char*, std::function<void()>> screens[] = {
        {"home", [&] { program.start(); }}, // with the About text, before a model is open
        {"vocabulary",
         [&] {
             program.start(modelFile);
             program.editVocabulary();
         }},
        {"derivation",
         [&] {
             program.deriveEtymon(fromModelText(program.context().session.itemEtymon(0)));
             program.screens().derive->btnDerive_Click();
         }},
        {"reflex", [&] { program.runReflex(); }},
        {"batch", [&] { program.runBatch(); }},
        {"rule-order", [&] { program.editRules(); }},
        {"rule-editor",
         [&] {
             const std::vector<std::string>& rules = program.context().session.model().lstSupply;
             if (!rules.empty())
                 program.screens().ed1Rule->editRule(rules.front());
         }},
        {"etymon-alphabet", [&] { program.editEtymonAlphabet(); }},
        {"reflex-alphabet", [&] { program.editReflexAlphabet(); }},
        {"output-alphabet", [&] { program.viewOutputAlphabet(); }},
    };
    int failures = 0;
    for (const auto& [name, show] : screens) {
        show();
        QApplication::processEvents();
        const QString file = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
        if (!program.showingScreen()->grab().save(file)) {
            std::fprintf(stderr, "ui_screens: %s could not be written\n", qPrintable(file));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
