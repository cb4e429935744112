#pragma once

#include "keyboard/keytable.h"

#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

// What marking the next key needs to know of each character: the key that
// types it, the finger's home key, the guide keys of the blind scheme, the
// shift key of the other hand and the finger path of the partial scheme.
namespace tastei {

// The key that types the character (Tab, Return, space; the at sign stands
// for Backspace), or none.
std::optional<KeyId> tasteFuer(QChar zeichen);

// The character is the second label of its key (typed with shift).
bool istZweitbelegung(QChar zeichen);

struct Fuehrung {
    std::optional<KeyId> heimtaste;
    std::vector<KeyId> fuehrungstasten; // shown blank in the blind scheme
    std::vector<KeyId> verdecken;       // hidden again after typing in the blind scheme
};
Fuehrung fuehrungFuer(QChar zeichen);

enum class Umschaltung { Keine, Rechts, Links };
Umschaltung umschaltungFuer(QChar zeichen);

// The lower-case accented vowels the keyboard builds from accent and letter.
bool istAkzentbuchstabe(QChar zeichen);
QChar grundvokal(QChar zeichen);
bool mitGravis(QChar zeichen);

inline const QString kReihenfolge =
    QStringLiteral("Reihenfolge: 1. Akzenttaste  2. Buchstabentaste");

// The finger walking from its home key towards the target: N steps of one
// divisor-th of the distance each.
struct Fingerweg {
    KeyId heimtaste;
    int schritte;
    int teiler;
    int warteHin; // ms per step
    int warteZurueck;
};
std::optional<Fingerweg> fingerwegFuer(QChar zeichen);

// The step of a walk from `von` to `nach`, each coordinate truncated toward zero.
QPoint wegschritt(QPoint von, QPoint nach, int teiler);

// The demonstration of a new finger path: the home key the finger leaves
// from ("{" stands for Tab), none for characters without a path.
std::optional<KeyId> vorfuehrungHeimtaste(QChar zeichen);
// Its first information line, for example "Der neue Fingerweg führt zum Komma.".
QString fingerwegText(QChar zeichen);

} // namespace tastei
