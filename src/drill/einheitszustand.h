#pragma once

#include "drill/tastaturbelegung.h"
#include "evaluation/kennzahlen.h"

#include <QChar>
#include <QString>

// The verdict on one keystroke of a drill.
enum class Tastenurteil {
    Angenommen = 0,           // the character goes into the field
    Falsch = 1,               // a wrong key: dropped, or a correction starts
    AngenommenMitUmbruch = 2, // the line is finished and another follows
    NurUmbruch = 3,           // a line break goes in, the key itself does not
    AngenommenMitLeer = 4,    // on the keypad: the character and a blank
};

// Whether a wrong key must be taken back with Backspace before the learner
// goes on; suspended while the end of a line is expected.
enum class Korrekturmodus { Aus = 0, Ein = 1, Ausgesetzt = 3 };

// The flags of the running drill: which keyboard scheme or line exercise is
// active. The four keyboard flags mean that a keyboard exercise runs.
struct DrillMode {
    bool Volltastei = false;
    bool Blindtastei = false;
    bool Bahntastei = false;
    bool Teiltastei = false;
    bool Wortaufbau = false;
    bool Abschreibtext = false;
    bool Rasterzeile = false;
    bool Normalzeile = false;
    bool FreeMode = false;

    bool irgendeiner() const {
        return tastaturUebung() || Wortaufbau || Abschreibtext || Rasterzeile || Normalzeile ||
               FreeMode;
    }
    bool tastaturUebung() const { return Volltastei || Blindtastei || Bahntastei || Teiltastei; }
};

// Everything one lesson unit changes while it runs. Made fresh for every
// unit, so that nothing of the unit before carries over.
struct Einheitszustand {
    DrillMode Modus;
    bool InputBlocked = false; // keys are dropped during a hold for reading
    int ScriptLineIndex = 0;   // 0-based line of the script
    QString ScriptLine;        // the drill line being typed, with its marks
    int CharPos = 1;           // 1-based position of the next character
    QChar ExpectedChar;
    Tastenurteil KeyVerdict = Tastenurteil::Angenommen;
    Korrekturmodus CorrectionMode = Korrekturmodus::Aus;
    bool CorrectionPending = false;
    bool DrillClockRunning = false;
    bool LineStartPending = false;
    bool LineEndReached = false;
    int DrillLineCount = 0;
    int DrillLineNumber = 0;
    QString TeilKeySet;
    QString WegChars;
    QChar LastTypedChar;
    QChar LastKeystrokeChar;
    // The unit's figures: judged keys, wrong ones by the key asked for, and
    // the tick of the first key (-1 before it).
    kennzahlen::Kennzahlen Statistik;
    qint64 ErsterAnschlagMs = -1;
    // What the unit's keystrokes have shown of the system's keyboard layout.
    tastaturbelegung::Urteil Belegung = tastaturbelegung::Urteil::Offen;
};
