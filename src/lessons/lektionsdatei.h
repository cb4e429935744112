#pragma once

#include <QString>
#include <QStringList>

// What the selection does to a lesson file before the drill window gets it.

// Leading and trailing blank lines go, and every run of blank lines between
// text becomes exactly one.
QStringList leerzeilenNormalisieren(const QStringList& zeilen);

// Drill lines of a catalogue unit: from the second line on, lines longer than
// two characters that are no command; a command announcing the additional
// exercise ends the count.
int katalogUebungszeilen(const QStringList& zeilen);

// Drill lines of an own file: every line longer than two characters with no
// "/" among its first two.
int eigeneUebungszeilen(const QStringList& zeilen);

// The drill window's caption for an own file: its name up to the last dot.
QString eigenerTitel(const QString& pfad, bool kompakt);
