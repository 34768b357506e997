#pragma once

#include <QFrame>

class FocusMark;
struct GameState;

// The sunken frame round the board view, and the board's keyboard. The frame takes the focus
// for the board, because the view is switched off whenever the board takes no input and a
// switched-off widget would lose it. The arrow keys, Home and End move the focus mark over the
// cards; Space and Enter choose the marked card, only while the view takes input. The mark shows
// while the frame has the focus and the keyboard has been used since the last mouse press on
// the board.
class BoardFrame : public QFrame {
    Q_OBJECT
public:
    BoardFrame(const GameState& state, QWidget* parent);

    // The board view inside the frame; the mark lies on it.
    void setView(QWidget* view);
    int focusedSlot() const { return slot_; }
    bool isMarkShown() const;

Q_SIGNALS:
    void cardChosen(int slot);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose();
    void placeMark();

    const GameState& state_;
    QWidget* view_ = nullptr;
    FocusMark* mark_ = nullptr;
    int slot_ = 0;
    bool keyboardUsed_ = false;
    int announcedSlot_ = 0; // the marked card a screen reader was last told of
};
