#pragma once

#include "drill/einheitszustand.h"

#include <QString>
#include <QStringList>

#include <optional>

// The lines of a lesson script: cleaning, the line kinds, the command words
// and their arguments.

// Leading and then trailing blanks removed; only the space character counts.
QString SteuerStringNetto(const QString& line);

enum class Befehl {
    Volltastei,
    Blindtastei,
    Bahntastei,
    Teiltastei,
    Wortaufbau,
    Rasterzeile,
    Normalzeile,
    Abschreibtext,
    Ziffernblock,
    Weg,
    Info,
    Korrektur,
    Ende,
    Grundstellung,
    Hand,
    Frei,
    Unbekannt,
};

bool istBefehlszeile(const QString& cleaned);

// Blanks directly after the two slashes are not part of the command.
QString ohneBlankNachSlashes(const QString& cleaned);

// The command named by the two letters after "//" (in either case); a line
// shorter than four characters names none.
Befehl befehlVon(const QString& cleaned);

// The key set of "//Teiltastei:": the characters after the colon less one
// blank; without keys the home row. Unless written for hand-impaired
// learners, the home row stands once, at the end.
inline const QString kGrundreihe = QStringLiteral("asdfjklö");
QString teilKeySet(const QString& line, bool handImpairedMode);

// The character(s) whose finger path "//Weg:" shows; none when the colon is
// the last character (the colon may be missing and is supplied).
std::optional<QString> wegZeichen(const QString& line);

// The text an info line shows: a leading blank and the text after the colon,
// less one blank after it.
QString infoText(const QString& line);

// The correction setting of "//Korrektur:": on for "ein", else off for
// "aus"; none when the line has neither.
std::optional<Korrekturmodus> korrekturModus(const QString& line);

// "//" followed by E or W and then E or N: "//Ende" or "//Weg:", before which
// the learner gets time to read an info block.
bool istEndeOderWeg(const QString& line);

// An info line (cleaned, blanks after the slashes dropped) of an info block.
bool istInfozeile(const QString& line);

inline const QString kZusatzuebungMarke = QStringLiteral("Zusatzübung -");
bool kuendigtZusatzuebungAn(const QString& line);

// Whether a line counts as a drill line when an additional exercise is added
// to the count: longer than two characters, no "/" among its first two.
bool zaehltAlsUebungszeile(const QString& line);
int zaehleUebungszeilen(const QStringList& lines, int from);

// Go to line: where drill line n stands, the command line that opens its
// block, and the correction setting the script has there.
struct Sprungziel {
    int zeile = 0;       // the drill line, or the first line for n = 0
    int blockanfang = 0; // the nearest line at or before it that begins with "/"
    Korrekturmodus korrektur = Korrekturmodus::Aus;
    bool uebungszeile = false; // false: restart from the first block
};
std::optional<Sprungziel> sprungziel(const QStringList& lines, int n);
