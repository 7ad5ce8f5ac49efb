#pragma once

#include "Context.h"

#include <memory>

namespace tarnel {

// The whole desktop program: the shared context and the seven screens, created once.
// The program's main() and the tests both make one of these.
class Program {
public:
    Program(Dialogs& dialogs, const QString& modelDirectory, std::function<void()> quit);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the home screen with the About text and the model menu.
    void start();

    Context& context() { return ctx; }
    Screens& screens() { return ctx.screens; }

private:
    Context ctx;
};

} // namespace tarnel
