#include "soundmessages.h"

#include "controls/ui/openmessage.h"
#include "sound/soundoutput.h"

#include <QCoreApplication>

// A sound is asked for in the middle of a turn: its report must not hold the turn up.
void connectSoundMessages(SoundOutput& sound) {
    QObject::connect(&sound, &SoundOutput::deviceErrorReported, &sound,
                     [](const QString& caption, const QString& text) {
                         openMessage(QMessageBox::Information, caption, text);
                     });
    QObject::connect(&sound, &SoundOutput::resourceMissing, &sound, [](quint32 code) {
        openMessage(QMessageBox::NoIcon,
                    QCoreApplication::translate("SoundMessages", "Fehler bei resWavAbspielen!"),
                    QCoreApplication::translate("SoundMessages", "Fehler Nummer ") + QString::number(code));
    });
}
