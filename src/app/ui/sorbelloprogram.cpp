#include "sorbelloprogram.h"

#include "controls/ui/centring.h"
#include "mainwindow.h"
#include "records/atomicfile.h"
#include "records/settingsstore.h"

#include <QApplication>
#include <QIcon>

namespace {

// Every size drawn for it, so that task bars and switchers need not scale one.
QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/logos/sorbello-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

SorbelloProgram::SorbelloProgram(const AppEnvironment& environment)
    : mainWindow_(std::make_unique<MainWindow>(environment)) {
    // Every window of the program shows it, the dialogs too.
    QApplication::setWindowIcon(programIcon());
    // A run killed while it replaced a data file or wrote the settings may have left the
    // temporary file behind; the file itself is always whole, old or new.
    for (const QString& file : environment.dataPaths.files())
        removeLeftoverTemporaryFiles(file);
    environment.settings.removeLeftovers();
}

SorbelloProgram::~SorbelloProgram() = default;

void SorbelloProgram::show() {
    mainWindow_->show();
    centreOnScreen(*mainWindow_);
}
