#include "completingedit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>

CompletingEdit::CompletingEdit(QWidget* parent) : QLineEdit(parent), tip_(new QLabel(this)) {
    tip_->hide();
    tip_->setTextFormat(Qt::PlainText);
    tip_->setAutoFillBackground(true);
    QPalette colours = tip_->palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 0));
    colours.setColor(QPalette::WindowText, Qt::black);
    tip_->setPalette(colours);
    connect(this, &QLineEdit::textChanged, this, &CompletingEdit::handleTextChange);
    connect(this, &QLineEdit::selectionChanged, this, &CompletingEdit::rememberKeptLength);
}

// The tip may live on the parent, which does not know it belongs to this edit.
CompletingEdit::~CompletingEdit() {
    delete tip_;
}

void CompletingEdit::addEntry(const QString& text) {
    entries_.add(text);
}

void CompletingEdit::clearEntries() {
    entries_.clear();
}

void CompletingEdit::suspendSorting() {
    entries_.suspendSorting();
}

void CompletingEdit::sortEntries() {
    entries_.sort();
}

const QLabel* CompletingEdit::tip() const {
    return tip_;
}

bool CompletingEdit::isTipShown() const {
    return !tip_->isHidden();
}

void CompletingEdit::handleTextChange() {
    if (completing_)
        return;
    bool tipShown = false;
    if (isVisible()) {
        browsePosition_ = -1;
        const QString typed = text();
        if (isModified() && entries_.count() > 0 && !typed.isEmpty() && typed != QLatin1String(" ")) {
            const int found = entries_.find(typed);
            if (found > 0 && completionStyle_ == Hint)
                tipShown = showTip(found);
            else if (found > 0 && completionStyle_ == Selection && typed.size() > keptLength_)
                complete(found);
        }
    }
    Q_EMIT changed();
    if (!tipShown && isTipShown())
        hideTip();
    rememberKeptLength();
}

bool CompletingEdit::showTip(int position) {
    if (!parentWidget())
        return false;
    if (tip_->parentWidget() != parentWidget())
        tip_->setParent(parentWidget()); // leaves it hidden
    placeTip(entries_.at(position));
    if (!isTipShown()) {
        Q_EMIT tipShown();
        tip_->show();
    }
    tip_->raise();
    browsePosition_ = position;
    return true;
}

void CompletingEdit::hideTip() {
    Q_EMIT tipHidden();
    tip_->hide();
}

void CompletingEdit::complete(int position) {
    const int typedLength = int(text().size());
    const QString entry = entries_.at(position);
    completing_ = true;
    setText(entry);
    // An upper-case form can be longer than the text (ß), so the typed part may cover it all.
    if (typedLength < entry.size())
        setSelection(typedLength, int(entry.size()) - typedLength);
    completing_ = false;
    completedEntry_ = entry;
    completedFrom_ = typedLength;
}

bool CompletingEdit::isCompletionSelected() const {
    return hasSelectedText() && text() == completedEntry_ && selectionStart() == completedFrom_ &&
           selectionEnd() == text().size();
}

void CompletingEdit::browse(int step) {
    if (!isTipShown()) {
        QApplication::beep();
        return;
    }
    browsePosition_ = qBound(1, browsePosition_ + step, entries_.count());
    placeTip(entries_.at(browsePosition_));
}

void CompletingEdit::placeTip(const QString& entry) {
    tip_->setText(entry);
    tip_->adjustSize();
    tip_->move(x(), y() - tip_->height());
}

void CompletingEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (isTipShown()) {
            setText(tip_->text());
            setCursorPosition(int(text().size()));
        } else if (isCompletionSelected()) {
            setCursorPosition(int(text().size()));
        } else {
            // Nothing to complete: the edit passes Enter on to the window's default button.
            QLineEdit::keyPressEvent(event);
            return;
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

void CompletingEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Switching windows or opening a menu does not leave the edit.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (isTipShown())
        hideTip();
    if (text().toUpper() != tip_->text().toUpper())
        addEntry(text());
}

void CompletingEdit::rememberKeptLength() {
    keptLength_ = int(text().size() - selectedText().size());
}
