#include "ui/Dialogs.h"
#include "ui/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnel"));
    QApplication::setQuitOnLastWindowClosed(false); // screens are hidden, not closed

    tarnel::MessageBoxDialogs dialogs;
    tarnel::Program program(dialogs, QCoreApplication::applicationDirPath(),
                            [] { QCoreApplication::exit(0); });
    program.start();
    return QApplication::exec();
}
