// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

class QListWidget;

namespace tarnel {

// Shared look of the alphabet grids: every list shows one item per feature in rows of one
// fixed height, so that value columns stay aligned with the feature names beside them.
inline constexpr int gridRowHeight = 20;
inline constexpr int gridColumnWidth = 38;
inline constexpr int gridHeadHeight = 40;

// Shapes `list` into rows of gridRowHeight with no scroll bars, sized to show every row.
void shapeGridList(QListWidget* list, int width);

// The feature names, each after one blank (" ant" ... " voice").
QStringList featureNameItems();

// The Unicode text of Output Alphabet code points, composed to NFC.
QString ipaText(const std::string& codes);

} // namespace tarnel
