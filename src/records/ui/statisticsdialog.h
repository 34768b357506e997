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
    void ListBox1Click();

    CaptionBand* Label901 = nullptr;
    TexturePanel* Texturpanel1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* stat_teil = nullptr;
    QLabel* stat_gew = nullptr;
    QLabel* stat_aufged = nullptr;
    QLabel* stat_nichtauf = nullptr;
    PushButton* VKButton1 = nullptr;

private:
    void buildCounters(QWidget* parent);
    void VKButton1Click();

    QString statisticsFile_;
    StatTable table_; // the run's copy, empty at start
};
