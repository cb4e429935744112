#include "layout/tabellen.h"

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

} // namespace

const Startfenster& startfenster(ScreenClass klasse) {
    return kStartfenster[index(klasse)];
}

const Auswahlfenster& auswahlfenster(ScreenClass klasse) {
    return kAuswahlfenster[index(klasse)];
}

} // namespace tabellen
