#include "soundmessages.h"

#include "sound/soundoutput.h"

#include <QMessageBox>

void connectSoundMessages(TSoundAusgabe& sound) {
    QObject::connect(&sound, &TSoundAusgabe::deviceErrorReported, &sound,
                     [](const QString& caption, const QString& text) {
                         QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok);
                         box.exec();
                     });
    QObject::connect(&sound, &TSoundAusgabe::resourceMissing, &sound, [](quint32 code) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Fehler bei resWavAbspielen!"),
                        QStringLiteral("Fehler Nummer ") + QString::number(code), QMessageBox::Ok);
        box.exec();
    });
}
