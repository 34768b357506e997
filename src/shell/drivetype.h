#pragma once

#include <QByteArray>
#include <QString>

// What kind of drive a program runs from, as far as shortcuts care: only a program on a fixed
// disk gets one, since a link to a disc, a stick or a share breaks when it is gone.
enum class DriveType { Fixed, CdRom, Removable, Network, RamDisk, Unknown };

// Decides by the file system's type name (as the mount table gives it) and whether the block
// device under it is removable.
DriveType driveTypeFor(const QByteArray& fileSystemType, bool removableDevice);

// The drive type of the file system `path` lies on.
DriveType driveTypeOfPath(const QString& path);
