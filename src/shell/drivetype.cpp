#include "drivetype.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

bool isNetworkFileSystem(const QByteArray& type) {
    static const char* const kNetworkTypes[] = {
        "nfs",         "nfs4",        "cifs",      "smb3",           "smbfs",           "ncpfs", "afs",
        "9p",          "ceph",        "glusterfs", "lustre",         "sshfs",           "davfs", "fuse.sshfs",
        "fuse.davfs2", "fuse.rclone", "fuse.s3fs", "fuse.curlftpfs", "fuse.gvfsd-fuse",
    };
    for (const char* network : kNetworkTypes)
        if (type == network)
            return true;
    return false;
}

// The kernel marks removable disks in sysfs; a partition's mark sits on its whole disk.
bool isRemovableBlockDevice(const QByteArray& device) {
    if (!device.startsWith("/dev/"))
        return false;
    const QString name = QFileInfo(QString::fromLocal8Bit(device)).fileName();
    const QString sysEntry = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (sysEntry.isEmpty())
        return false;
    for (const QString& dir : {sysEntry, QFileInfo(sysEntry).path()}) {
        QFile mark(dir + QStringLiteral("/removable"));
        if (mark.open(QIODevice::ReadOnly))
            return mark.readAll().trimmed() == "1";
    }
    return false;
}

} // namespace

DriveType driveTypeFor(const QByteArray& fileSystemType, bool removableDevice) {
    const QByteArray type = fileSystemType.toLower();
    if (type == "iso9660" || type == "udf")
        return DriveType::CdRom;
    if (type.isEmpty())
        return DriveType::Unknown;
    if (isNetworkFileSystem(type))
        return DriveType::Network;
    if (type == "tmpfs" || type == "ramfs")
        return DriveType::RamDisk;
    if (removableDevice)
        return DriveType::Removable;
    return DriveType::Fixed;
}

DriveType driveTypeOfPath(const QString& path) {
    const QStorageInfo storage(path);
    if (!storage.isValid())
        return DriveType::Unknown;
    return driveTypeFor(storage.fileSystemType(), isRemovableBlockDevice(storage.device()));
}
