#pragma once

#include <QChar>
#include <QString>

// The control characters the drill judges keys as.
inline const QChar kBackspace(8);
inline const QChar kTab(9);
inline const QChar kReturn(13);
inline const QChar kEscape(27);

// The character a keystroke in the input field gives the drill's judgement:
// Backspace, Return, Escape and Tab as control characters, a printable
// character as it is typed, and nothing for any other key. On the numeric
// keypad the arrow to the right may stand for Tab.
QChar beurteiltesZeichen(int key, const QString& text, bool rechtsAlsTab = false);

// The character at a 1-based position of a drill line, none outside it.
QChar zeichenAn(const QString& zeile, int charPos);
