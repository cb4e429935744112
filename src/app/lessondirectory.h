#pragma once

#include <QString>
#include <QStringList>

// The catalogue file whose presence marks a lesson directory.
inline constexpr const char* kCatalogueMarker = "KP_TS01.VER";

// Where the shipped lessons may be, best first: beside an installed program
// (share/kasparo) and, for a build tree, the source tree's data folder.
QStringList shippedLessonDirectories(const QString& executableDir, const QString& sourceDataDir);

// The directory to change to at start-up, or an empty string to stay: a
// learner who starts the program outside a lesson directory still gets the
// shipped lessons.
QString lessonDirectoryToUse(const QString& currentDir, const QStringList& shippedDirs);
