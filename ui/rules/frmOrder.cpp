// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/frmOrder.h"

#include "frontend/ModelText.h"
#include "session/Session.h"
#include "ui/rules/MarkColumn.h"
#include "ui/rules/RuleWordsPanel.h"
#include "ui/rules/RulesFromTextDialog.h"
#include "ui/rules/frmOrderHelp.h"
#include "ui/shared/Context.h"
#include "ui/shared/FilterBox.h"
#include "ui/shared/Shared.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace tarnel {

namespace {

constexpr int columnStepMs = 200; // Timer1: keeps the M and P columns level with the order
constexpr int markColumnWidth = 28;

const char* const orderNames[] = {"Etymon Order", "Diachronic Order", "Reflex Order"};

QLabel* makeLabel(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* makeButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// Rows scroll one at a time, so a scroll bar's value is the top visible row.
template <class List = QListWidget> List* makeList(const char* name) {
    auto* list = new List;
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    return list;
}

MarkColumn* makeMarkColumn(const char* name) {
    auto* list = makeList<MarkColumn>(name);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFixedWidth(markColumnWidth);
    return list;
}

int toIndex(OrderList order) {
    return static_cast<int>(order);
}

} // namespace

frmOrder::frmOrder(Context& context) : Screen(context) {
    setCaption(QStringLiteral("Edit Rule Order"));
    addStandardMenus(ruleOrderHelpTopics());

    auto* lists = new QWidget;
    auto* columns = new QHBoxLayout(lists);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(28);
    columns->addWidget(buildSupplyColumn(), 3);
    columns->addWidget(buildControlColumn(), 2);
    columns->addWidget(buildOrderColumn(), 4);
    ruleWords = new RuleWordsPanel;
    auto* body = new QWidget;
    auto* rows = new QVBoxLayout(body);
    rows->setContentsMargins(24, 16, 24, 16);
    rows->addWidget(lists, 3);
    rows->addWidget(ruleWords, 2);
    setCentralWidget(body);
    body->setMouseTracking(true);
    body->installEventFilter(this);

    connectSelections();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &frmOrder::keepColumnsInStep);
    Timer1->start(columnStepMs);
    optOrder_Click(OrderList::Diachronic);
}

QWidget* frmOrder::buildSupplyColumn() {
    btnNewRule = makeButton(QStringLiteral("Create New Rule"), "btnNewRule");
    btnNewRule->setStyleSheet(QStringLiteral("background-color: #9be39b;"));
    btnDelFromSupply = makeButton(QStringLiteral("Delete from Supply"), "btnDelFromSupply");
    btnDelFromSupply->setStyleSheet(QStringLiteral("background-color: #ffc0cb;"));
    lstSupply = makeList("lstSupply");
    auto* btnNewRuleFromText =
        makeButton(QStringLiteral("New Rule from Text\u2026"), "btnNewRuleFromText");
    connect(btnNewRule, &QPushButton::clicked, this, &frmOrder::btnNewRule_Click);
    connect(btnNewRuleFromText, &QPushButton::clicked, this, &frmOrder::btnNewRuleFromText_Click);
    connect(btnDelFromSupply, &QPushButton::clicked, this, &frmOrder::btnDelFromSupply_Click);
    connect(lstSupply, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { lstSupply_DblClick(lstSupply->row(item)); });

    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(btnNewRule);
    layout->addWidget(btnNewRuleFromText);
    layout->addWidget(btnDelFromSupply);
    layout->addSpacing(12);
    layout->addWidget(makeLabel(QStringLiteral("Supply"), "lblSupply"));
    supplyFilter = new FilterBox("fltSupply", lstSupply);
    layout->addWidget(supplyFilter);
    layout->addWidget(lstSupply, 1);
    layout->addWidget(
        makeLabel(QStringLiteral("To edit a rule, double-click it."), "lblDoubleClick"));
    return column;
}

QWidget* frmOrder::buildControlColumn() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeLabel(QStringLiteral("Choose Order List:"), "lblChooseOrd"));
    const QString captions[] = {QStringLiteral("Etymon"), QStringLiteral("Diachronic"),
                                QStringLiteral("Reflex")};
    const QString tips[] = {
        QStringLiteral("Rules to interpret spelling of input etymons"),
        QStringLiteral("Rules of historical sound change"),
        QStringLiteral("Rules to interpret spelling of input reflexes in batch testing")};
    for (int i = 0; i < 3; ++i) {
        optOrder[i] = new QRadioButton(captions[i]);
        optOrder[i]->setObjectName(QStringLiteral("optOrder%1").arg(i));
        optOrder[i]->setToolTip(tips[i]);
        connect(optOrder[i], &QRadioButton::clicked, this,
                [this, i] { optOrder_Click(static_cast<OrderList>(i)); });
        layout->addWidget(optOrder[i]);
    }
    layout->addStretch(1);

    auto* insAbove = makeButton(QStringLiteral("> Insert Above >"), "btnInsAbove");
    auto* insBelow = makeButton(QStringLiteral("> Insert Below >"), "btnInsBelow");
    connect(insAbove, &QPushButton::clicked, this, &frmOrder::btnInsAbove_Click);
    connect(insBelow, &QPushButton::clicked, this, &frmOrder::btnInsBelow_Click);
    layout->addWidget(insAbove);
    layout->addWidget(insBelow);
    layout->addStretch(1);

    layout->addWidget(makeLabel(QStringLiteral("Move Name in List"), "lblNameUpDown"));
    auto* up = makeButton(QStringLiteral("▲"), "btnUp");
    auto* down = makeButton(QStringLiteral("▼"), "btnDown");
    connect(up, &QPushButton::clicked, this, &frmOrder::btnUp_Click);
    connect(down, &QPushButton::clicked, this, &frmOrder::btnDown_Click);
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(up);
    arrows->addWidget(down);
    layout->addLayout(arrows);
    layout->addStretch(1);

    auto* delFromOrder = makeButton(QStringLiteral("Delete from Order"), "btnDelFromOrder");
    connect(delFromOrder, &QPushButton::clicked, this, &frmOrder::btnDelFromOrder_Click);
    layout->addWidget(delFromOrder);
    btnWhere = makeButton(QStringLiteral("Where could it go?"), "btnWhere");
    btnWhere->setToolTip(QStringLiteral("For the Diachronic entry clicked: how many more items "
                                        "would be Good at each place of the order"));
    connect(btnWhere, &QPushButton::clicked, this, &frmOrder::btnWhere_Click);
    layout->addWidget(btnWhere);
    return column;
}

QWidget* frmOrder::buildOrderColumn() {
    lblOrder = makeLabel(QString(), "lblOrder");
    lblM = makeLabel(QStringLiteral("M"), "lblM");
    lblM->setToolTip(QStringLiteral("M = Masked (rule disabled)"));
    lblP = makeLabel(QStringLiteral("P"), "lblP");
    lblP->setToolTip(QStringLiteral("P = Persistent rule"));
    for (QLabel* label : {lblM, lblP})
        label->setAlignment(Qt::AlignCenter);
    orderLists = {makeList("lstEtyOrd"), makeList("lstDiacOrd"), makeList("lstReflOrd")};
    for (int i = 0; i < 3; ++i) {
        QListWidget* list = orderLists[static_cast<std::size_t>(i)];
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, list, i](QListWidgetItem* item) {
                    lstOrder_DblClick(static_cast<OrderList>(i), list->row(item));
                });
        connect(list, &QListWidget::itemSelectionChanged, this, &frmOrder::showRuleWords);
    }
    auto* columnM = makeMarkColumn("lstM");
    columnM->onMouseRelease = columnM->onKeyRelease = [this] { lstM_Release(); };
    auto* columnP = makeMarkColumn("lstP");
    columnP->onMouseRelease = [this] { lstP_MouseUp(); };
    lstM = columnM;
    lstP = columnP;

    QListWidget* diachronic = listOf(OrderList::Diachronic);
    diachronic->viewport()->setMouseTracking(true);
    diachronic->viewport()->installEventFilter(this);
    connect(diachronic->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &frmOrder::keepColumnsInStep);

    auto* column = new QWidget;
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->addWidget(lblOrder, 0, 0);
    grid->addWidget(lblM, 0, 1);
    grid->addWidget(lblP, 0, 2);
    const char* const filterNames[] = {"fltEtyOrd", "fltDiacOrd", "fltReflOrd"};
    for (std::size_t i = 0; i < orderLists.size(); ++i) {
        // The M and P columns hide the rows the Diachronic Order hides, to stay level with it.
        orderFilters[i] = i == static_cast<std::size_t>(toIndex(OrderList::Diachronic))
                              ? new FilterBox(filterNames[i], orderLists[i], {lstM, lstP})
                              : new FilterBox(filterNames[i], orderLists[i]);
        grid->addWidget(orderFilters[i], 1, 0, 1, 3);
        grid->addWidget(orderLists[i], 2, 0);
    }
    grid->addWidget(lstM, 2, 1);
    grid->addWidget(lstP, 2, 2);
    grid->setRowStretch(2, 1);
    return column;
}

// The chosen Supply name follows the highlight (by mouse or keys), not the mere focus.
void frmOrder::connectSelections() {
    connect(lstSupply, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> items = lstSupply->selectedItems();
        if (!items.isEmpty())
            chosenSupplyName = ctx.session.model().lstSupply.at(
                static_cast<std::size_t>(lstSupply->row(items.front())));
    });
}

QListWidget* frmOrder::listOf(OrderList order) const {
    return orderLists[static_cast<std::size_t>(toIndex(order))];
}

QListWidget* frmOrder::visibleList() const {
    return listOf(shownOrder);
}

void frmOrder::setTitle() {
    setCaption(modelCaption(ctx) + QStringLiteral(":  Edit Rule Order"));
}

void frmOrder::openRuleOrder() {
    setTitle();
    refreshLists();
}

void frmOrder::enterScreen() {
    // Back from the rule editor after a rename: the new name takes the old one's place.
    const RuleEditor& editor = ctx.session.ruleEditor();
    const auto& supply = ctx.session.model().lstSupply;
    const auto inSupply = [&supply](const std::string& name) {
        return std::find(supply.begin(), supply.end(), name) != supply.end();
    };
    if (!inSupply(chosenSupplyName) && editor.nameChanged() && inSupply(editor.currentName()))
        chosenSupplyName = editor.currentName();
    refreshLists();
}

void frmOrder::modelEdited() {
    refreshLists();
}

void frmOrder::modelReplaced() {
    chosenSupplyName.clear();
    refreshLists();
    clearHighlights();
}

void frmOrder::optOrder_Click(OrderList order) {
    shownOrder = order;
    for (int i = 0; i < 3; ++i) {
        const bool chosen = i == toIndex(order);
        orderLists[static_cast<std::size_t>(i)]->setVisible(chosen);
        optOrder[static_cast<std::size_t>(i)]->setChecked(chosen);
    }
    const bool diachronic = order == OrderList::Diachronic;
    for (QWidget* widget : std::initializer_list<QWidget*>{lstM, lstP, lblM, lblP})
        widget->setVisible(diachronic);
    lblOrder->setText(QString::fromLatin1(orderNames[toIndex(order)]));
    setTitle();
    keepColumnsInStep();
    showRuleWords();
}

void frmOrder::btnNewRuleFromText_Click() {
    auto* box = new RulesFromTextDialog(ctx, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void frmOrder::keepColumnsInStep() {
    const int top = listOf(OrderList::Diachronic)->verticalScrollBar()->value();
    for (QListWidget* column : {lstM, lstP})
        column->verticalScrollBar()->setValue(top);
}

} // namespace tarnel
