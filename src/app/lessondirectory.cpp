#include "app/lessondirectory.h"

#include <QDir>
#include <QFileInfo>

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
