#include "app/lessondirectory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString makeDir(const QTemporaryDir& root, const QString& name, bool withCatalogue) {
    QDir(root.path()).mkpath(name);
    const QString dir = root.filePath(name);
    if (withCatalogue) {
        QFile file(QDir(dir).filePath(kCatalogueMarker));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    }
    return dir;
}

} // namespace

TEST(LessonDirectory, StaysWhereTheCatalogueIs) {
    QTemporaryDir root;
    const QString here = makeDir(root, "hier", true);
    const QString shipped = makeDir(root, "share/kasparo", true);
    EXPECT_TRUE(lessonDirectoryToUse(here, {shipped}).isEmpty());
}

TEST(LessonDirectory, ChangesToTheFirstShippedDirectoryWithLessons) {
    QTemporaryDir root;
    const QString home = makeDir(root, "home", false);
    const QString installed = makeDir(root, "share/kasparo", false);
    const QString sourceData = makeDir(root, "src/data", true);
    EXPECT_EQ(lessonDirectoryToUse(home, {installed, sourceData}), sourceData);
    EXPECT_TRUE(lessonDirectoryToUse(home, {installed}).isEmpty());
}

TEST(LessonDirectory, InstalledLessonsLieBesideTheProgram) {
    const QStringList dirs = shippedLessonDirectories("/opt/kasparo/bin", "/src/kasparo/data/");
    EXPECT_EQ(dirs, (QStringList{"/opt/kasparo/share/kasparo", "/src/kasparo/data"}));
    EXPECT_EQ(shippedLessonDirectories("/usr/bin", "").size(), 1);
}
