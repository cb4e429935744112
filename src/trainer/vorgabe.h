#pragma once

#include <QString>
#include <QStringList>

// The reference text of a copy-typing exercise as the trainer prepares it
// from a file, and the texts of the trainer's status displays.
namespace vorgabe {

// The line between the text and its repetition, and the last line of a text
// on screen; both are lines of the reference, shown in red.
inline const QString kWiederholung =
    QStringLiteral("[-----   Text-Wiederholung = 2-mal RETURN  -  sonst BEENDEN   -----]");
inline const QString kEndemarke =
    QStringLiteral("[-- Ende des Vorgabetextes - Klicken Sie auf \"Beenden\". --]");
// A reference line that holds one of them.
inline const QString kMarkeAnfang = QStringLiteral("[-");
inline const QString kRoteZeile = QStringLiteral("[--");
inline const QString kWiederholungsKennung = QStringLiteral("[-----   Text");
inline const QString kEndeKennung = QStringLiteral("[-- Ende");

// Copy texts of these units are offered once and get no correction phase.
bool ohneWiederholung(const QString& dateiname);

// The lines of a file as paragraphs: one line per paragraph, an empty line
// between two paragraphs. Empty lines at the start and the end make no
// paragraph, a run of empty (or blank) lines makes one break. Every line of the file
// ends in a blank inside its paragraph.
QStringList absaetze(const QStringList& dateizeilen);

// The whole reference: the paragraphs, unless `dateiname` forbids it the
// separator (an empty line when the text is copied from paper) and the
// paragraphs once more, and on screen the end marker.
QStringList aufbereiten(const QStringList& dateizeilen, const QString& dateiname,
                        bool amBildschirm);

// The window caption for a reference file (`pfad` with or without folder);
// `zusatz` is the edition's addition.
QString fenstertitel(const QString& pfad, const QString& zusatz);

// "  Zeit: 1 Minute", "  Zeit: 10 Minuten", "  Ohne Zeitvorgabe".
QString zeitvorgabe(int minuten);
// "  Restzeit  09:59".
QString restzeit(int sekunden);
// "Zeile 03 von 12   Zeichen 07"; without `vorgabezeilen` (below 0) the
// number of lines is left out.
QString position(int zeile, int spalte, int vorgabezeilen);

} // namespace vorgabe
