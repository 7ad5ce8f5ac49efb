// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/derivation/SuggestionsView.h"

#include "frontend/ModelText.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnel {

namespace {

QLabel* label(const QString& text, const char* name) {
    auto* l = new QLabel(text);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QString itemsText(const std::vector<int>& indexes, const insight::BatchReport& report) {
    QStringList items;
    for (const int i : indexes)
        items << fromModelText(report.items[static_cast<std::size_t>(i)].etymon);
    return items.join(QStringLiteral(", "));
}

QString ruleText(const insight::SuggestedRule& rule) {
    QStringList lines;
    for (const std::string& line : rule.lines)
        lines << fromModelText(line);
    return lines.join(u'\n');
}

} // namespace

SuggestionsView::SuggestionsView(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("suggestions"));
    setWidgetResizable(true);
    auto* content = new QWidget;
    list = new QVBoxLayout(content);
    setWidget(content);
}

void SuggestionsView::fill(const insight::BatchReport& report) {
    // A button of the old list may be the one whose click asked for this.
    while (QLayoutItem* item = list->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
    if (!report.suggestions) {
        list->addWidget(label(QStringLiteral("Suggest rules searches new rules for the Bad items "
                                             "that lack a change."),
                              "lblSuggestions"));
    } else if (report.suggestions->groups.empty()) {
        list->addWidget(label(QStringLiteral("No Bad item lacks a change."), "lblSuggestions"));
    }
    const auto& groups =
        report.suggestions ? report.suggestions->groups : std::vector<insight::SuggestionGroup>{};
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const insight::SuggestionGroup& group = groups[g];
        list->addWidget(label(QStringLiteral("<b>%1</b>: %2")
                                  .arg(fromModelText(insight::changeText(group.change)),
                                       itemsText(group.items, report).toHtmlEscaped()),
                              "lblGroup"));
        if (group.rules.empty())
            list->addWidget(label(QStringLiteral("No rule found that fixes more than it breaks."),
                                  "lblNoRule"));
        for (std::size_t r = 0; r < group.rules.size(); ++r) {
            const insight::SuggestedRule& rule = group.rules[r];
            auto* frame = new QFrame;
            frame->setFrameShape(QFrame::StyledPanel);
            auto* layout = new QVBoxLayout(frame);
            QLabel* text = label(ruleText(rule), "lblRule");
            text->setTextFormat(Qt::PlainText);
            layout->addWidget(text);
            layout->addWidget(label(QStringLiteral("%1: +%2 fixed, %3 broken")
                                        .arg(fromModelText(insight::placeText(rule)))
                                        .arg(rule.fixed())
                                        .arg(rule.broken),
                                    "lblScore"));
            layout->addWidget(
                label(QStringLiteral("Fixes: ") + itemsText(rule.fixes, report), "lblFixes"));
            auto* add = new QPushButton(QStringLiteral("Add this rule"));
            add->setObjectName(QStringLiteral("btnAddRule"));
            connect(add, &QPushButton::clicked, this,
                    [this, g, r] { emit addRequested(static_cast<int>(g), static_cast<int>(r)); });
            layout->addWidget(add, 0, Qt::AlignLeft);
            list->addWidget(frame);
        }
    }
    list->addStretch(1);
}

} // namespace tarnel
