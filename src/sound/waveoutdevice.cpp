#include "waveoutdevice.h"

#include <QCoreApplication>

QString deviceErrorText(DeviceResult code) {
    switch (code) {
    case kDeviceOk:
        return QCoreApplication::translate("WaveOutDevice", "Kein Fehler.");
    case kDeviceFailed:
        return QCoreApplication::translate("WaveOutDevice", "Unbekannter Fehler bei der Tonausgabe.");
    case kDeviceBusy:
        return QCoreApplication::translate("WaveOutDevice",
                                           "Das Audiogerät ist belegt oder konnte nicht geöffnet werden.");
    case kDeviceNotOpen:
        return QCoreApplication::translate("WaveOutDevice", "Das Audiogerät ist nicht geöffnet.");
    case kNoDevice:
        return QCoreApplication::translate("WaveOutDevice", "Es ist kein Audiogerät vorhanden.");
    case kDeviceWriteFailed:
        return QCoreApplication::translate("WaveOutDevice",
                                           "Die Tondaten konnten nicht an das Audiogerät übergeben werden.");
    case kBadFormat:
        return QCoreApplication::translate("WaveOutDevice",
                                           "Das Audiogerät unterstützt dieses Tonformat nicht.");
    default:
        return QCoreApplication::translate("WaveOutDevice", "Fehler %1 bei der Tonausgabe.").arg(code);
    }
}
