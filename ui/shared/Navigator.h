// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarnel {

// How a screen goes to another without knowing it: every menu of the shared scheme and every
// hand-off between screens asks the navigator, which leaves the showing screen (it may
// refuse), hides every screen and shows the target where the last one was.
class Navigator {
public:
    virtual ~Navigator() = default;

    virtual void goHome() = 0;
    virtual void editVocabulary() = 0;
    virtual void runInteractive() = 0;
    virtual void runBatch() = 0;
    virtual void runReflex() = 0;
    virtual void editRules() = 0;
    // The rule editor on the rule the session's rule editor holds, titled `title`.
    virtual void editRule(const QString& title) = 0;
    virtual void editEtymonAlphabet() = 0;
    virtual void editReflexAlphabet() = 0;
    virtual void viewOutputAlphabet() = 0;
    // The derivation screen in interactive mode with `etymon` in its word box.
    virtual void deriveEtymon(const QString& etymon) = 0;
    // The quit prompt; true when the program ends.
    virtual bool quit() = 0;
    // The user has agreed to quit: windows close without asking again.
    virtual bool ending() const = 0;
};

} // namespace tarnel
