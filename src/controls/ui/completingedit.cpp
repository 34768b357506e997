#include "completingedit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>

TVKEdit::TVKEdit(QWidget* parent) : QLineEdit(parent), tip_(new QLabel(this)) {
    tip_->hide();
    tip_->setTextFormat(Qt::PlainText);
    tip_->setAutoFillBackground(true);
    QPalette colours = tip_->palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 0));
    colours.setColor(QPalette::WindowText, Qt::black);
    tip_->setPalette(colours);
    connect(this, &QLineEdit::textChanged, this, &TVKEdit::handleTextChange);
    connect(this, &QLineEdit::selectionChanged, this, &TVKEdit::rememberKeptLength);
}

// The tip may live on the parent, which does not know it belongs to this edit.
TVKEdit::~TVKEdit() {
    delete tip_;
}

void TVKEdit::AddEntry(const QString& text) {
    entries_.add(text);
}

void TVKEdit::ClearEntries() {
    entries_.clear();
}

void TVKEdit::SuspendSorting() {
    entries_.suspendSorting();
}

void TVKEdit::SortEntries() {
    entries_.sort();
}

const QLabel* TVKEdit::tip() const {
    return tip_;
}

bool TVKEdit::isTipShown() const {
    return !tip_->isHidden();
}

void TVKEdit::handleTextChange() {
    if (completing_)
        return;
    bool tipShown = false;
    if (isVisible()) {
        browsePosition_ = -1;
        const QString typed = text();
        if (isModified() && entries_.count() > 0 && !typed.isEmpty() && typed != QLatin1String(" ")) {
            const int found = entries_.find(typed);
            if (found > 0 && stil_ == dsHint)
                tipShown = showTip(found);
            else if (found > 0 && stil_ == dsSelection && typed.size() > keptLength_)
                complete(found);
        }
    }
    Q_EMIT OnChange();
    if (!tipShown && isTipShown())
        hideTip();
    rememberKeptLength();
}

bool TVKEdit::showTip(int position) {
    if (!parentWidget())
        return false;
    if (tip_->parentWidget() != parentWidget())
        tip_->setParent(parentWidget()); // leaves it hidden
    placeTip(entries_.at(position));
    if (!isTipShown()) {
        Q_EMIT OnShowTip();
        tip_->show();
    }
    tip_->raise();
    browsePosition_ = position;
    return true;
}

void TVKEdit::hideTip() {
    Q_EMIT OnHideTip();
    tip_->hide();
}

void TVKEdit::complete(int position) {
    const int typedLength = int(text().size());
    const QString entry = entries_.at(position);
    completing_ = true;
    setText(entry);
    // An upper-case form can be longer than the text (ß), so the typed part may cover it all.
    if (typedLength < entry.size())
        setSelection(typedLength, int(entry.size()) - typedLength);
    completing_ = false;
}

void TVKEdit::browse(int step) {
    if (!isTipShown()) {
        QApplication::beep();
        return;
    }
    browsePosition_ = qBound(1, browsePosition_ + step, entries_.count());
    placeTip(entries_.at(browsePosition_));
}

void TVKEdit::placeTip(const QString& entry) {
    tip_->setText(entry);
    tip_->adjustSize();
    tip_->move(x(), y() - tip_->height());
}

void TVKEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (isTipShown()) {
            setText(tip_->text());
            setCursorPosition(int(text().size()));
        }
        break;
    case Qt::Key_Up:
        browse(-1);
        break;
    case Qt::Key_Down:
        browse(+1);
        break;
    default:
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TVKEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Switching windows or opening a menu does not leave the edit.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (isTipShown())
        hideTip();
    if (text().toUpper() != tip_->text().toUpper())
        AddEntry(text());
}

void TVKEdit::rememberKeptLength() {
    keptLength_ = int(text().size() - selectedText().size());
}
