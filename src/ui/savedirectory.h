#pragma once

#include <QString>

// Where a save dialog opens: the start directory, unless nothing can be
// written there (an installed lesson folder); then `homeDir`.
QString saveDirectory(const QString& startDir, const QString& homeDir);
