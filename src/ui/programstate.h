#pragma once

#include <QChar>
#include <QString>

// The state several windows read and write. One object, owned by the
// application and handed to every window; whoever starts a module resets
// what that module needs.
struct ProgramState {
    // Edition flags: set once before the first window exists, then only read.
    bool EditionSchool = false;
    bool EditionTeacher = false;
    bool EditionProgrammed = false;
    bool EditionSelfStudy = false;
    bool EditionOffice = false;
    bool EditionCompact = false;
    bool EditionHandImpaired = false;

    // Exactly one is true once the screen adaptation window exists.
    bool ScreenClass800 = false;
    bool ScreenClass1024 = false;
    bool ScreenClass1152 = false;
    bool ScreenClass1280 = false;

    // The current directory at start-up: file dialogs open there, and
    // catalogue files and information documents are opened from it.
    QString StartDirectory;
    // The learner's history file; empty, nothing is recorded (as in the tests).
    QString LernverlaufDatei;

    // Keyboard-writing drills.
    bool NumpadMode = false;
    bool HandImpairedMode = false;

    // Copy-typing trainer: how the next exercise runs, and its counters.
    bool TrainerScreenText = false;    // the reference text stands on screen
    bool TrainerPrintTemplate = false; // the learner copies from paper
    bool TrainerCorrection = false;
    bool TrainerEvaluation = false;
    bool TrainerTimed = false;
    bool TrainerClockRunning = false;
    int TrainerTimeSeconds = 0;
    int TrainerMinutes = 0;
    int KeystrokeCount = 0;
    // The last evaluation fenced off typed text it could not align.
    bool UnrecognisedErrors = false;

    // Before a copy-typing exercise is set up: no settings, no time, no count.
    void trainerZuruecksetzen() {
        TrainerScreenText = false;
        TrainerPrintTemplate = false;
        TrainerCorrection = false;
        TrainerEvaluation = false;
        TrainerTimed = false;
        TrainerClockRunning = false;
        TrainerTimeSeconds = 0;
        TrainerMinutes = 0;
        KeystrokeCount = 0;
    }
};
