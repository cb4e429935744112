#pragma once

#include <QChar>
#include <QStringList>

#include <map>

// The figures under a result: strokes per minute of typing time, the error
// rate, and for a drill unit the wrong keys by the key that was asked for.
namespace kennzahlen {

struct Kennzahlen {
    int anschlaege = 0;
    int fehler = 0;
    qint64 schreibzeitMs = 0;                // from the first keystroke to the end
    std::map<char16_t, int> falschJeTaste;   // drill only: expected key -> wrong keys
    std::map<char16_t, int> verlangtJeTaste; // drill only: expected key -> keys judged
};

// The figures of an exercise without the keys' details.
Kennzahlen von(int anschlaege, int fehler, qint64 schreibzeitMs);

// Keystrokes per minute; 0 without typing time.
double anschlaegeJeMinute(const Kennzahlen& k);
// Errors per hundred keystrokes; 0 without keystrokes.
double fehlerquote(const Kennzahlen& k);

// The lines that stand below a result, an empty line first; none when
// nothing was timed, as when the clock never ran.
QStringList zeilen(const Kennzahlen& k);

// How a key is named in the list of wrong keys: its character, or its name
// for the space bar, Return, Tab and the correction key.
QString tastenname(char16_t zeichen);

} // namespace kennzahlen
