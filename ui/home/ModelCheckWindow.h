// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/ModelCheck.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPlainTextEdit;

namespace tarnel {

// The "Model Check" window: what the check after a load found in the model file, one problem
// a line, beside the screens (not modal), so that the user can work through the list while
// mending the model. The text can be selected and copied, or copied whole with Copy.
class ModelCheckWindow : public QDialog {
    Q_OBJECT
public:
    ModelCheckWindow();

    // Shows the problems of the model `caption` ("Model "x"") and brings the window up.
    void showProblems(const QString& caption, const std::vector<ModelProblem>& problems);

    void btnCopy_Click();

private:
    QLabel* lblHeading = nullptr;
    QPlainTextEdit* txtProblems = nullptr;
};

} // namespace tarnel
