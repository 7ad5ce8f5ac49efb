#include "Harness.h"

#include "core/Alphabet.h"
#include "model/ModelFile.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTest>

namespace tarnel {

Harness::Harness() : program(dialogs, dir.path(), [this] { ++quits; }) {
    program.start();
}

void Harness::touchModel(const QString& name) {
    QFile file(QDir(dir.path()).filePath(name + QStringLiteral(".tnl")));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void Harness::writeModel(const QString& name, const Model& model) {
    const QString path = QDir(dir.path()).filePath(name + QStringLiteral(".tnl"));
    QCOMPARE(writeModelFile(model, QFile::encodeName(path).toStdString()), std::string());
}

bool Harness::modelExists(const QString& name) const {
    return QFile::exists(QDir(dir.path()).filePath(name + QStringLiteral(".tnl")));
}

QList<Screen*> Harness::showing() {
    QList<Screen*> visible;
    for (Screen* screen : program.screens().all()) {
        if (screen->isVisible()) {
            visible.append(screen);
        }
    }
    return visible;
}

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const int key = c == u'\n' ? Qt::Key_Return : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, c == u'\n' ? QString(u'\r') : c);
        QApplication::sendEvent(widget, &press);
    }
}

Model sampleModel(std::vector<std::string> vocab) {
    Model model;
    createAlphabets(model.lstCol, model.lstColR);
    model.lstVocab = std::move(vocab);
    return model;
}

} // namespace tarnel
