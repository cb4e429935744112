#pragma once

#include <QChar>
#include <QString>

// The character a keystroke in the input field gives the drill's judgement:
// Backspace, Return, Escape and Tab as control characters, a printable
// character as it is typed, and nothing for any other key. On the numeric
// keypad the arrow to the right may stand for Tab.
QChar beurteiltesZeichen(int key, const QString& text, bool rechtsAlsTab = false);
