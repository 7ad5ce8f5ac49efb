#pragma once

#include "model/Model.h"

#include <QList>
#include <QString>
#include <functional>

namespace tarnel {

class Dialogs;
class Screen;
class Form1;
class frmDerive;
class frmOrder;
class frmEd1Rule;
class frmInAlph;
class frmReflAlph;
class frmOutAlph;

// The seven screens, created once at start-up by Program and alive for the whole run.
struct Screens {
    Form1* form1 = nullptr;
    frmDerive* derive = nullptr;
    frmOrder* order = nullptr;
    frmEd1Rule* ed1Rule = nullptr;
    frmInAlph* inAlph = nullptr;
    frmReflAlph* reflAlph = nullptr;
    frmOutAlph* outAlph = nullptr;

    QList<Screen*> all() const;
};

// What every screen shares: the one model in memory, the message boxes, the model directory
// and the other screens. Each screen gets a reference to it in its constructor; a screen
// keeps no copy of model data (its widgets are views refreshed from `model`).
struct Context {
    Context(Dialogs& dialogs, QString modelDirectory, std::function<void()> quit)
        : dialogs(dialogs), modelDirectory(std::move(modelDirectory)), quit(std::move(quit)) {}

    Model model;
    Dialogs& dialogs;
    QString modelDirectory; // where the *.tnl files live
    Screens screens;
    std::function<void()> quit; // ends the program
    bool quitting = false;      // set once the user has agreed to quit
};

} // namespace tarnel
