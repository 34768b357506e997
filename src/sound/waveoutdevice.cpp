#include "waveoutdevice.h"

QString deviceErrorText(DeviceResult code) {
    switch (code) {
    case kDeviceOk:
        return QStringLiteral("Kein Fehler.");
    case kDeviceFailed:
        return QStringLiteral("Unbekannter Fehler bei der Tonausgabe.");
    case kDeviceBusy:
        return QStringLiteral("Das Audiogerät ist belegt oder konnte nicht geöffnet werden.");
    case kDeviceNotOpen:
        return QStringLiteral("Das Audiogerät ist nicht geöffnet.");
    case kNoDevice:
        return QStringLiteral("Es ist kein Audiogerät vorhanden.");
    case kDeviceWriteFailed:
        return QStringLiteral("Die Tondaten konnten nicht an das Audiogerät übergeben werden.");
    case kBadFormat:
        return QStringLiteral("Das Audiogerät unterstützt dieses Tonformat nicht.");
    default:
        return QStringLiteral("Fehler %1 bei der Tonausgabe.").arg(code);
    }
}
