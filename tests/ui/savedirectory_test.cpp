#include "ui/savedirectory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

TEST(SaveDirectory, TheStartDirectoryOnlyWhereAFileCanBeWritten) {
    QTemporaryDir root;
    QDir(root.path()).mkpath("home");
    QDir(root.path()).mkpath("lessons");
    const QString home = root.filePath("home");
    const QString lessons = root.filePath("lessons");
    QFile marker(QDir(lessons).filePath("KP_TS01.VER"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    EXPECT_EQ(saveDirectory(lessons, home), lessons);
    EXPECT_TRUE(QDir(lessons).entryList(QDir::Files | QDir::Hidden).contains("KP_TS01.VER"));
    EXPECT_EQ(QDir(lessons).entryList(QDir::Files | QDir::Hidden).size(), 1); // no probe left
    EXPECT_EQ(saveDirectory(root.filePath("fehlt"), home), home);
    EXPECT_EQ(saveDirectory(QDir(lessons).filePath("KP_TS01.VER"), home), home); // a file
    EXPECT_EQ(saveDirectory(QString(), home), home);
    if (geteuid() != 0) {
        // Nobody but the superuser writes into a folder without write permission.
        QFile::setPermissions(lessons, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(saveDirectory(lessons, home), home);
        QFile::setPermissions(lessons, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
    }
}
