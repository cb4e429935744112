#pragma once

#include "layout/screenclass.h"

#include <QRect>
#include <QSize>

// Where the controls of a window stand in each screen class, as data. Each
// window applies its table to its own controls; the rule kinds are a fixed
// rectangle, a stack (each next control lower by a step) and a line of text.
namespace tabellen {

struct Stapel {
    QRect erstes;
    int schritt = 0;
    QRect an(int i) const { return erstes.translated(0, i * schritt); }
};

struct Schriftzeile {
    int oben = 0;
    int hoehe = 0;
    int schrift = 0; // font height, written negative
};

// The start window: the menu with its stack of module buttons, each with its
// Info button to the right, and the logo and name lines in one column.
struct Startfenster {
    QRect menue;
    Stapel knoepfe;
    int infoAbstand = 0;
    int infoBreite = 0;
    int schrift = 0;
    int spalteLinks = 0;
    int spalteBreite = 0;
    Schriftzeile logo;
    Schriftzeile name1;
    Schriftzeile name4;
};
const Startfenster& startfenster(ScreenClass klasse);

// The selection window: every catalogue list in the same frame, OK and back
// below it, and the school edition's menu with its stack of six buttons.
struct Auswahlfenster {
    QRect rahmen;
    QRect liste; // inside the frame
    int schrift = 0;
    int zeilenhoehe = 0;
    QRect ok;
    QRect zurueck;
    QRect menue;
    int menueSchrift = 0;
    Stapel menueKnoepfe; // inside the menu
};
const Auswahlfenster& auswahlfenster(ScreenClass klasse);

} // namespace tabellen
