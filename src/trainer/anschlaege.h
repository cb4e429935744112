#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <Qt>

// Keystrokes as the copy-typing trainer counts them: a character typed
// without Shift is one keystroke, a shifted one two.
namespace anschlaege {

// What a character of the typed text is worth when the evaluation recounts:
// 1 for the unshifted set, 2 for the shifted set, 0 for anything else
// ("<", ">", "@", "\", "|" and the AltGr characters among them).
int wert(QChar zeichen);

// The recount from the typed lines: an empty line stands for the two Returns
// of a paragraph end.
int neuZaehlen(const QStringList& zeilen);

// The live count while the learner types.
class Zaehler {
public:
    int stand() const { return stand_; }
    void zuruecksetzen() { stand_ = 0; }
    // A key other than Backspace and Delete (Qt key code and modifiers).
    void taste(int key, Qt::KeyboardModifiers modifiers);
    // Backspace (`rueckwaerts`) or Delete at `spalte` of the caret's line:
    // takes away what the removed character was worth.
    void loeschen(const QString& zeile, int spalte, bool rueckwaerts);

private:
    int stand_ = 0;
};

} // namespace anschlaege
