#pragma once

#include <QChar>
#include <QString>

// Whether the system's keyboard layout is German, read off a keystroke: the
// key event's native scan code names the key's place on the keyboard (X11
// and Wayland: the evdev code plus 8), its text what the layout made of it.
// Only the keys whose character differs between the German layout and the
// common others decide: the places of Z, Y, Ü, Ö, Ä, ß and the hyphen.
namespace tastaturbelegung {

enum class Urteil { Offen, Deutsch, Fremd };

struct Befund {
    Urteil urteil = Urteil::Offen;
    QString ort;    // where the key stands, for the message
    QChar deutsch;  // what the German layout gives there
    QChar bekommen; // what the key gave
};

Befund pruefen(quint32 scancode, const QString& text);

// The message for a layout that is not German.
QString meldung(const Befund& befund);

} // namespace tastaturbelegung
