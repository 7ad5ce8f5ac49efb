// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alphabets/AlphabetGridStyle.h"

#include "core/Features.h"
#include "core/IpaDisplay.h"

#include <QListWidget>

namespace tarnel {

void shapeGridList(QListWidget* list, int width) {
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFrameShape(QFrame::NoFrame);
    list->setFocusPolicy(Qt::NoFocus); // keys belong to the grid, never to a side list
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSizeHint(QSize(width, gridRowHeight));
    list->setFixedSize(width, gridRowHeight * list->count());
}

QStringList featureNameItems() {
    QStringList names;
    for (int feature = 0; feature < soundFeatureCount; ++feature) {
        const std::string_view name = featureName(feature).value_or("");
        names << QLatin1Char(' ') + QString::fromLatin1(name.data(), qsizetype(name.size()));
    }
    return names;
}

QString ipaText(const std::string& codes) {
    return QString::fromStdString(ipaDisplayText(codes)).normalized(QString::NormalizationForm_C);
}

} // namespace tarnel
