#include "qtstart.h"

#include "evaluation/fehlerauswertung.h"
#include "evaluation/markierung.h"
#include "trainer/vorgabe.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>

// The word-by-word evaluation fed a typed text and a reference. The first
// byte chooses the settings, the rest is the typed text, a zero byte, and the
// reference. The evaluation must end, its result must stay in proportion to
// the texts, and the errors it counts must be the error marks it sets.
//
// The marks that count an error, one each: "@" before a wrong word (also in
// "@<-->" for a missing and "@<Wort>" for an extra word; a "~" for a doubled
// blank stands inside such a word and adds nothing), "\<----->\" for skipped
// and "\<-- Wort -->\" for replaced text, " <------>" for a paragraph left
// early. A stretch fenced off between two "\" that is not one of those is
// not aligned and counts nothing; neither does the text after the note that
// the reference is used up. The rule can hold only when the texts bring none
// of the mark characters "@", "\" and "<" themselves: a typed "@" stands in
// the result as typed and is no error. So the count is checked on inputs
// whose settings byte asks for texts without them; those characters are then
// read as letters.

namespace {

enum Einstellung : std::uint8_t {
    Korrektur = 1,
    OhneAuswertung = 2,
    OhneMarkenzeichen = 4,
    // Bits 3 and 4: the reference as the lines of the file, as paragraphs
    // (kasparo-auswertung), or prepared with its repetition for the screen or
    // for paper (the trainer).
    VorgabeArt = 8 | 16,
};

QString ohneMarkenzeichen(QString text) {
    text.replace(QLatin1Char('@'), QLatin1Char('a'));
    text.replace(QLatin1Char('\\'), QLatin1Char('b'));
    text.replace(QLatin1Char('<'), QLatin1Char('c'));
    return text;
}

QStringList zeilen(const QString& text) {
    QString t = text;
    t.remove(QLatin1Char('\r'));
    return t.split(QLatin1Char('\n'));
}

QStringList referenzZeilen(const QStringList& dateizeilen, int art) {
    switch (art) {
    case 0:
        return dateizeilen;
    case 1:
        return vorgabe::absaetze(dateizeilen);
    case 2:
        return vorgabe::aufbereiten(dateizeilen, QStringLiteral("fuzz.txt"), true);
    default:
        return vorgabe::aufbereiten(dateizeilen, QStringLiteral("fuzz.txt"), false);
    }
}

int markenZaehlen(const QStringList& ergebniszeilen) {
    int marken = 0;
    // The name line, the summary line and the empty line after it hold no marks.
    for (qsizetype z = 3; z < ergebniszeilen.size(); ++z) {
        const QString& zeile = ergebniszeilen.at(z);
        marken += static_cast<int>(zeile.count(QLatin1Char('@')));
        marken += static_cast<int>(zeile.count(QStringLiteral("\\<----->\\")));
        marken += static_cast<int>(zeile.count(QStringLiteral("\\<-- ")));
        marken += static_cast<int>(zeile.count(QStringLiteral(" <------>")));
    }
    return marken;
}

qsizetype zeichenZahl(const QStringList& liste) {
    qsizetype n = 0;
    for (const QString& s : liste) {
        n += s.size() + 1;
    }
    return n;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzstart::anwendungErzeugen(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 1) {
        return 0;
    }
    const std::uint8_t einstellung = daten[0];
    const QByteArray rest(reinterpret_cast<const char*>(daten + 1),
                          static_cast<qsizetype>(groesse - 1));
    const qsizetype trenner = rest.indexOf('\0');
    QString getippt = fuzzstart::text(trenner < 0 ? rest : rest.left(trenner));
    QString referenz = fuzzstart::text(trenner < 0 ? QByteArray() : rest.mid(trenner + 1));
    const bool streng = einstellung & OhneMarkenzeichen;
    if (streng) {
        getippt = ohneMarkenzeichen(getippt);
        referenz = ohneMarkenzeichen(referenz);
    }

    auswertung::Uebung uebung;
    uebung.getippt = zeilen(getippt);
    uebung.vorgabe = referenzZeilen(zeilen(referenz), (einstellung & VorgabeArt) >> 3);
    uebung.korrektur = einstellung & Korrektur;
    uebung.auswertung = !(einstellung & OhneAuswertung);
    uebung.minuten = einstellung >> 5;
    uebung.anschlaege = static_cast<int>(getippt.size());
    const auswertung::Ergebnis ergebnis = auswertung::fehlerAuswertung(uebung);

    if (ergebnis.fehler < 0) {
        fuzzstart::verletzt("Auswertung: negative Fehlerzahl", QString::number(ergebnis.fehler));
    }
    if (!uebung.auswertung && ergebnis.fehler != 0) {
        fuzzstart::verletzt("Auswertung: Fehler gezählt ohne Auswertung");
    }
    // Every mark stands beside a word of the typed text: a few dozen
    // characters per typed character at the most, with the lines around.
    const qsizetype eingabe = zeichenZahl(uebung.getippt);
    const qsizetype ausgabe = zeichenZahl(ergebnis.zeilen);
    if (ausgabe > 32 * eingabe + 256) {
        fuzzstart::verletzt("Auswertung: Ergebnis außer Verhältnis zur Eingabe",
                            QString::number(ausgabe) + QLatin1String(" Zeichen aus ") +
                                QString::number(eingabe));
    }
    if (streng && markenZaehlen(ergebnis.zeilen) != ergebnis.fehler) {
        fuzzstart::verletzt("Auswertung: Fehlerzahl ungleich Zahl der Fehlermarken",
                            QString::number(ergebnis.fehler) + QLatin1String(" gezählt, ") +
                                QString::number(markenZaehlen(ergebnis.zeilen)) +
                                QLatin1String(" markiert\n") +
                                ergebnis.zeilen.join(QLatin1Char('\n')));
    }
    // The result window and the RTF output turn the marks into styles.
    const auswertung::Darstellung darstellung =
        auswertung::markierungenUmsetzen(ergebnis.zeilen.join(QLatin1Char('\n')));
    if (darstellung.stile.size() != static_cast<std::size_t>(darstellung.text.size())) {
        fuzzstart::verletzt("Markierung: nicht ein Stil je Zeichen");
    }
    return 0;
}
