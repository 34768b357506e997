#include "statisticsdialog.h"

#include "controls/ui/captionband.h"
#include "controls/ui/centring.h"
#include "controls/ui/dialogframe.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"
#include "controls/ui/valuelabel.h"
#include "painting/fonts.h"
#include "records/statisticsfile.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>

namespace {

constexpr int kClientWidth = 538;
constexpr int kClientHeight = 284;
constexpr int kShadowOffset = 5;

// The yellow card the counters are written on, with its shadow on the panel below.
class CounterPlate : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF plate(0.5, 0.5, width() - kShadowOffset - 1, height() - kShadowOffset - 1);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(128, 128, 128));
        painter.drawRoundedRect(plate.translated(kShadowOffset, kShadowOffset), 12, 12);
        painter.setPen(Qt::black);
        painter.setBrush(QColor(255, 255, 0));
        painter.drawRoundedRect(plate, 12, 12);
    }
};

} // namespace

StatisticsDialog::StatisticsDialog(QString statisticsFile, const QImage& panelTexture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      statisticsFile_(std::move(statisticsFile)) {
    setObjectName(QStringLiteral("statisticsDialog"));
    setWindowTitle(tr("Spielerstatistik"));
    setFixedSize(kClientWidth, kClientHeight);

    const DialogFrame frame = buildDialogFrame(*this, tr(" Statistik"), panelTexture);
    captionBand = frame.band;
    panel = frame.panel;

    nameList = new QListWidget(panel);
    nameList->setObjectName(QStringLiteral("nameList"));
    nameList->setGeometry(8, 8, 161, 209);
    nameList->setFont(arialFontOfPixelSize(13));
    // Only a chosen entry shows its counters; the list getting the focus chooses none.
    connect(nameList, &QListWidget::itemSelectionChanged, this, &StatisticsDialog::onSelectionChanged);
    QLabel* listCaption = makeLabel(panel, tr("Spieler"), {8, 221, 161, 16}, arialFontOfPixelSize(13, true));
    listCaption->setBuddy(nameList);
    // Qt's item views take no name from their buddy.
    nameList->setAccessibleName(listCaption->text());

    buildCounters(panel);

    auto* line = new QFrame(panel);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(184, 222, 322, 2);

    closeButton = new PushButton(panel);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setCaption(tr("Schließen"));
    closeButton->setFont(arialFontOfPixelSize(12));
    closeButton->setFaceColour(QColor(0, 255, 0));
    closeButton->setDefault(true);
    closeButton->setCancel(true);
    closeButton->setGeometry(386, 244, 120, 22);
    connect(closeButton, &PushButton::clicked, this, &QDialog::accept);
}

void StatisticsDialog::buildCounters(QWidget* parent) {
    auto* plate = new CounterPlate(parent);
    plate->setGeometry(184, 8, 322, 200);
    const QFont text = arialFontOfPixelSize(13);
    const QFont value = arialFontOfPixelSize(15, true);
    const auto row = [&](int i, const QString& caption, const QString& unit) {
        const int y = 20 + 44 * i;
        QLabel* captionLabel = makeLabel(plate, caption, {16, y, 188, 20}, text);
        QLabel* number = placeLabel(new ValueLabel(QStringLiteral("00000"), plate), {198, y, 50, 20}, value,
                                    Qt::AlignRight | Qt::AlignVCenter);
        // Heard as one: "Teilgenommen an: 12 Spielen".
        captionLabel->setBuddy(number);
        if (!unit.isEmpty())
            makeLabel(plate, unit, {254, y, 52, 20}, text)->setBuddy(number);
        return number;
    };
    gamesLabel = row(0, tr("Teilgenommen an:"), tr("Spielen"));
    winsLabel = row(1, tr("davon gewonnen:"), tr("Spiele"));
    pairsFoundLabel = row(2, tr("Aufgedeckte Kartenpaare:"), QString());
    missesLabel = row(3, tr("Nicht aufgedeckte Kartenpaare:"), QString());
}

void StatisticsDialog::showStatistics() {
    loadStatistics();
    centreOnScreen(*this);
    exec();
}

void StatisticsDialog::loadStatistics() {
    if (auto read = readStatTable(statisticsFile_))
        table_ = std::move(*read);
    nameList->clear();
    for (const StatEntry& entry : table_.entries)
        nameList->addItem(statListName(entry.name));
    // No name is marked until one is chosen, or the focus would mark the first one while the
    // counters still show another's (or none).
    nameList->setCurrentIndex(QModelIndex());
}

void StatisticsDialog::onSelectionChanged() {
    // The selection, not the current row: a click selects before it moves the current row.
    const QList<QListWidgetItem*> selected = nameList->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = nameList->row(selected.front());
    if (row < 0 || row >= table_.count())
        return;
    const StatEntry& entry = table_.entries[static_cast<size_t>(row)];
    gamesLabel->setText(QString::number(entry.games));
    winsLabel->setText(QString::number(entry.wins));
    pairsFoundLabel->setText(QString::number(entry.pairsFound));
    missesLabel->setText(QString::number(entry.misses));
}
