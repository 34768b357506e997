#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include <array>

enum class EditorTool { Paint = 1, Pipette = 2 };

// Everything the card editor works on, kept from program start to end: the sheet being
// edited, the picture being painted (the preview) and its enlarged view, the tool and the
// five colour slots. Mouse positions are those in the enlarged view.
//
// The sheet keeps the pixel format it came in, so that a sheet saved again is the same kind
// of file: painting into a palette sheet (the built-in one has 256 colours) stores the
// nearest palette colour, while the preview shows the exact colour until the card is
// selected again.
class CardEditorState {
public:
    static constexpr int kSlotCount = 5;

    // The built-in sheet, card 1, the paint tool, slot 1 current with black.
    CardEditorState();

    const QImage& sheet() const { return sheet_; }
    const QImage& preview() const { return preview_; }
    const QImage& zoomView() const { return zoom_; }
    int cardNumber() const { return card_; }

    // Shows picture `card` in the preview and the zoom view. Numbers outside 1..64 change
    // nothing and give false.
    bool selectCard(int card);
    // A new sheet to edit; the current card is shown from it.
    void setSheet(QImage sheet);
    // Stretches `picture` over the current card's square and its gutters and shows the card.
    bool replaceCurrentPicture(const QImage& picture);

    EditorTool tool() const { return tool_; }
    void setTool(EditorTool tool) { tool_ = tool; }

    // Slots are numbered 1..5.
    QColor slotColour(int slot) const;
    int currentSlot() const { return currentSlot_; }
    QColor currentColour() const { return currentColour_; }
    // The slot becomes current and its colour the painting colour.
    void selectSlot(int slot);
    // A colour chosen for a slot goes into it and becomes the painting colour.
    void setSlotColour(int slot, const QColor& colour);

    // Left button pressed at `position`: paints one pixel, or picks its colour into the
    // current slot.
    void press(QPoint position);
    // While the left button is held with the paint tool: a line from the last pixel up to,
    // not including, the pixel under `position`. False when nothing was painted.
    bool move(QPoint position);
    void release() { drawing_ = false; }
    bool drawing() const { return drawing_; }

private:
    void paintLine(QPoint from, QPoint to);
    void pickColour(QPoint pixel);
    void showPreview();

    QImage sheet_;
    QImage preview_;
    QImage zoom_;
    int card_ = 1;
    EditorTool tool_ = EditorTool::Paint;
    std::array<QColor, kSlotCount> slots_;
    int currentSlot_ = 1;
    QColor currentColour_;
    bool drawing_ = false;
    QPoint lastPixel_;
};
