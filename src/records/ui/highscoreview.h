#pragma once

#include "controls/ui/imageview.h"

class HighScoreTable;

// The picture of the high-score table. Assistive technology reads the table behind it
// (accessiblehighscores.h).
class HighScoreView : public ImageView {
    Q_OBJECT
public:
    HighScoreView(const HighScoreTable& table, QWidget* parent = nullptr);

    const HighScoreTable& table() const { return table_; }

private:
    const HighScoreTable& table_;
};
