// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Features.h"
#include "session/Session.h"
#include "ui/rules/frmEd1Rule.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"

#include <QMenu>
#include <QPushButton>

namespace tarnel {

namespace {

QString quoted(const char* caption) {
    return QLatin1Char('"') + QLatin1String(caption) + QLatin1Char('"');
}

QMenu* newMenu(QWidget* parent, const char* title, const char* objectName) {
    auto* menu = new QMenu(QLatin1String(title), parent);
    menu->setObjectName(QLatin1String(objectName));
    return menu;
}

} // namespace

void frmEd1Rule::createMenus() {
    mnuIfLine = createIfLineMenu();
    mnuThenLine = createThenLineMenu();
    mnuUnit = createUnitMenu();
    mnuFeature = createFeatureMenu();
    mnuInsertee = createInserteeMenu();
    mnuLocation = createLocationMenu();
}

std::function<void()> frmEd1Rule::lineTypeAction(LineTemplate type) {
    return [this, type] {
        editor().setLineType(elements.at(static_cast<std::size_t>(clicked)).line, type);
    };
}

QMenu* frmEd1Rule::createIfLineMenu() {
    QMenu* menu = newMenu(this, "Editing If-Line", "mnuIfLine");
    menu->addAction(QStringLiteral("Absolute:  +cons (*)"), this,
                    lineTypeAction(LineTemplate::Absolute));
    menu->addAction(QStringLiteral("Relative:  cons (*) = cons (*+1)"), this,
                    lineTypeAction(LineTemplate::Relative));
    menu->addAction(quoted("COUNT..."), this, lineTypeAction(LineTemplate::Count));
    menu->addSeparator();
    menu->addAction(QStringLiteral("Branching: X: Y and Z"), this,
                    [this] { refuseOr(editor().makeBranching(elements.at(clicked).line)); });
    menu->addAction(QStringLiteral("Delete This Line"), this,
                    [this] { refuseOr(editor().deleteLine(elements.at(clicked).line)); });
    return menu;
}

QMenu* frmEd1Rule::createThenLineMenu() {
    QMenu* menu = newMenu(this, "Editing Then-Line", "mnuThenLine");
    menu->addAction(QStringLiteral("Absolute:  +cons (*)"), this,
                    lineTypeAction(LineTemplate::Absolute));
    menu->addAction(QStringLiteral("Relative:  cons (*) = cons (*+1)"), this,
                    lineTypeAction(LineTemplate::Relative));
    menu->addAction(quoted("INSERT..."), this, lineTypeAction(LineTemplate::Insert));
    menu->addAction(quoted("SWAP..."), this, lineTypeAction(LineTemplate::Swap));
    menu->addAction(quoted("DELETE..."), this, lineTypeAction(LineTemplate::Delete));
    menu->addSeparator();
    menu->addAction(QStringLiteral("Insert New Then-Line Above"), this,
                    [this] { refuseOr(editor().insertThenLineAbove(elements.at(clicked).line)); });
    menu->addAction(QStringLiteral("Delete This Line"), this,
                    [this] { refuseOr(editor().deleteLine(elements.at(clicked).line)); });
    return menu;
}

QMenu* frmEd1Rule::createUnitMenu() {
    QMenu* menu = newMenu(this, "Absolute Unit", "mnuUnit");
    menu->addAction(QStringLiteral("Insert Unit:  +cons (*)"), this,
                    [this] { refuseOr(editor().insertUnit(elements.at(clicked).line)); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("Delete This Unit"), this, [this] {
        const Element& e = elements.at(clicked);
        refuseOr(editor().deleteUnit(e.line, e.token));
    });
    return menu;
}

QMenu* frmEd1Rule::createFeatureMenu() {
    QMenu* menu = newMenu(this, "Change Feature", "mnuFeature");
    for (int index = 0; index < slotCount; ++index) {
        const std::string name(*featureName(index));
        menu->addAction(QString::fromStdString(name), this, [this, name] {
            const Element& e = elements.at(clicked);
            editor().changeFeature(e.line, e.token, name);
        });
    }
    QAction* toggle = menu->addAction(QStringLiteral("Toggle Sign +/-"), this, [this] {
        const Element& e = elements.at(clicked);
        editor().toggleSign(e.line, e.token);
    });
    toggle->setObjectName(QStringLiteral("mnuFeatureToggle"));
    return menu;
}

QMenu* frmEd1Rule::createInserteeMenu() {
    QMenu* menu = newMenu(this, "Insertee", "mnuInsertee");
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const std::string text(1, letter);
        menu->addAction(QString::fromStdString(text), this, [this, text] {
            const Element& e = elements.at(clicked);
            editor().setToken(e.line, e.token, text);
        });
    }
    return menu;
}

// Relative and absolute positions; their mirror images come from "Toggle Sign +/-".
QMenu* frmEd1Rule::createLocationMenu() {
    QMenu* menu = newMenu(this, "Location Type", "mnuLocation");
    const auto addGroup = [this, menu](const char* caption,
                                       std::initializer_list<const char*> items) {
        QMenu* group = menu->addMenu(QLatin1String(caption));
        for (const char* item : items) {
            const std::string text(item);
            group->addAction(QLatin1String(item), this, [this, text] {
                const Element& e = elements.at(clicked);
                editor().setToken(e.line, e.token, text);
            });
        }
    };
    addGroup("(*), (*+1),...", {"(*)", "(*+1)", "(*+2)", "(*+3)"});
    addGroup("(1), (2),...", {"(1)", "(2)", "(3)"});
    menu->addSeparator();
    menu->addAction(QStringLiteral("Toggle Sign +/-"), this, [this] {
        const Element& e = elements.at(clicked);
        editor().toggleSign(e.line, e.token);
    });
    return menu;
}

void frmEd1Rule::showMenu(QMenu* menu, int index) {
    clicked = index;
    shownMenu = menu;
    const QPushButton* button = btnRuleElement.at(index);
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void frmEd1Rule::btnRuleElement_Click(int index) {
    hideHelp();
    const Element& e = elements.at(static_cast<std::size_t>(index));
    switch (e.kind) {
    case ElementKind::Name:
        openNameBox();
        break;
    case ElementKind::Comment:
        openCommentBox(e.line);
        break;
    case ElementKind::IfLabel:
        showMenu(mnuIfLine, index);
        break;
    case ElementKind::ThenLabel:
    case ElementKind::EndLabel: {
        const bool onEnd = e.kind == ElementKind::EndLabel;
        for (QAction* action : mnuThenLine->actions())
            action->setEnabled(!onEnd ||
                               action->text() == QStringLiteral("Insert New Then-Line Above"));
        showMenu(mnuThenLine, index);
        break;
    }
    case ElementKind::Feature:
        mnuFeature->findChild<QAction*>(QStringLiteral("mnuFeatureToggle"))
            ->setEnabled(e.text[0] == '+' || e.text[0] == '-');
        showMenu(mnuFeature, index);
        break;
    case ElementKind::Insertee:
        showMenu(mnuInsertee, index);
        break;
    case ElementKind::Location:
        showMenu(mnuLocation, index);
        break;
    case ElementKind::Connective:
    case ElementKind::Operator:
    case ElementKind::Count:
        editor().rotateElement(e.line, e.token);
        break;
    default:
        break;
    }
}

// A right-click on a unit of an Absolute line opens the unit menu.
void frmEd1Rule::btnRuleElement_RightClick(int index) {
    if (elements.at(static_cast<std::size_t>(index)).inAbsoluteLine)
        showMenu(mnuUnit, index);
}

} // namespace tarnel
