#pragma once

#include "trainer/anschlaege.h"

#include <QString>

// Where one copy-typing exercise stands; made fresh for every exercise.
struct Uebungszustand {
    enum class Phase { Schreiben, Korrektur, Ende };
    Phase phase = Phase::Schreiben;

    // The window serves as the plain editor.
    bool einfacherEditor = false;

    // The reference file, empty when the exercise has none.
    QString datei;

    // The caret in the input field: its displayed line and the column in it.
    int CaretLine = 0;
    int CaretColumn = 0;

    // The reference line marked yellow, the one shown in the first of the
    // seven boxes, and the input line up to which the mark has followed.
    int CurrentRefLine = 0;
    int ersteZeile = 0;
    int FollowedInputLine = 0;

    // The first Return of a paragraph end is typed; the second must follow.
    bool ParagraphEndPending = false;
    // The marked reference line is the last of its paragraph.
    bool ParagraphLastLine = false;
    // A key came after the one that started the clock.
    bool TrainerKeyAfterStart = false;

    anschlaege::Zaehler anschlaege;

    // The typing time for the figures of the result: the tick of the first
    // key taken (-1 before it), and the time up to the end of typing.
    qint64 schreibbeginnMs = -1;
    qint64 schreibzeitMs = 0;
};
