#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The print text of a result: the display text indented by eight blanks,
// wrapped at 75 characters, in pages of 63 lines whose fourth line is the
// page's header.
namespace auswertung {

inline constexpr int kSeitenzeilen = 63;
inline const QString kNichtErkannt = QStringLiteral("  Nicht erkannte Fehler!");

struct Drucktext {
    QStringList zeilen;
    QList<int> kopfzeilen; // index of each page's header line, page 1 first
    // Index of each page's first line after the first page.
    QList<int> seitenanfaenge() const;
};

// From the lines of the display: name, summary, an empty line, the text.
Drucktext drucktextBauen(const QStringList& anzeige);

// The header line of each of `seiten` pages; `name` empty stands for
// "Namenlos". A single page carries the date; the first page the hint on
// stretches that were not aligned.
QStringList kopfzeilen(int seiten, const QString& name, const QString& datum, bool hinweis);

} // namespace auswertung
