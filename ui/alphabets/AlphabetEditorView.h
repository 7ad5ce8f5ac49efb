// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/AlphabetEditor.h"

#include <QWidget>
#include <optional>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
class QTableWidget;

namespace tarnel {

struct Context;
class IpaColumnPanel;

// The grid editor of one input alphabet, shared by the Etymon and Reflex Alphabet screens:
// one column per character with its 21 values, the feature names at the left. A click on a
// value toggles it; on a column, Left and Right move it, Insert copies it, Delete removes it,
// a letter or digit renames it and Esc removes the highlights. The columns are a view of the
// model's alphabet, which the session's alphabet editor changes in place.
class AlphabetEditorView : public QWidget {
    Q_OBJECT

public:
    AlphabetEditorView(AlphabetSide side, Context& ctx, QWidget* parent = nullptr);

    QListWidget* lstFeats;
    QTableWidget* lstCol;
    QLineEdit* txtNewChar;
    QLabel* lblNewCharInstruc;
    QScrollBar* scrInAlph;
    IpaColumnPanel* ipaPanel;

    // Shows the alphabet and keeps a backup of both alphabets; the changes are not pending.
    void editAlphabet();
    // Asks "Keep the changes?" when changes are pending; false when the user stays.
    bool leaveAlphabet();
    // Replaces both alphabets by the default ones once the user agrees.
    void resetToDefaults();
    // Shows the alphabet as it is now.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    AlphabetEditor& editor();
    const Alphabet& columns();
    void fitScrollRange();
    void selectColumn(int column);

    void lstCol_Click(int row, int column);
    bool lstCol_KeyPress(QKeyEvent* event);
    void lstCol_KeyUp(QKeyEvent* event);
    void renameFromKey(QKeyEvent* event, int column);
    void insertColumn(int column);
    // A new column right of the selected one (or last) with the values that show as `symbol`;
    // its character is proposed in the new-character box.
    void insertIpaColumn(const QString& symbol);
    void txtNewChar_KeyPress(QKeyEvent* event);
    void showNewCharBox(int column);
    void hideNewCharBox();
    void removeNewColumn();

    AlphabetSide side;
    Context& ctx;
    std::optional<int> newColumn;
};

} // namespace tarnel
