#pragma once

#include <QString>

// File dialog filters are written as pairs "Beschreibung|Muster|...", for
// example "Tastaturschulung(*.ts)|*.ts|Alle Dateien(*.*)|*.*". Qt wants
// "Tastaturschulung (*.ts);;Alle Dateien (*)".
QString qtFileFilter(const QString& pairs);

// The 0-based index of `qtFilter` among the filters of `pairs`, or 0.
int fileFilterIndex(const QString& pairs, const QString& qtFilter);
