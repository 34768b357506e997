#include "shell/desktopentry.h"
#include "shell/drivetype.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

TEST(DriveType, OnlyAFixedDiskCountsAsFixed) {
    struct Case {
        const char* fileSystem;
        bool removable;
        DriveType expected;
    };
    const Case cases[] = {
        {"iso9660", false, DriveType::CdRom}, {"udf", true, DriveType::CdRom},
        {"ISO9660", false, DriveType::CdRom}, {"nfs4", false, DriveType::Network},
        {"cifs", false, DriveType::Network},  {"fuse.sshfs", false, DriveType::Network},
        {"tmpfs", false, DriveType::RamDisk}, {"vfat", true, DriveType::Removable},
        {"ext4", true, DriveType::Removable}, {"", false, DriveType::Unknown},
        {"ext4", false, DriveType::Fixed},    {"btrfs", false, DriveType::Fixed},
        {"overlay", false, DriveType::Fixed}, {"fuseblk", false, DriveType::Fixed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(driveTypeFor(c.fileSystem, c.removable), c.expected)
            << c.fileSystem << " removable " << c.removable;
}

TEST(DesktopEntry, ExecRunsExactlyTheProgramWhateverItsPathHolds) {
    const std::pair<QString, QString> cases[] = {
        {"/usr/games/sorbello", "/usr/games/sorbello"},
        {"/home/anna/Meine Spiele/sorbello", "\"/home/anna/Meine Spiele/sorbello\""},
        {"/opt/100%/sorbello", "/opt/100%%/sorbello"},
        {"/tmp/a\"b$c/sorbello", "\"/tmp/a\\\\\"b\\\\$c/sorbello\""},
        {"/tmp/x\\y/sorbello", "\"/tmp/x\\\\\\\\y/sorbello\""},
    };
    for (const auto& [path, exec] : cases)
        EXPECT_EQ(desktopExecValue(path), exec) << path.toStdString();
}

TEST(DesktopEntry, NamesTheProgramAndTheMaker) {
    const QStringList lines =
        desktopEntryText(QStringLiteral("/usr/games/sorbello")).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.first(), "[Desktop Entry]");
    for (const char* line : {"Type=Application", "Name=Sorbello", "Exec=/usr/games/sorbello",
                             "Comment=Link by Vuko", "Icon=sorbello"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
    // Menus hide an entry whose program is gone; TryExec is a plain path, never quoted.
    EXPECT_TRUE(desktopEntryText(QStringLiteral("/home/anna/Meine Spiele/sorbello"))
                    .split(QLatin1Char('\n'))
                    .contains("TryExec=/home/anna/Meine Spiele/sorbello"));
}

} // namespace
