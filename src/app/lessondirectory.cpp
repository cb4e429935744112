#include "app/lessondirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

bool holdsCatalogue(const QString& dir) {
    return !dir.isEmpty() && QFileInfo::exists(QDir(dir).filePath(QLatin1String(kCatalogueMarker)));
}

} // namespace

QStringList shippedLessonDirectories(const QString& executableDir, const QString& sourceDataDir) {
    QStringList dirs{QDir::cleanPath(executableDir + QLatin1String("/../share/kasparo"))};
    if (!sourceDataDir.isEmpty()) {
        dirs << QDir::cleanPath(sourceDataDir);
    }
    return dirs;
}

QString lessonDirectoryToUse(const QString& currentDir, const QStringList& shippedDirs) {
    if (holdsCatalogue(currentDir)) {
        return {};
    }
    for (const QString& dir : shippedDirs) {
        if (holdsCatalogue(dir)) {
            return dir;
        }
    }
    return {};
}

QString saveDirectory(const QString& startDir, const QString& homeDir) {
    // Tried, not judged by the permission bits: they do not tell for every
    // user and file system whether a file can really be made there.
    QTemporaryFile probe(QDir(startDir).filePath(QStringLiteral(".kasparo-XXXXXX")));
    return !startDir.isEmpty() && probe.open() ? startDir : homeDir;
}
