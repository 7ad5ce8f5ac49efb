// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelDirectory.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/Program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>

namespace {

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Tests models of regular historical sound change."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("model"),
                                 QStringLiteral("A model file to open, wherever it is."),
                                 QStringLiteral("[MODEL.tnl]"));
}

// The help and the version are printed before the toolkit looks for a display, so that they
// work where there is none (over ssh, in a script). Qt's own options are not known yet, so
// the arguments are only looked at here, not parsed.
void answerWithoutWindow(int argc, char* argv[], QCommandLineParser& parser) {
    const auto given = [&](std::initializer_list<const char*> names) {
        for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
            for (const char* name : names)
                if (std::strcmp(argv[i], name) == 0)
                    return true;
        return false;
    };
    const bool version = given({"-v", "--version"});
    const bool help = given({"-h", "-?", "--help"});
    const bool helpAll = given({"--help-all"});
    if (!version && !help && !helpAll)
        return;
    QCoreApplication app(argc, argv);
    if (helpAll)
        parser.process(app); // with Qt's own options; exits
    if (version)
        parser.showVersion();
    parser.showHelp();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Tarnel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARNEL_VERSION));
    QCommandLineParser parser;
    describeOptions(parser);
    answerWithoutWindow(argc, argv, parser);

    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("org.tarnel.Tarnel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.tarnel.Tarnel")));
    QApplication::setQuitOnLastWindowClosed(false); // screens are hidden, not closed
    parser.process(app); // Qt has taken its own options; anything else unknown is refused
    const QStringList models = parser.positionalArguments();
    if (models.size() > 1) {
        std::fputs("tarnel: give one model file to open\n", stderr);
        return 1;
    }

    const QString modelDirectory = tarnel::prepareModelDirectory(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    tarnel::MessageBoxDialogs dialogs;
    tarnel::Program program(dialogs, modelDirectory, [] { QCoreApplication::exit(0); });
    program.start(models.value(0));
    return QApplication::exec();
}
