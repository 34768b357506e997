#include "cardeditorstate.h"

#include "cardsheet.h"
#include "painting/canvas.h"
#include "sheetediting.h"
#include "zoomview.h"

CardEditorState::CardEditorState()
    : sheet_(builtInSheet()),
      zoom_(makeZoomView()), slots_{QColor(0, 0, 0), QColor(255, 255, 255), QColor(255, 0, 0),
                                    QColor(0, 0, 255), QColor(0, 255, 0)} {
    selectSlot(1);
    selectCard(1);
}

bool CardEditorState::selectCard(int card) {
    if (card < 1 || card > kSheetMotifCount)
        return false;
    card_ = card;
    preview_ = cutPicture(sheet_, card_);
    drawZoomView(preview_, zoom_);
    return true;
}

void CardEditorState::setSheet(QImage sheet) {
    sheet_ = std::move(sheet);
    selectCard(card_);
}

bool CardEditorState::replaceCurrentPicture(const QImage& picture) {
    if (!stretchOntoCard(sheet_, picture, card_))
        return false;
    selectCard(card_);
    return true;
}

QColor CardEditorState::slotColour(int slot) const {
    return slot >= 1 && slot <= kSlotCount ? slots_[slot - 1] : QColor();
}

void CardEditorState::selectSlot(int slot) {
    if (slot < 1 || slot > kSlotCount)
        return;
    currentSlot_ = slot;
    currentColour_ = slots_[slot - 1];
}

void CardEditorState::setSlotColour(int slot, const QColor& colour) {
    if (slot < 1 || slot > kSlotCount || !colour.isValid())
        return;
    slots_[slot - 1] = colour;
    currentColour_ = colour;
}

void CardEditorState::press(QPoint position) {
    drawing_ = true;
    lastPixel_ = picturePixelAt(position);
    if (tool_ == EditorTool::Paint)
        paintLine(lastPixel_, lastPixel_ + QPoint(1, 1));
    else
        pickColour(lastPixel_);
}

bool CardEditorState::move(QPoint position) {
    if (!drawing_ || tool_ != EditorTool::Paint)
        return false;
    const QPoint pixel = picturePixelAt(position);
    paintLine(lastPixel_, pixel);
    lastPixel_ = pixel;
    return true;
}

void CardEditorState::paintLine(QPoint from, QPoint to) {
    {
        Canvas canvas(preview_);
        canvas.setPen(currentColour_);
        canvas.moveTo(from.x(), from.y());
        canvas.lineTo(to.x(), to.y());
    }
    showPreview();
}

void CardEditorState::pickColour(QPoint pixel) {
    // Outside the picture there is no colour to take.
    if (!preview_.rect().contains(pixel))
        return;
    setSlotColour(currentSlot_, QColor::fromRgb(preview_.pixel(pixel)));
}

void CardEditorState::showPreview() {
    drawZoomView(preview_, zoom_);
    putPicture(sheet_, preview_, motifRect(card_).topLeft());
}
