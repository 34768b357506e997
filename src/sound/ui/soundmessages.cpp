#include "soundmessages.h"

#include "sound/soundoutput.h"

#include <QCoreApplication>
#include <QMessageBox>

void connectSoundMessages(SoundOutput& sound) {
    QObject::connect(&sound, &SoundOutput::deviceErrorReported, &sound,
                     [](const QString& caption, const QString& text) {
                         QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok);
                         box.exec();
                     });
    QObject::connect(&sound, &SoundOutput::resourceMissing, &sound, [](quint32 code) {
        QMessageBox box(
            QMessageBox::NoIcon, QCoreApplication::translate("SoundMessages", "Fehler bei resWavAbspielen!"),
            QCoreApplication::translate("SoundMessages", "Fehler Nummer ") + QString::number(code),
            QMessageBox::Ok);
        box.exec();
    });
}
