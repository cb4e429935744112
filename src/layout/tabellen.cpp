#include "layout/tabellen.h"

#include <algorithm>
#include <array>

namespace tabellen {
namespace {

std::size_t index(ScreenClass klasse) {
    return static_cast<std::size_t>(klasse);
}

// The module buttons stand one step apart; the Info button keeps a gap of 10.
constexpr int kInfoAbstand = 10;

const std::array<Startfenster, 4> kStartfenster{{
    {{70, 60, 260, 350},
     {{25, 50, 170, 40}, 60},
     kInfoAbstand,
     45,
     -17,
     380,
     380,
     {120, 110, -80},
     {250, 36, -26},
     {300, 30, -20}},
    {{64, 64, 330, 440},
     {{35, 66, 209, 48}, 72},
     kInfoAbstand,
     60,
     -19,
     470,
     480,
     {150, 140, -100},
     {310, 44, -32},
     {370, 36, -24}},
    {{70, 75, 360, 490},
     {{27, 75, 250, 60}, 80},
     kInfoAbstand,
     60,
     -21,
     520,
     560,
     {170, 160, -112},
     {350, 50, -36},
     {415, 40, -27}},
    {{50, 80, 430, 520},
     {{35, 90, 280, 65}, 85},
     kInfoAbstand,
     80,
     -23,
     580,
     620,
     {190, 170, -124},
     {380, 56, -40},
     {450, 44, -30}},
}};

// The school menu's six buttons share its height below the caption.
Stapel menueStapel(const QRect& menue) {
    constexpr int kKnoepfe = 6;
    const int schritt = (menue.height() - 40) / kKnoepfe;
    return {QRect(20, 32, menue.width() - 40, schritt - 12), schritt};
}

// OK under the list's left edge, back under its right edge.
Auswahlfenster auswahl(QRect rahmen, QRect liste, int schrift, int zeilenhoehe, QSize knopf,
                       int knopfOben, QRect menue, int menueSchrift) {
    const QRect ok(QPoint(rahmen.left() + liste.left(), knopfOben), knopf);
    const QRect zurueck(
        QPoint(rahmen.left() + rahmen.width() - liste.left() - knopf.width(), knopfOben), knopf);
    return {rahmen,  liste, schrift,      zeilenhoehe,       ok,
            zurueck, menue, menueSchrift, menueStapel(menue)};
}

const std::array<Auswahlfenster, 4> kAuswahlfenster{{
    auswahl({50, 50, 380, 380}, {16, 38, 350, 320}, -13, 19, {150, 32}, 450, {52, 52, 310, 420},
            -15),
    auswahl({64, 64, 480, 480}, {16, 48, 440, 400}, -17, 19, {180, 40}, 580, {64, 64, 393, 520},
            -16),
    auswahl({71, 71, 530, 530}, {20, 53, 490, 440}, -18, 21, {200, 44}, 620, {70, 70, 430, 570},
            -18),
    auswahl({80, 80, 540, 580}, {20, 59, 500, 490}, -19, 24, {220, 50}, 690, {77, 77, 480, 630},
            -20),
}};

// Controls that no table of the description places scale with the window
// width from the 800 class.
QRect skaliert(ScreenClass klasse, QRect r) {
    constexpr std::array<double, 4> kFaktor{1.0, 1.28, 1.44, 1.6};
    const double f = kFaktor[index(klasse)];
    return QRect(int(r.left() * f), int(r.top() * f), int(r.width() * f), int(r.height() * f));
}

Uebungsfenster uebung(ScreenClass klasse, QRect eingabe, int eingabeSchrift, QRect info,
                      QRect zeile, int zeilenSchrift, QSize stopp, int stoppSchrift,
                      int knopfSchrift, QRect schalter, QRect abbrechen) {
    // The information lines stay inside their field, also where the class's
    // line width would reach past its frame.
    zeile.setWidth(std::min(zeile.width(), info.width() - zeile.left() - kInfoRand));
    // The clock stands in the bar, as high as the buttons there.
    const QRect uhr = skaliert(klasse, {25, 20, 130, 26});
    return {eingabe,
            eingabeSchrift,
            info,
            {zeile, zeile.height()},
            zeilenSchrift,
            QRect(QPoint(0, zeile.top()), stopp),
            stoppSchrift,
            knopfSchrift,
            schalter,
            abbrechen,
            QRect(uhr.left(), abbrechen.top(), uhr.width(), abbrechen.height()),
            skaliert(klasse, {25, 520, 300, 26}),
            skaliert(klasse, {25, 80, 760, 220})};
}

const std::array<Uebungsfenster, 4> kUebungsfenster{{
    uebung(ScreenClass::C800, {25, 400, 760, 105}, -16, {25, 370, 760, 140}, {94, 13, 670, 24}, -18,
           {93, 33}, -18, -13, {250, 20, 120, 26}, {665, 20, 120, 26}),
    uebung(ScreenClass::C1024, {32, 488, 945, 140}, -21, {32, 488, 945, 177}, {96, 15, 840, 30},
           -23, {95, 38}, -22, -16, {350, 24, 145, 30}, {832, 24, 145, 30}),
    uebung(ScreenClass::C1152, {42, 520, 1050, 160}, -24, {42, 520, 1050, 196}, {106, 17, 930, 33},
           -26, {108, 42}, -24, -18, {400, 27, 160, 33}, {930, 27, 160, 33}),
    uebung(ScreenClass::C1280, {54, 600, 1165, 200}, -25, {54, 600, 1165, 216}, {110, 19, 1050, 36},
           -29, {114, 50}, -26, -20, {410, 30, 180, 38}, {1035, 30, 180, 38}),
}};

// The grid line stands centred in the exercise field.
Uebungszeilen zeilen(ScreenClass klasse, QSize symbol, int symbolSchrift, Zellenreihe normal,
                     Zellenreihe raster, int rahmenZusatz, int mitteOben, int mitteKuerzer,
                     int rahmenSchrift, Zellenreihe wort, QSize farbe, int farbSchrift) {
    constexpr int kLuecke = 6;
    const int feldBreite = kUebungsfenster[index(klasse)].uebung.width();
    raster.links = (feldBreite - 12 * raster.breite - (2 * raster.breite + 16) - 2 * kLuecke) / 2;
    return {symbol,    symbolSchrift, normal,        raster, kLuecke, rahmenZusatz,
            mitteOben, mitteKuerzer,  rahmenSchrift, wort,   farbe,   farbSchrift,
            4};
}

const std::array<Uebungszeilen, 4> kUebungszeilen{{
    zeilen(ScreenClass::C800, {40, 40}, -32, {14, 50, 20, 44, -26}, {0, 80, 44, 50, -26}, 70, 26,
           34, -13, {20, 60, 52, 70, -40}, {90, 30}, -12),
    zeilen(ScreenClass::C1024, {50, 50}, -40, {5, 64, 26, 56, -32}, {0, 100, 56, 64, -32}, 84, 30,
           38, -16, {26, 76, 68, 90, -40}, {115, 38}, -15),
    zeilen(ScreenClass::C1152, {56, 56}, -46, {17, 72, 28, 62, -36}, {0, 112, 62, 72, -36}, 92, 32,
           40, -18, {30, 86, 78, 100, -40}, {130, 42}, -17),
    zeilen(ScreenClass::C1280, {62, 62}, -52, {18, 80, 31, 70, -40}, {0, 124, 70, 80, -40}, 100, 34,
           42, -20, {32, 96, 86, 112, -40}, {144, 46}, -19),
}};

const std::array<Schreibtrainerfenster, 4> kSchreibtrainerfenster{{
    {{800, 600},
     {50, 300, 680, 185},
     12,
     -19,
     {50, 120, 663, 370},
     {10, 4, 780, 66},
     -12,
     72,
     31,
     495,
     26,
     -13},
    {{1024, 780},
     {60, 380, 820, 270},
     15,
     -23,
     {60, 150, 790, 470},
     {12, 6, 1000, 86},
     -15,
     100,
     38,
     668,
     30,
     -16},
    {{1152, 864},
     {70, 430, 917, 280},
     18,
     -25,
     {70, 165, 892, 520},
     {14, 6, 1124, 96},
     -17,
     110,
     44,
     725,
     32,
     -18},
    {{1280, 962},
     {80, 430, 1021, 340},
     23,
     -28,
     {80, 180, 989, 600},
     {16, 6, 1248, 100},
     -18,
     112,
     45,
     785,
     34,
     -19},
}};

} // namespace

QRect Uebungszeilen::rahmen() const {
    const int hoehe = raster.hoehe + rahmenZusatz;
    return QRect(raster.links + 6 * raster.breite + rasterLuecke,
                 raster.oben - (hoehe - raster.hoehe) / 2, rahmenBreite(), hoehe);
}

QRect Uebungszeilen::rasterzelle(int i) const {
    if (i < 6) {
        return raster.zelle(i);
    }
    const int rechts = raster.links + 6 * raster.breite + rahmenBreite() + 2 * rasterLuecke;
    return QRect(rechts + (i - 7) * raster.breite, raster.oben, raster.breite, raster.hoehe);
}

QRect Uebungszeilen::farbzone(int i) const {
    const int links = wort.zelle(10).left() + 16;
    const int spalte = i / 3;
    const int zeile = i % 3;
    return QRect(links + spalte * (farbe.width() + farbAbstand),
                 wort.oben + zeile * (farbe.height() + farbAbstand), farbe.width(), farbe.height());
}

const Startfenster& startfenster(ScreenClass klasse) {
    return kStartfenster[index(klasse)];
}

const Auswahlfenster& auswahlfenster(ScreenClass klasse) {
    return kAuswahlfenster[index(klasse)];
}

const Uebungsfenster& uebungsfenster(ScreenClass klasse) {
    return kUebungsfenster[index(klasse)];
}

const Uebungszeilen& uebungszeilen(ScreenClass klasse) {
    return kUebungszeilen[index(klasse)];
}

const std::array<Ergebnisfenster, 4> kErgebnisfenster{{
    {{32, 40, 690, 320}, -16, {32, 376, 690, 96}, -14},
    {{40, 48, 857, 400}, -19, {40, 468, 857, 112}, -16},
    {{44, 53, 940, 440}, -21, {44, 513, 940, 124}, -18},
    {{49, 59, 1040, 485}, -23, {49, 564, 1040, 136}, -20},
}};

const Ergebnisfenster& ergebnisfenster(ScreenClass klasse) {
    return kErgebnisfenster[index(klasse)];
}

const std::array<Hinweisfenster, 4> kHinweisfenster{{
    {{480, 245}, {6, 13, 460, 160}, -16, {6, 86, 166, 256}, 180, {70, 24}, -10},
    {{600, 300}, {8, 16, 575, 190}, -19, {10, 110, 210, 310}, 224, {90, 30}, -12},
    {{660, 330}, {8, 18, 634, 205}, -22, {10, 120, 230, 340}, 250, {100, 33}, -13},
    {{605, 290}, {8, 16, 582, 195}, -20, {10, 110, 210, 310}, 224, {90, 30}, -12},
}};

const Hinweisfenster& hinweisfenster(ScreenClass klasse) {
    return kHinweisfenster[index(klasse)];
}

int editorSchrift(ScreenClass klasse) {
    return std::array{-16, -19, -21, -23}[index(klasse)];
}

const Schreibtrainerfenster& schreibtrainerfenster(ScreenClass klasse) {
    return kSchreibtrainerfenster[index(klasse)];
}

} // namespace tabellen
