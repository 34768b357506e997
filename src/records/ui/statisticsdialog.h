#pragma once

#include "records/stattable.h"

#include <QDialog>
#include <QImage>
#include <QString>

class QLabel;
class QListWidget;
class CaptionBand;
class TexturePanel;
class PushButton;

// "Spielerstatistik": every name that ever finished a game, with the counters of the one
// chosen in the list.
class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    StatisticsDialog(QString statisticsFile, const QImage& panelTexture, QWidget* parent = nullptr);

    // Reads the file anew (an unreadable one leaves the table as it was), lists the names,
    // centres the dialog on the screen and shows it modally.
    void showStatistics();
    // Takes the file's table and fills the list, upper-cased, in table order.
    void loadStatistics();
    const StatTable& table() const { return table_; }

    // Shows the counters of the selected entry.
    void onSelectionChanged();

    CaptionBand* captionBand = nullptr;
    TexturePanel* panel = nullptr;
    QListWidget* nameList = nullptr;
    QLabel* gamesLabel = nullptr;
    QLabel* winsLabel = nullptr;
    QLabel* pairsFoundLabel = nullptr;
    QLabel* missesLabel = nullptr;
    PushButton* closeButton = nullptr;

private:
    void buildCounters(QWidget* parent);

    QString statisticsFile_;
    StatTable table_; // the run's copy, empty at start
};
