// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelDirectory.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/Program.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnel"));
    QApplication::setDesktopFileName(QStringLiteral("org.tarnel.Tarnel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.tarnel.Tarnel")));
    QApplication::setQuitOnLastWindowClosed(false); // screens are hidden, not closed

    const QString modelDirectory = tarnel::prepareModelDirectory(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    tarnel::MessageBoxDialogs dialogs;
    tarnel::Program program(dialogs, modelDirectory, [] { QCoreApplication::exit(0); });
    program.start();
    return QApplication::exec();
}
