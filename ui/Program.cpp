#include "Program.h"

#include "Form1.h"
#include "frmDerive.h"
#include "frmEd1Rule.h"
#include "frmInAlph.h"
#include "frmOrder.h"
#include "frmOutAlph.h"
#include "frmReflAlph.h"

namespace tarnel {

QList<Screen*> Screens::all() const {
    return {form1, derive, order, ed1Rule, inAlph, reflAlph, outAlph};
}

Program::Program(Dialogs& dialogs, const QString& modelDirectory, std::function<void()> quit)
    : ctx(dialogs, modelDirectory, std::move(quit)) {
    Screens& s = ctx.screens;
    s.form1 = new Form1(ctx);
    s.outAlph = new frmOutAlph(ctx); // loaded first: it fills the Output Alphabet table
    s.derive = new frmDerive(ctx);
    s.order = new frmOrder(ctx);
    s.ed1Rule = new frmEd1Rule(ctx);
    s.inAlph = new frmInAlph(ctx);
    s.reflAlph = new frmReflAlph(ctx);
}

Program::~Program() {
    const QList<Screen*> screens = ctx.screens.all();
    ctx.screens = {};
    qDeleteAll(screens);
}

void Program::start() {
    ctx.screens.form1->show();
    ctx.screens.form1->startUp();
}

} // namespace tarnel
