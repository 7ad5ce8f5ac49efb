// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/home/ModelCheckWindow.h"

#include "frontend/ModelText.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnel {

ModelCheckWindow::ModelCheckWindow() {
    setWindowTitle(QStringLiteral("Model Check"));
    resize(760, 360);
    lblHeading = new QLabel;
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setWordWrap(true);
    txtProblems = new QPlainTextEdit;
    txtProblems->setObjectName(QStringLiteral("txtProblems"));
    txtProblems->setReadOnly(true);
    txtProblems->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* copy = buttons->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("btnCopy"));
    connect(copy, &QPushButton::clicked, this, &ModelCheckWindow::btnCopy_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addWidget(txtProblems, 1);
    layout->addWidget(buttons);
}

void ModelCheckWindow::showProblems(const QString& caption,
                                    const std::vector<ModelProblem>& problems) {
    const auto count = static_cast<qsizetype>(problems.size());
    lblHeading->setText(
        caption +
        (count == 1 ? QStringLiteral(": its file holds 1 problem.")
                    : QStringLiteral(": its file holds %1 problems.").arg(count)) +
        QStringLiteral(" The model is loaded as the file stands; each line says what is wrong "
                       "and what Tarnel does with it."));
    QStringList lines;
    for (const ModelProblem& problem : problems)
        lines << fromModelText(problem.text);
    txtProblems->setPlainText(lines.join(u'\n'));
    show();
    raise();
}

void ModelCheckWindow::btnCopy_Click() {
    QGuiApplication::clipboard()->setText(txtProblems->toPlainText() + u'\n');
}

} // namespace tarnel
