#pragma once

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// The learner's history: one line per finished unit or evaluated copy-typing
// exercise, appended to a text file in the learner's data folder and never
// rewritten. The format, UTF-8, one result per line, fields separated by a
// tab:
//
//   date and time (ISO 8601, local time)  edition  unit or text
//   minutes  strokes per minute  error rate in percent
//
// for example "2026-12-09T10:15:00\tSchule\tLerneinheit 01\t9.5\t143.2\t0.8".
// Numbers have a decimal point; a line starting with "#" is a comment.
namespace lernverlauf {

struct Ergebnis {
    QDateTime zeitpunkt;
    QString ausgabe;
    QString einheit;
    double minuten = 0;
    double anschlaegeJeMinute = 0;
    double fehlerquote = 0;
};

// The line of a result, without the line break. Tabs and line breaks in the
// names become blanks, so that the line stays one record.
QString zeile(const Ergebnis& ergebnis);
// The result of a line, or none when the line is damaged.
std::optional<Ergebnis> lesen(const QString& zeile);

struct Verlauf {
    std::vector<Ergebnis> ergebnisse;
    std::vector<int> beschaedigt; // 1-based numbers of lines that could not be read
    QString fehler;               // why the file could not be read at all
};

// The name a unit has in the history, from its window caption: without the
// program's name and a dash in front and the edition's "Version ..." behind, blanks
// made single.
QString einheitsname(const QString& fenstertitel);

// Reads the whole history; a missing file is an empty history.
Verlauf lesenAus(const QString& pfad);

// Appends one line, making the folder when it is missing. The line goes to
// the file in one write at its end, so a file that cannot be read as a whole
// (a damaged line, another program's lines) keeps everything it held.
// Returns false with a German reason in `fehler`.
bool anhaengen(const QString& pfad, const Ergebnis& ergebnis, QString* fehler);

// The file in the learner's data folder.
QString standardpfad();

} // namespace lernverlauf
