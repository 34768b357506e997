#include "app/startup.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(StartRefusal, TheScreenWidthIsTestedBeforeTheOtherInstance) {
    const auto narrow = startRefusal(799, true);
    ASSERT_TRUE(narrow);
    EXPECT_EQ(narrow->title, "Nur für hohe Auflösung!");
    EXPECT_EQ(narrow->text, "Die Auflösung muß mindestens\r800x600 Punkte für Sorbello\rbetragen!");

    const auto second = startRefusal(800, true);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->title, "Abbruch");
    EXPECT_EQ(second->text, "Noch ein Sorbello? Nein, eines muss reichen!");

    EXPECT_FALSE(startRefusal(800, false));
}

TEST(SingleInstance, OnlyOneInstanceHoldsTheLockUntilItEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sorbello.lock"));
    {
        SingleInstance first(path);
        ASSERT_TRUE(first.acquire());
        SingleInstance second(path);
        EXPECT_FALSE(second.acquire());
    }
    SingleInstance later(path);
    EXPECT_TRUE(later.acquire()) << "the lock goes with the instance that held it";
}

} // namespace
