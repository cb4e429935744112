#pragma once

#include "ui/textfile.h"

#include <QString>
#include <QStringList>

#include <vector>

// The checker of lesson scripts: what the interpreter would stumble over,
// found before a learner meets it.

struct Befund {
    int zeile = 0;      // 1-based line of the file; 0 for the file as a whole
    bool fehler = true; // false: a note
    QString text;
};

// The findings of a script given as the lines of its file, ordered by line;
// those about the whole file come last.
std::vector<Befund> pruefeSkript(const QStringList& zeilen);

// A script file as the drill window loads it: plain text (Windows-1252 or
// UTF-8) split at its line breaks, or RTF by paragraph.
struct Skriptdatei {
    TextFileStatus status = TextFileStatus::Ok;
    QStringList zeilen;
};
Skriptdatei skriptLesen(const QString& pfad);

// The report of one file, each line led by the file's name: the drill-line
// counts by the catalogue and the own-file rule, then one line per finding.
struct Pruefbericht {
    QStringList zeilen;
    bool fehler = false;
};
Pruefbericht pruefbericht(const QString& name, const QStringList& skript);
