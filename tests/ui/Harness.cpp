// SPDX-License-Identifier: GPL-3.0-or-later
#include "Harness.h"

#include "model/ModelFile.h"
#include "ui/home/Form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <algorithm>

namespace tarnel {

Harness::Harness() : program(dialogs, dir.path(), [this] { ++quits; }) {
    program.start();
}

void Harness::load(const Model& model, const QString& name) {
    writeModel(name, model);
    home().chooseModel(name);
}

void Harness::touchModel(const QString& name) {
    QFile file(QDir(dir.path()).filePath(name + u".tnl"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void Harness::writeModel(const QString& name, const Model& model) {
    QVERIFY(writeModelFile(model, QFile::encodeName(dir.filePath(name + u".tnl"_s)).toStdString()));
}

bool Harness::modelExists(const QString& name) const {
    return QFile::exists(QDir(dir.path()).filePath(name + u".tnl"_s));
}

QByteArray Harness::fileBytes(const QString& name) const {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Harness::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                : QString();
}

QList<Screen*> Harness::showing() {
    QList<Screen*> visible;
    for (Screen* screen : program.screens().all())
        if (screen->isVisible())
            visible.append(screen);
    return visible;
}

void clickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

QStringList rows(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

int highlighted(const QListWidget* list) {
    const auto items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.front());
}

QList<QPushButton*> ruleButtons(frmEd1Rule& editor) {
    QList<QPushButton*> list = editor.findChildren<QPushButton*>(u"btnRuleElement"_s);
    std::sort(list.begin(), list.end(), [](QPushButton* a, QPushButton* b) {
        return a->property("element").toInt() < b->property("element").toInt();
    });
    return list;
}

QPushButton* ruleButton(frmEd1Rule& editor, const QString& caption, int n) {
    for (QPushButton* b : ruleButtons(editor))
        if (b->text() == caption && n-- == 0)
            return b;
    return nullptr;
}

QStringList labelTexts(QWidget& screen, const char* name) {
    QStringList texts;
    for (const QLabel* label : screen.findChildren<QLabel*>(QString::fromLatin1(name)))
        texts.append(label->text());
    return texts;
}

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const int key = c == u'\n' ? Qt::Key_Return : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, c == u'\n' ? QString(u'\r') : c);
        QApplication::sendEvent(widget, &press);
    }
}

} // namespace tarnel
