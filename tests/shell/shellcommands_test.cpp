#include "modalanswers.h"
#include "shell/desktopentry.h"
#include "shell/ownaddress.h"
#include "shell/ui/shellcommands.h"
#include "support/qtprinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ShellCommandsTest : public ::testing::Test {
protected:
    ShellCommandsTest() {
        shell.executablePath = QStringLiteral("/opt/sorbello/bin/sorbello");
        shell.folders = {dir.filePath(QStringLiteral("Desktop")),
                         dir.filePath(QStringLiteral("applications"))};
        shell.driveTypeOf = [this](const QString& path) {
            askedPath = path;
            return drive;
        };
        shell.ownAddress = [this] { return address; };
    }

    QStringList entriesIn(const QString& folder) const { return QDir(folder).entryList(QDir::Files); }

    QTemporaryDir dir;
    ShellEnvironment shell;
    DriveType drive = DriveType::Fixed;
    QString askedPath;
    QString address;
};

TEST_F(ShellCommandsTest, YesToTheQuestionPutsTheEntryInThatFolderOnly) {
    struct Case {
        ShortcutPlace place;
        const char* question;
        const char* folder;
        const char* otherFolder;
        const char* fileName;
    };
    // The menu entry has the installed entry's name, so that it stands in for it.
    const Case cases[] = {
        {ShortcutPlace::Desktop,
         "Sind Sie sicher, daß Sie eine Verknüpfung mit Sorbello auf dem Desktop erstellen wollen?",
         "Desktop", "applications", "Sorbello.desktop"},
        {ShortcutPlace::StartMenu,
         "Sind Sie sicher, daß Sie eine Verknüpfung mit Sorbello im Startmenü erstellen wollen?",
         "applications", "Desktop", "sorbello.desktop"},
    };
    for (const Case& c : cases) {
        QDir(dir.path()).removeRecursively();
        ModalAnswers answers({QMessageBox::Yes});
        offerShortcut(c.place, shell, nullptr);

        ASSERT_EQ(answers.seen.size(), 1u);
        EXPECT_EQ(answers.seen[0].title, "Frage");
        EXPECT_EQ(answers.seen[0].text, QString::fromUtf8(c.question));
        EXPECT_EQ(answers.seen[0].icon, QMessageBox::Question);
        EXPECT_EQ(answers.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(entriesIn(dir.filePath(c.folder)), QStringList{c.fileName}) << c.folder;
        EXPECT_TRUE(entriesIn(dir.filePath(c.otherFolder)).isEmpty()) << c.otherFolder;
    }
}

TEST_F(ShellCommandsTest, NoToTheQuestionMakesNothing) {
    ModalAnswers answers({QMessageBox::No});
    offerShortcut(ShortcutPlace::Desktop, shell, nullptr);
    EXPECT_EQ(answers.seen.size(), 1u);
    EXPECT_TRUE(entriesIn(shell.folders.desktop).isEmpty());
    EXPECT_TRUE(askedPath.isEmpty()) << "the drive is looked at only after Yes";
}

TEST_F(ShellCommandsTest, OnlyAProgramOnAFixedDiskGetsAShortcutAndOnlyACdRomIsExplained) {
    for (DriveType type : {DriveType::CdRom, DriveType::Network, DriveType::Removable, DriveType::RamDisk,
                           DriveType::Unknown}) {
        drive = type;
        ModalAnswers answers;
        createShortcut(ShortcutPlace::Desktop, shell, nullptr);
        EXPECT_EQ(askedPath, shell.executablePath);
        EXPECT_TRUE(entriesIn(shell.folders.desktop).isEmpty()) << static_cast<int>(type);
        if (type != DriveType::CdRom) {
            EXPECT_TRUE(answers.seen.empty()) << static_cast<int>(type);
            continue;
        }
        ASSERT_EQ(answers.seen.size(), 1u);
        EXPECT_EQ(answers.seen[0].title, "Fehler!");
        EXPECT_EQ(answers.seen[0].text, "Eine Verknüpfung zum CD-Rom-Laufwerk ist unsinnig!");
        EXPECT_EQ(answers.seen[0].buttons, QMessageBox::Ok);
    }
}

TEST_F(ShellCommandsTest, CreatingTwiceLeavesOneEntryPointingAtTheProgram) {
    createShortcut(ShortcutPlace::Desktop, shell, nullptr);
    shell.executablePath = QStringLiteral("/usr/games/sorbello");
    createShortcut(ShortcutPlace::Desktop, shell, nullptr);

    ASSERT_EQ(entriesIn(shell.folders.desktop), QStringList{"Sorbello.desktop"});
    QFile file(QDir(shell.folders.desktop).filePath(QStringLiteral("Sorbello.desktop")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), desktopEntryText(QStringLiteral("/usr/games/sorbello")));
    EXPECT_TRUE(file.permissions() & QFile::ExeOwner) << "desktops launch only executable entries";
}

TEST_F(ShellCommandsTest, TheMenuEntryReplacesAnEarlierOwnEntryUnderTheOldNameButNoOtherFile) {
    const QString earlier = QDir(shell.folders.startMenu).filePath(QStringLiteral("Sorbello.desktop"));
    ASSERT_TRUE(QDir().mkpath(shell.folders.startMenu));
    writeDesktopEntry(earlier, QStringLiteral("/opt/alt/sorbello"));
    createShortcut(ShortcutPlace::StartMenu, shell, nullptr);
    EXPECT_EQ(entriesIn(shell.folders.startMenu), QStringList{"sorbello.desktop"});

    QFile foreign(earlier);
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("[Desktop Entry]\nType=Application\nName=Sorbello\nExec=/opt/alt/sorbello\n");
    foreign.close();
    createShortcut(ShortcutPlace::StartMenu, shell, nullptr);
    QStringList entries = entriesIn(shell.folders.startMenu);
    entries.sort(Qt::CaseSensitive);
    EXPECT_EQ(entries, QStringList({"Sorbello.desktop", "sorbello.desktop"}));
}

TEST_F(ShellCommandsTest, TheOwnAddressMessage) {
    address = QStringLiteral("192.168.1.23");
    ModalAnswers answers;
    showOwnAddress(shell, nullptr);
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(answers.seen[0].title, "Hinweis");
    EXPECT_EQ(answers.seen[0].icon, QMessageBox::Information);
    EXPECT_EQ(answers.seen[0].text,
              "Ihre aktuelle IP-Adresse lautet: 192.168.1.23\r\n\r\nDiese Information ist "
              "wichtig, falls Sie an einem Netzwerk-Spiel teilnehmen möchten (Siehe Hilfe).");

    address.clear();
    showOwnAddress(shell, nullptr);
    ASSERT_EQ(answers.seen.size(), 2u);
    EXPECT_EQ(answers.seen[1].title, "Hinweis");
    EXPECT_EQ(answers.seen[1].text,
              "Dieser Computer hat zurzeit keine IP-Adresse, unter der ihn ein anderer Computer erreichen "
              "könnte.")
        << "said plainly, not as an empty address";
}

TEST(OwnAddress, TheLastUsableAddressOfTheNameOrElseOneOfTheInterfaces) {
    const auto addresses = [](std::initializer_list<const char*> texts) {
        QList<QHostAddress> list;
        for (const char* text : texts)
            list << QHostAddress(QString::fromLatin1(text));
        return list;
    };
    const QList<QHostAddress> interfaces =
        addresses({"127.0.0.1", "::1", "2001:db8::7", "192.168.1.23", "10.1.1.1"});
    struct Case {
        QList<QHostAddress> resolved;
        QList<QHostAddress> interfaces;
        const char* expected;
    };
    const Case cases[] = {
        {addresses({"192.168.1.5", "10.0.0.7"}), interfaces, "10.0.0.7"},
        {addresses({"192.168.1.5", "127.0.1.1"}), interfaces, "192.168.1.5"},
        {addresses({"127.0.1.1"}), interfaces, "192.168.1.23"},
        {addresses({}), interfaces, "192.168.1.23"},
        {addresses({"fe80::1", "2001:db8::5"}), interfaces, "192.168.1.23"},
        {addresses({"127.0.1.1"}), addresses({"127.0.0.1", "::1", "fe80::1", "2001:db8::7"}), "2001:db8::7"},
        {addresses({"127.0.0.1"}), addresses({"127.0.0.1", "::1", "fe80::1"}), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chooseShownAddress(c.resolved, c.interfaces), c.expected) << c.expected;
}

} // namespace
