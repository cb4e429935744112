#pragma once

#include "layout/screenclass.h"

#include <QRect>

#include <QSize>
#include <array>

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

// The drill window: the bar (clock, display switch, abort button), the input
// field, the information field with its five lines and the "Stopp" panel, the
// area of the line exercises and the additional-exercise label.
struct Uebungsfenster {
    QRect eingabe;
    int eingabeSchrift = 0;
    QRect info;
    Stapel infozeilen; // inside the information field
    int infozeilenSchrift = 0;
    QRect stopp; // inside the information field
    int stoppSchrift = 0;
    int knopfSchrift = 0;
    QRect schalter;
    QRect abbrechen;
    QRect uhr;
    QRect zusatz;
    QRect uebung;
};
const Uebungsfenster& uebungsfenster(ScreenClass klasse);

// A row of touching cells: cell i at left + i × width.
struct Zellenreihe {
    int links = 0;
    int oben = 0;
    int breite = 0;
    int hoehe = 0;
    int schrift = 0;
    QRect zelle(int i) const { return QRect(links + i * breite, oben, breite, hoehe); }
};

// The cells of the three line exercises, in the coordinates of their field:
// the normal line's 36 cells, the grid line's twelve cells around the framed
// centre, the ten word panels with the six colour zones beside them, and the
// size of the Return and Backspace symbols.
struct Uebungszeilen {
    QSize symbol;
    int symbolSchrift = 0;
    Zellenreihe normal;
    Zellenreihe raster; // left of the first cell; the centre frame follows the sixth
    int rasterLuecke = 0;
    int rahmenZusatz = 0; // the frame is higher than a cell by this
    int mitteOben = 0;
    int mitteKuerzer = 0;
    int rahmenSchrift = 0;
    Zellenreihe wort;
    QSize farbe;
    int farbSchrift = 0;
    int farbAbstand = 0;

    int rahmenBreite() const { return 2 * raster.breite + 16; }
    QRect rahmen() const;
    // The grid cell i (0 to 12, without the centre 6).
    QRect rasterzelle(int i) const;
    QRect farbzone(int i) const; // 0 to 2 the left column, 3 to 5 the right
};
const Uebungszeilen& uebungszeilen(ScreenClass klasse);

// The copy-typing trainer: the input field (with the reference on screen, and
// larger in the reference area's place for a print template) with its inner
// border, the header bar with the hint lines, the seven reference lines above
// the input field and as wide as it, and the row of status panels below it.
struct Schreibtrainerfenster {
    QSize fenster;
    QRect eingabe;
    int rand = 0;
    int schrift = 0;
    QRect druckEingabe;
    QRect kopf;
    int hinweisSchrift = 0;
    int vorgabeOben = 0;
    int zeilenhoehe = 0;
    int statusOben = 0;
    int statusHoehe = 0;
    int statusSchrift = 0;
};
const Schreibtrainerfenster& schreibtrainerfenster(ScreenClass klasse);

// The result window: the text field and below it the bar with the name
// entry and the three buttons.
struct Ergebnisfenster {
    QRect anzeige;
    int schrift = 0;
    QRect leiste;
    int leistenSchrift = 0;
};
const Ergebnisfenster& ergebnisfenster(ScreenClass klasse);

// The hint window: its own size (smaller in the 1280 class than in the 1152
// class), the hint text, and the row of the OK, Ja, Nein and Esc buttons.
struct Hinweisfenster {
    QSize fenster;
    QRect hinweis;
    int hinweisSchrift = 0;
    std::array<int, 4> knopfLinks{}; // OK, Ja, Nein, Esc
    int knopfOben = 0;
    QSize knopf;
    int knopfSchrift = 0;
};
const Hinweisfenster& hinweisfenster(ScreenClass klasse);

// The text font height of the editors.
int editorSchrift(ScreenClass klasse);

// Room kept between an information line and the frame of its field.
inline constexpr int kInfoRand = 4;

} // namespace tabellen
