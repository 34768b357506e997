#include "soundmessages.h"

#include "sound/soundoutput.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {
// A sound is asked for in the middle of a turn: its report is shown as modal as exec() would,
// but the turn goes on meanwhile rather than inside a loop of the box's own.
void show(QMessageBox::Icon icon, const QString& caption, const QString& text) {
    auto* box = new QMessageBox(icon, caption, text, QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QDialog::finished, box, &QObject::deleteLater);
    box->show();
}
} // namespace

void connectSoundMessages(SoundOutput& sound) {
    QObject::connect(
        &sound, &SoundOutput::deviceErrorReported, &sound,
        [](const QString& caption, const QString& text) { show(QMessageBox::Information, caption, text); });
    QObject::connect(&sound, &SoundOutput::resourceMissing, &sound, [](quint32 code) {
        show(QMessageBox::NoIcon, QCoreApplication::translate("SoundMessages", "Fehler bei resWavAbspielen!"),
             QCoreApplication::translate("SoundMessages", "Fehler Nummer ") + QString::number(code));
    });
}
