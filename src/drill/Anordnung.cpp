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
// The Return and Backspace symbols stand this far below their row.
constexpr int kSymbolAbstand = 12;
constexpr int kRasterSymbolAbstand = 30;
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
    const tabellen::Uebungszeilen& t = tabellen::uebungszeilen(currentScreenClass(state()));
    const QString courier = QStringLiteral("Courier New");
    const QString arial = QStringLiteral("Arial");

    // Normal line: 36 touching cells; its Return panel moves under the current cell.
    for (std::size_t i = 0; i < Normal.size(); ++i) {
        Normal[i]->setGeometry(t.normal.zelle(int(i)));
        Normal[i]->setFont(courier, t.normal.schrift, true);
    }
    const int unter = t.normal.oben + t.normal.hoehe + kSymbolAbstand;
    NormalzeileReturn->setGeometry(QRect(QPoint(t.normal.links, unter), t.symbol));
    NormalzeileBack->setGeometry(
        QRect(QPoint(t.normal.zelle(kNormalzellen).left() - t.symbol.width(), unter), t.symbol));

    // Grid line: six cells, the large centre in its frame, six cells.
    for (std::size_t i = 0; i < Raster.size(); ++i) {
        if (i != 6) {
            Raster[i]->setGeometry(t.rasterzelle(int(i)));
            Raster[i]->setFont(courier, t.raster.schrift, true);
        }
    }
    const QRect rahmen = t.rahmen();
    Raster7L->setGeometry(rahmen.left() - t.rasterLuecke, t.raster.oben, t.rasterLuecke,
                          t.raster.hoehe);
    Raster7R->setGeometry(rahmen.right() + 1, t.raster.oben, t.rasterLuecke, t.raster.hoehe);
    Zentrum->setGeometry(rahmen);
    setzeSchrift(Zentrum, t.rahmenSchrift);
    const QRect mitte(8, t.mitteOben, rahmen.width() - 16, rahmen.height() - t.mitteKuerzer);
    for (Panel* p : {Raster[6], Leerzeichen, RasterzeileReturn}) {
        p->setGeometry(mitte);
    }
    Raster[6]->setFont(courier, 2 * t.raster.schrift, true);
    Leerzeichen->setFont(arial, t.raster.schrift, true);
    RasterzeileReturn->setFont(arial, 2 * t.raster.schrift, true);
    RasterzeileBack->setGeometry(
        QRect(QPoint(t.rasterzelle(12).right() + 1 - t.symbol.width(),
                     t.raster.oben + t.raster.hoehe + kRasterSymbolAbstand),
              t.symbol));

    // Word building: ten panels, the six colour zones beside them.
    for (std::size_t i = 0; i < Wort.size(); ++i) {
        Wort[i]->setGeometry(t.wort.zelle(int(i)));
    }
    const std::array<Panel*, 6> farben{FarbeObenLinks,  FarbeMitteLinks,  FarbeUntenLinks,
                                       FarbeObenRechts, FarbeMitteRechts, FarbeUntenRechts};
    for (std::size_t i = 0; i < farben.size(); ++i) {
        farben[i]->setGeometry(t.farbzone(int(i)));
        farben[i]->setFont(arial, t.farbSchrift);
    }
    const int wUnter = t.wort.oben + t.wort.hoehe + kSymbolAbstand;
    WortaufbauReturn->setGeometry(QRect(QPoint(t.wort.links, wUnter), t.symbol));
    WortaufbauBack->setGeometry(
        QRect(QPoint(t.wort.zelle(kWortpanels).left() - t.symbol.width(), wUnter), t.symbol));
    for (Panel* p :
         {NormalzeileReturn, WortaufbauReturn, NormalzeileBack, RasterzeileBack, WortaufbauBack}) {
        p->setFont(arial, t.symbolSchrift, true);
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
