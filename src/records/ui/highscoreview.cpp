#include "highscoreview.h"

HighScoreView::HighScoreView(const HighScoreTable& table, QWidget* parent)
    : ImageView(parent), table_(table) {}
