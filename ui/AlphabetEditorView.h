#pragma once

#include "model/AlphabetEditing.h"
#include "model/Model.h"

#include <QWidget>

#include <functional>
#include <optional>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
class QTableWidget;

namespace tarnel {

enum class AlphabetSide { Etymon, Reflex };

// What an alphabet editor asks of the screen around it: its message boxes and the flag of
// pending changes it shares with the rule editor.
struct AlphabetEditorHost {
    std::function<void(const QString&)> tell;        // an OK message
    std::function<bool(const QString&)> confirm;     // Yes/No: true for Yes
    std::function<KeepAnswer(const QString&)> keep;  // Yes/No/Cancel
    std::function<bool&()> pendingChanges;
};

// The grid editor of one input alphabet, shared by the Etymon and Reflex Alphabet screens:
// one column per character with its 21 values, the feature names at the left. A click on a
// value toggles it; on a column, Left and Right move it, Insert copies it, Delete removes it,
// a letter or digit renames it and Esc removes the highlights. The columns are a view of the
// model's alphabet, which every edit changes in place.
class AlphabetEditorView : public QWidget {
    Q_OBJECT

public:
    AlphabetEditorView(AlphabetSide side, Model& model, AlphabetEditorHost host,
                       QWidget* parent = nullptr);

    QListWidget* lstFeats;
    QTableWidget* lstCol;
    QLineEdit* txtNewChar;
    QLabel* lblNewCharInstruc;
    QScrollBar* scrInAlph;

    // Shows the alphabet and keeps a backup of both alphabets; the changes are not pending.
    void editAlphabet();
    // Asks "Keep the changes?" when changes are pending; false when the user stays.
    bool leaveAlphabet();
    // Replaces both alphabets by the default ones once the user agrees.
    void resetToDefaults();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Alphabet& columns();
    Alphabet& otherColumns();
    void refresh();
    void fitScrollRange();
    void markChanged();
    void selectColumn(int column);

    void lstCol_Click(int row, int column);
    bool lstCol_KeyPress(QKeyEvent* event);
    void lstCol_KeyUp(QKeyEvent* event);
    void renameFromKey(QKeyEvent* event, int column);
    void insertColumn(int column);
    void txtNewChar_KeyPress(QKeyEvent* event);
    void showNewCharBox(int column);
    void hideNewCharBox();
    void removeNewColumn();

    AlphabetSide side;
    Model& model;
    AlphabetEditorHost host;
    AlphabetBackup hold; // lstColHold / lstColRHold, with the other alphabet beside it
    std::optional<int> newColumn;
};

} // namespace tarnel
