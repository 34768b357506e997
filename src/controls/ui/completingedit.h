#pragma once

#include "controls/completionlist.h"

#include <QLineEdit>
#include <QPointer>

class QLabel;

// A single-line edit that completes what the user types from a list of earlier entries,
// either as a yellow tip above the edit (Hint) or inline with the completed rest
// selected (Selection).
//
// Only text the user types is completed; text set by the program is left as it is. Inline
// completion happens only when the edit inserted text, so deleting the selected rest with
// Backspace leaves the typed part alone instead of completing it again at once.
//
// Enter takes a pending completion (the tip, or the selected completed rest) into the edit;
// with none pending it goes on to the window, whose default button answers it.
class CompletingEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(CompletionStyle completionStyle READ completionStyle WRITE setCompletionStyle)

public:
    enum CompletionStyle { Hint = 0, Selection = 1 };
    Q_ENUM(CompletionStyle)

    explicit CompletingEdit(QWidget* parent = nullptr);
    ~CompletingEdit() override;

    CompletionStyle completionStyle() const { return completionStyle_; }
    void setCompletionStyle(CompletionStyle style) { completionStyle_ = style; }

    void addEntry(const QString& text);
    void clearEntries();
    void suspendSorting();
    void sortEntries();
    QStringList entries() const { return entries_.texts(); }

    // The tip label; while a tip is shown it lies on the edit's parent, just above the edit.
    const QLabel* tip() const;
    bool isTipShown() const;

Q_SIGNALS:
    void tipShown();
    void tipHidden();
    // After every change of the text, once any completion has been applied.
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void handleTextChange();
    bool showTip(int position);
    void hideTip();
    void placeTip(const QString& entry);
    void complete(int position);
    bool isCompletionSelected() const;
    void browse(int step);
    void rememberKeptLength();

    CompletionStyle completionStyle_ = Hint;
    CompletionList entries_;
    QPointer<QLabel> tip_;
    int browsePosition_ = -1;
    // Length of the text outside the selection before the latest change: a longer text
    // afterwards means the user inserted something.
    int keptLength_ = 0;
    // The latest inline completion: the entry, whose rest from this position was selected.
    QString completedEntry_;
    int completedFrom_ = 0;
    bool completing_ = false;
};
