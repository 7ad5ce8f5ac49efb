// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"
#include "session/RuleEditing.h"
#include "session/RuleElements.h"
#include "ui/shared/Screen.h"

#include <QList>
#include <functional>
#include <vector>

class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTimer;

namespace tarnel {

class RuleEditor;
class RuleTextView;
class RuleWordsPanel;

// The rule editor: one rule at a time, shown as a button per element (btnRuleElement), one
// row per line. Clicks open the element's menu or rotate its value; the name and comments
// are typed into small boxes. The Text tab shows the same rule as the model file writes it,
// to be edited as text; leaving the tab puts the text in the working copy as one edit. It
// shows the working copy of the session's rule editor and is left through Return, which
// stores the working copy in the model.
class frmEd1Rule : public Screen {
    Q_OBJECT
public:
    explicit frmEd1Rule(Context& context);

    // Opens the rule `name` of the Supply for editing and shows the editor.
    void editRule(const std::string& name);

    // Shows the working copy; a new rule still named by the template asks for a name.
    void enterScreen() override;
    void modelEdited() override;
    // Leaving by any way asks "Keep the changes?" while the rule holds an unstored edit.
    bool leaveScreen() override;
    void resumeScreen() override;

    bool canUndo() const override;
    bool canRedo() const override;
    QString undoCaption() const override;
    QString redoCaption() const override;
    void undo() override;
    void redo() override;

    void mnuReturn_Click();

    // The menu a click opened last (tests pick its actions), or nullptr.
    QMenu* openMenu() const { return shownMenu; }

    // The Elements and Text tabs, and what the Text tab shows.
    QTabWidget* ruleTabs() const { return tabRule; }
    RuleTextView* textView() const { return txtView; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RuleEditor& editor();
    bool boxOpen() const;

    void buildRuleButtons();
    void removeRuleButtons();
    void setRuleButtonsEnabled(bool enabled);
    void placeScrollButtons();
    bool settleChanges();
    bool textShowing() const;
    void tabRule_CurrentChanged(int index);
    // The text of the Text tab in the working copy's place; false, said why, when refused.
    bool applyText();

    void btnRuleElement_Click(int index);
    void btnRuleElement_RightClick(int index);
    bool btnRuleElement_KeyUp(QKeyEvent* event);
    void showMenu(QMenu* menu, int index);
    void refuseOr(const Result<>& result);

    void createMenus();
    QMenu* createIfLineMenu();
    QMenu* createThenLineMenu();
    QMenu* createUnitMenu();
    QMenu* createFeatureMenu();
    QMenu* createInserteeMenu();
    QMenu* createLocationMenu();
    // Replaces the clicked line's body by a line-type template.
    std::function<void()> lineTypeAction(LineTemplate type);

    void openNameBox();
    void openCommentBox(int line);
    bool txtRuleName_KeyPress(QKeyEvent* event);
    bool txtComment_KeyPress(QKeyEvent* event);
    void acceptName();
    void acceptComment();
    void hideBoxes();

    // The preview below the rule: what storing it would do to the last batch run, shown a
    // moment after the last change.
    void schedulePreview();
    void showPreview();

    QTabWidget* tabRule = nullptr;
    RuleWordsPanel* previewPanel = nullptr;
    QTimer* previewTimer = nullptr;
    RuleTextView* txtView = nullptr;
    QScrollArea* ruleArea = nullptr;
    QWidget* ruleBody = nullptr;
    QPushButton* btnScrollUp = nullptr;
    QPushButton* btnScrollDown = nullptr;
    QList<QPushButton*> btnRuleElement;
    std::vector<Element> elements;

    QLineEdit* txtRuleName = nullptr;
    QLineEdit* txtComment = nullptr;
    bool promptShowing = false;
    int commentLine = -1;

    QMenu* mnuIfLine = nullptr;
    QMenu* mnuThenLine = nullptr;
    QMenu* mnuUnit = nullptr;
    QMenu* mnuFeature = nullptr;
    QMenu* mnuInsertee = nullptr;
    QMenu* mnuLocation = nullptr;
    QMenu* shownMenu = nullptr;
    int clicked = -1; // index of the element whose menu is open
};

// The rule editor's Help topics.
HelpTopics ruleEditorHelp();

} // namespace tarnel
