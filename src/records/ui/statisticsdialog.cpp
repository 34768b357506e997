#include "statisticsdialog.h"

#include "board/fonts.h"
#include "controls/ui/captionband.h"
#include "controls/ui/centring.h"
#include "controls/ui/dialogframe.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"
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
    setObjectName(QStringLiteral("statisti"));
    setWindowTitle(QStringLiteral("Spielerstatistik"));
    setFixedSize(kClientWidth, kClientHeight);

    const DialogFrame frame = buildDialogFrame(*this, QStringLiteral(" Statistik"), panelTexture);
    Label901 = frame.band;
    Texturpanel1 = frame.panel;

    ListBox1 = new QListWidget(Texturpanel1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 8, 161, 209);
    ListBox1->setFont(arialFontOfPixelSize(13));
    // Only a chosen entry shows its counters; the list getting the focus chooses none.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &StatisticsDialog::ListBox1Click);
    makeLabel(Texturpanel1, QStringLiteral("Spieler"), {8, 221, 161, 16}, arialFontOfPixelSize(13, true));

    buildCounters(Texturpanel1);

    auto* line = new QFrame(Texturpanel1);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(184, 222, 322, 2);

    VKButton1 = new PushButton(Texturpanel1);
    VKButton1->setObjectName(QStringLiteral("VKButton1"));
    VKButton1->setCaption(QStringLiteral("Schließen"));
    VKButton1->setFont(arialFontOfPixelSize(12));
    VKButton1->setFaceColour(QColor(0, 255, 0));
    VKButton1->setDefault(true);
    VKButton1->setCancel(true);
    VKButton1->setGeometry(386, 244, 120, 22);
    connect(VKButton1, &PushButton::clicked, this, &StatisticsDialog::VKButton1Click);
}

void StatisticsDialog::buildCounters(QWidget* parent) {
    auto* plate = new CounterPlate(parent);
    plate->setGeometry(184, 8, 322, 200);
    const QFont text = arialFontOfPixelSize(13);
    const QFont value = arialFontOfPixelSize(15, true);
    const auto row = [&](int i, const QString& caption, const QString& unit) {
        const int y = 20 + 44 * i;
        makeLabel(plate, caption, {16, y, 188, 20}, text);
        QLabel* number = makeLabel(plate, QStringLiteral("00000"), {198, y, 50, 20}, value,
                                   Qt::AlignRight | Qt::AlignVCenter);
        if (!unit.isEmpty())
            makeLabel(plate, unit, {254, y, 52, 20}, text);
        return number;
    };
    stat_teil = row(0, QStringLiteral("Teilgenommen an:"), QStringLiteral("Spielen"));
    stat_gew = row(1, QStringLiteral("davon gewonnen:"), QStringLiteral("Spiele"));
    stat_aufged = row(2, QStringLiteral("Aufgedeckte Kartenpaare:"), QString());
    stat_nichtauf = row(3, QStringLiteral("Nicht aufgedeckte Kartenpaare:"), QString());
}

void StatisticsDialog::showStatistics() {
    loadStatistics();
    centreOnScreen(*this);
    exec();
}

void StatisticsDialog::loadStatistics() {
    if (auto read = readStatTable(statisticsFile_))
        table_ = std::move(*read);
    ListBox1->clear();
    for (const StatEntry& entry : table_.entries)
        ListBox1->addItem(statListName(entry.name));
}

void StatisticsDialog::ListBox1Click() {
    // The selection, not the current row: a click selects before it moves the current row.
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = ListBox1->row(selected.front());
    if (row < 0 || row >= table_.count())
        return;
    const StatEntry& entry = table_.entries[static_cast<size_t>(row)];
    stat_teil->setText(QString::number(entry.games));
    stat_gew->setText(QString::number(entry.wins));
    stat_aufged->setText(QString::number(entry.pairsFound));
    stat_nichtauf->setText(QString::number(entry.misses));
}

void StatisticsDialog::VKButton1Click() {
    accept();
}
