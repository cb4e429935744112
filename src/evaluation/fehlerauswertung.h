#pragma once

#include <QString>
#include <QStringList>

// The evaluation of a copy-typing exercise: the typed text against its
// reference, paragraph by paragraph, and the result text that the result
// window shows.
namespace auswertung {

struct Uebung {
    QStringList getippt; // lines of the input field; an empty line ends a paragraph
    QStringList vorgabe; // lines of the prepared reference, paragraphs the same way
    bool korrektur = false;
    bool auswertung = true; // without it the text is only laid out
    int minuten = 0;        // time limit, 0 without one
    int anschlaege = 0;     // keystrokes as recounted from the typed text
};

struct Ergebnis {
    // Name line ("Namenlos"), summary line, an empty line, then the marked
    // paragraphs, each followed by empty lines; no empty line at the end.
    QStringList zeilen;
    int fehler = 0;
    bool unerkannt = false; // a stretch is fenced off uncounted
};

inline const QString kNamenlos = QStringLiteral("Namenlos");
inline const QString kUeberschuss =
    QStringLiteral("\\Ab hier Text, der nicht in der Vergleichsdatei enthalten ist.\\");

Ergebnis fehlerAuswertung(const Uebung& uebung);

// "Mit Korrektur  1432 Anschläge  7 Fehler  10 Minuten".
QString zusammenfassung(bool korrektur, int anschlaege, bool auswertung, int fehler, int minuten);

} // namespace auswertung
