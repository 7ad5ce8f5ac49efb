// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shared/FilterBox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace tarnel {

namespace {

QString folded(const QString& text) {
    return text.normalized(QString::NormalizationForm_C).toCaseFolded();
}

} // namespace

bool holdsFilter(const QString& row, const QString& filter) {
    return folded(row).contains(folded(filter));
}

FilterBox::FilterBox(const char* name, QWidget* list) {
    setObjectName(QString::fromLatin1(name));
    edit_ = new QLineEdit;
    edit_->setObjectName(QString::fromLatin1(name) + QStringLiteral("Text"));
    edit_->setPlaceholderText(QStringLiteral("Filter"));
    edit_->setClearButtonEnabled(true);
    edit_->setToolTip(QStringLiteral("Show only the rows that hold this text (IPA or keyboard "
                                     "text; capitals and small letters alike)"));
    count_ = new QLabel;
    count_->setObjectName(QString::fromLatin1(name) + QStringLiteral("Count"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(edit_, 1);
    row->addWidget(count_);
    connect(edit_, &QLineEdit::textChanged, this, &FilterBox::apply);
    list->installEventFilter(this);
    setVisible(list->isVisibleTo(list->parentWidget()));
}

FilterBox::FilterBox(const char* name, QListWidget* list, QList<QListWidget*> companions)
    : FilterBox(name, static_cast<QWidget*>(list)) {
    rows_ = [list] { return list->count(); };
    text_ = [list](int row) { return list->item(row)->text(); };
    hide_ = [list, companions](int row, bool hidden) {
        list->setRowHidden(row, hidden);
        for (QListWidget* companion : companions)
            if (row < companion->count())
                companion->setRowHidden(row, hidden);
    };
    apply();
}

// Hidden blocks take no room in a plain text view; the layout is told once, after them all.
FilterBox::FilterBox(const char* name, QPlainTextEdit* text, std::function<QString(int)> extra)
    : FilterBox(name, static_cast<QWidget*>(text)) {
    rows_ = [text] { return text->document()->isEmpty() ? 0 : text->document()->blockCount(); };
    text_ = [text, extra](int row) {
        const QString line = text->document()->findBlockByNumber(row).text();
        return extra ? line + u' ' + extra(row) : line;
    };
    hide_ = [text](int row, bool hidden) {
        text->document()->findBlockByNumber(row).setVisible(!hidden);
    };
    refresh_ = [text] {
        QTextDocument* document = text->document();
        document->markContentsDirty(0, document->characterCount());
        text->viewport()->update();
    };
    apply();
}

// With no filter and no row hidden before, every row shows already: a long list is not walked
// (nor a text view laid out again) after every batch run or refill.
void FilterBox::apply() {
    const QString filter = edit_->text();
    const int rows = rows_();
    int shown = rows;
    if (!filter.isEmpty() || hiding_) {
        shown = 0;
        for (int row = 0; row < rows; ++row) {
            const bool holds = filter.isEmpty() || holdsFilter(text_(row), filter);
            hide_(row, !holds);
            shown += holds ? 1 : 0;
        }
        if (refresh_)
            refresh_();
    }
    hiding_ = shown < rows;
    count_->setText(filter.isEmpty() ? QStringLiteral("%1 shown").arg(rows)
                                     : QStringLiteral("%1 of %2 shown").arg(shown).arg(rows));
}

bool FilterBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        setVisible(event->type() == QEvent::Show);
    return QWidget::eventFilter(watched, event);
}

} // namespace tarnel
