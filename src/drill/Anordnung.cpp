#include "drill/Tastaturschreiben.h"

#include "drill/wortaufbau.h"
#include "keyboard/Bildschirmtastatur.h"
#include "keyboard/keygeometry.h"
#include "layout/screenclass.h"
#include "layout/tabellen.h"
#include "ui/anordnen.h"
#include "ui/panel.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

// The drill window laid out for its screen class: the bar, the input and
// information fields, the three line exercises and the on-screen keyboard.

namespace {

// Room a group box caption needs beyond its font's pixel size.
constexpr int kTitelRand = 4;
// The smallest font height a bar label shrinks to.
constexpr int kKleinsteSchrift = -9;

} // namespace

void TFensterTastaturschreiben::Anordnen() {
    const tabellen::Uebungsfenster& t = tabellen::uebungsfenster(currentScreenClass(state()));
    setFixedSize(fenstergroesse(state()));
    Texteingabefeld->setGeometry(t.eingabe);
    Texteingabefeld->setTextFont(QStringLiteral("Courier New"), t.eingabeSchrift);

    InfoFeld->setGeometry(t.info);
    // The field's caption fits above its first line.
    setzeSchrift(InfoFeld, -(t.infozeilen.erstes.top() - kTitelRand));
    const std::array<Panel*, 5> zeilen{Infozeile1, InfoZeile2, InfoZeile3, InfoZeile4, InfoZeile5};
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        zeilen[i]->setGeometry(t.infozeilen.an(static_cast<int>(i)));
        zeilen[i]->setFont(QStringLiteral("Arial"), t.infozeilenSchrift);
    }
    StoppStart->setGeometry(t.stopp);
    StoppStart->setFont(QStringLiteral("Arial"), t.stoppSchrift, true);

    TasteiZeileButton->setGeometry(t.schalter);
    AbbrechenButton->setGeometry(t.abbrechen);
    Uhr->setGeometry(t.uhr);
    zeilenzaehlerUndSprung(t.knopfSchrift);
    Zusatzuebung->setGeometry(t.zusatz);
    for (QWidget* w :
         std::initializer_list<QWidget*>{TasteiZeileButton, AbbrechenButton, Uhr, Zusatzuebung}) {
        setzeSchrift(w, t.knopfSchrift);
    }

    // The line exercises take the place of the keyboard.
    for (QGroupBox* feld : {NormalzeilenFeld, Rasterzeilenfeld, WortaufbauFeld}) {
        feld->setGeometry(t.uebung);
        setzeSchrift(feld, t.knopfSchrift);
    }
    uebungszeilenAnordnen();
    NormalTastei();
}

void TFensterTastaturschreiben::zeilenzaehlerUndSprung(int schrift) {
    // The line counter and its click hint stand in the bar between the display
    // switch and the abort button; where a class leaves them too little room,
    // their font shrinks until both fit.
    const QString muster = QStringLiteral(" Zeile 888 von Zeile 888 ");
    const int rand = 12;
    const int luecke = 5;
    const QRect schalter = TasteiZeileButton->geometry();
    const QRect abbrechen = AbbrechenButton->geometry();
    const int frei = abbrechen.left() - schalter.right() - 3 * luecke;
    QFont font = Zeilennummern->font();
    int zaehlerBreite = 0;
    int klickBreite = 0;
    int hoehe = schrift;
    for (; hoehe <= kKleinsteSchrift; ++hoehe) {
        font.setPixelSize(pixelSizeForHeight(hoehe));
        const QFontMetrics masse(font);
        zaehlerBreite = masse.horizontalAdvance(muster) + rand;
        klickBreite = masse.horizontalAdvance(KlickZeile->caption()) + rand;
        if (zaehlerBreite + klickBreite <= frei) {
            break;
        }
    }
    setzeSchrift(Zeilennummern, std::min(hoehe, kKleinsteSchrift));
    setzeSchrift(KlickZeile, std::min(hoehe, kKleinsteSchrift));
    const int klickLinks = abbrechen.left() - luecke - klickBreite;
    KlickZeile->setGeometry(klickLinks, abbrechen.top(), klickBreite, abbrechen.height());
    Zeilennummern->setGeometry(klickLinks - luecke - zaehlerBreite, abbrechen.top(), zaehlerBreite,
                               abbrechen.height());

    // The go-to-line panel opens just below the counter, reaching to the
    // right edge of the hidden abort button.
    const int links = Zeilennummern->x();
    GeheZuZeile->setGeometry(links, abbrechen.bottom() + luecke, abbrechen.right() - links + 1,
                             abbrechen.height() + 2 * rand);
    setzeSchrift(GeheZuZeile, schrift);
    ZeilNumEingabe->setFixedWidth(
        QFontMetrics(GeheZuZeile->font()).horizontalAdvance(QStringLiteral("88888")) + rand);
}

void TFensterTastaturschreiben::uebungszeilenAnordnen() {
    const ProgramState& s = state();
    const QString courier = QStringLiteral("Courier New");
    const int symbolSchrift = perClass(s, std::array{-32, -40, -46, -52});
    const QSize symbol =
        perClass(s, std::array{QSize(40, 40), QSize(50, 50), QSize(56, 56), QSize(62, 62)});

    // Normal line: 36 touching cells; its Return panel moves under the current cell.
    const int nLinks = perClass(s, std::array{14, 5, 17, 18});
    const int nBreite = perClass(s, std::array{20, 26, 28, 31});
    const int nOben = perClass(s, std::array{50, 64, 72, 80});
    const int nHoehe = perClass(s, std::array{44, 56, 62, 70});
    const int nSchrift = perClass(s, std::array{-26, -32, -36, -40});
    for (std::size_t i = 0; i < Normal.size(); ++i) {
        Normal[i]->setGeometry(nLinks + int(i) * nBreite, nOben, nBreite, nHoehe);
        Normal[i]->setFont(courier, nSchrift, true);
    }
    const int unter = nOben + nHoehe + 12;
    NormalzeileReturn->setGeometry(QRect(QPoint(nLinks, unter), symbol));
    NormalzeileBack->setGeometry(
        QRect(QPoint(nLinks + kNormalzellen * nBreite - symbol.width(), unter), symbol));

    // Grid line: six cells, the large centre in its frame, six cells.
    const int rBreite = perClass(s, std::array{44, 56, 62, 70});
    const int rHoehe = perClass(s, std::array{50, 64, 72, 80});
    const int rOben = perClass(s, std::array{80, 100, 112, 124});
    const int rahmenBreite = 2 * rBreite + 16;
    const int luecke = 6;
    const int rLinks = (Rasterzeilenfeld->width() - 12 * rBreite - rahmenBreite - 2 * luecke) / 2;
    const int rechts = rLinks + 6 * rBreite + rahmenBreite + 2 * luecke;
    for (std::size_t i = 0; i < Raster.size(); ++i) {
        if (i == 6) {
            continue;
        }
        const int links = i < 6 ? rLinks + int(i) * rBreite : rechts + int(i - 7) * rBreite;
        Raster[i]->setGeometry(links, rOben, rBreite, rHoehe);
        Raster[i]->setFont(courier, nSchrift, true);
    }
    Raster7L->setGeometry(rLinks + 6 * rBreite, rOben, luecke, rHoehe);
    Raster7R->setGeometry(rechts - luecke, rOben, luecke, rHoehe);
    const int rahmenHoehe = rHoehe + perClass(s, std::array{70, 84, 92, 100});
    Zentrum->setGeometry(rLinks + 6 * rBreite + luecke, rOben - (rahmenHoehe - rHoehe) / 2,
                         rahmenBreite, rahmenHoehe);
    setzeSchrift(Zentrum, perClass(s, std::array{-13, -16, -18, -20}));
    const QRect mitte(8, perClass(s, std::array{26, 30, 32, 34}), rahmenBreite - 16,
                      rahmenHoehe - perClass(s, std::array{34, 38, 40, 42}));
    for (Panel* p : {Raster[6], Leerzeichen, RasterzeileReturn}) {
        p->setGeometry(mitte);
    }
    Raster[6]->setFont(courier, 2 * nSchrift, true);
    Leerzeichen->setFont(QStringLiteral("Arial"), nSchrift, true);
    RasterzeileReturn->setFont(QStringLiteral("Arial"), 2 * nSchrift, true);
    RasterzeileBack->setGeometry(
        QRect(QPoint(rechts + 6 * rBreite - symbol.width(), rOben + rHoehe + 30), symbol));

    // Word building: ten panels, the six colour panels beside them.
    const int wBreite = perClass(s, std::array{56, 72, 80, 90});
    const int wHoehe = perClass(s, std::array{70, 90, 100, 112});
    const int wLinks = perClass(s, std::array{20, 26, 30, 32});
    const int wOben = perClass(s, std::array{60, 76, 86, 96});
    for (std::size_t i = 0; i < Wort.size(); ++i) {
        Wort[i]->setGeometry(wLinks + int(i) * wBreite, wOben, wBreite, wHoehe);
    }
    const QSize farbe =
        perClass(s, std::array{QSize(90, 30), QSize(115, 38), QSize(130, 42), QSize(144, 46)});
    const int fLinks = wLinks + kWortpanels * wBreite + 16;
    const std::array<Panel*, 6> farben{FarbeObenLinks,  FarbeMitteLinks,  FarbeUntenLinks,
                                       FarbeObenRechts, FarbeMitteRechts, FarbeUntenRechts};
    for (std::size_t i = 0; i < farben.size(); ++i) {
        const int spalte = int(i) / 3;
        const int zeile = int(i) % 3;
        farben[i]->setGeometry(fLinks + spalte * (farbe.width() + 4),
                               wOben + zeile * (farbe.height() + 4), farbe.width(), farbe.height());
        farben[i]->setFont(QStringLiteral("Arial"), perClass(s, std::array{-12, -15, -17, -19}));
    }
    const int wUnter = wOben + wHoehe + 12;
    WortaufbauReturn->setGeometry(QRect(QPoint(wLinks, wUnter), symbol));
    WortaufbauBack->setGeometry(
        QRect(QPoint(wLinks + kWortpanels * wBreite - symbol.width(), wUnter), symbol));
    for (Panel* p :
         {NormalzeileReturn, WortaufbauReturn, NormalzeileBack, RasterzeileBack, WortaufbauBack}) {
        p->setFont(QStringLiteral("Arial"), symbolSchrift, true);
    }
}

void TFensterTastaturschreiben::NormalTastei() {
    const ProgramState& s = state();
    NormalTastatur->Anordnen(
        tastei::NormalTastei(currentScreenClass(s),
                             tastei::rowStartsFor(zustand().Modus.Blindtastei, s.HandImpairedMode)),
        perClass(s, std::array{-13, -16, -18, -20}));
    TastaturZeigen();
}
