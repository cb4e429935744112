#include "ui/savedirectory.h"

#include <QDir>
#include <QTemporaryFile>

QString saveDirectory(const QString& startDir, const QString& homeDir) {
    // Tried, not judged by the permission bits: they do not tell for every
    // user and file system whether a file can really be made there.
    QTemporaryFile probe(QDir(startDir).filePath(QStringLiteral(".kasparo-probe")));
    return !startDir.isEmpty() && probe.open() ? startDir : homeDir;
}
