// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/RuleOrders.h"
#include "ui/rules/PlaceChart.h"
#include "ui/shared/Screen.h"

#include <QPointer>
#include <array>
#include <optional>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tarnel {

class FilterBox;
class RuleWordsPanel;

// The rule order screen: the Supply of rules and the three orders. Every list is a view of
// the model, rebuilt from it after each action.
class frmOrder : public Screen {
    Q_OBJECT
public:
    explicit frmOrder(Context& context);

    // Sets the title and refreshes the lists; called after the screen was shown.
    void openRuleOrder();

    void enterScreen() override;
    void modelReplaced() override;
    void modelEdited() override;

    // The list of the order that is showing.
    OrderList visibleOrder() const { return shownOrder; }

    void btnNewRule_Click();
    // New Rule from Text: its box, over this screen.
    void btnNewRuleFromText_Click();
    void lstSupply_DblClick(int row);
    void lstOrder_DblClick(OrderList order, int row);
    void btnDelFromSupply_Click();
    void optOrder_Click(OrderList order);
    void btnInsAbove_Click();
    void btnInsBelow_Click();
    void btnUp_Click();
    void btnDown_Click();
    void btnDelFromOrder_Click();
    // "Where could it go?" for the Diachronic entry clicked; the chart it opens, while open.
    void btnWhere_Click();
    PlaceChart* placeChart() const { return chart; }
    void lstM_Release();
    void lstP_MouseUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPushButton* btnNewRule = nullptr;
    QPushButton* btnDelFromSupply = nullptr;
    QPushButton* btnWhere = nullptr;
    QPointer<PlaceChart> chart;
    QListWidget* lstSupply = nullptr;
    std::array<QRadioButton*, 3> optOrder{};
    QLabel* lblOrder = nullptr;
    std::array<QListWidget*, 3> orderLists{}; // lstEtyOrd, lstDiacOrd, lstReflOrd
    QListWidget* lstM = nullptr;
    QListWidget* lstP = nullptr;
    QLabel* lblM = nullptr;
    QLabel* lblP = nullptr;
    QTimer* Timer1 = nullptr;
    RuleWordsPanel* ruleWords = nullptr;
    FilterBox* supplyFilter = nullptr;
    std::array<FilterBox*, 3> orderFilters{};

    OrderList shownOrder = OrderList::Diachronic;
    std::string chosenSupplyName; // the Supply entry last clicked

    QWidget* buildSupplyColumn();
    QWidget* buildControlColumn();
    QWidget* buildOrderColumn();
    void connectSelections();

    QListWidget* visibleList() const;
    QListWidget* listOf(OrderList order) const;
    void refreshLists();
    void showRuleWords();
    void refreshOrder(OrderList order);
    void highlightSupply(const std::string& name);
    void clearHighlights();
    void keepColumnsInStep();
    void insertName(InsertPlace place);
    void moveName(MoveDirection direction);
    void setTitle();
    void editRuleNamed(const std::string& name);
};

} // namespace tarnel
