#include "layout/MonitorAnpassen.h"

#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "drill/Tastaturschreiben.h"
#include "drill/wortaufbau.h"
#include "keyboard/keygeometry.h"
#include "layout/screenclass.h"
#include "lessons/AuswahlLektionen.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/richtextfield.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// Room a group box caption needs beyond its font's pixel size.
constexpr int kTitelRand = 4;
// The smallest font height a bar label shrinks to.
constexpr int kKleinsteSchrift = -9;

struct Rechteck {
    int left, top, width, height;
};

struct Schriftzeile {
    int top, height, font;
};

void setzeRechteck(QWidget* widget, const Rechteck& r) {
    widget->setGeometry(r.left, r.top, r.width, r.height);
}

QSize fenstergroesse(const ProgramState& s) {
    return perClass(
        s, std::array{QSize(800, 600), QSize(1024, 768), QSize(1152, 864), QSize(1280, 960)});
}

void setzeSchrift(QWidget* widget, int height) {
    QFont font = widget->font();
    font.setPixelSize(pixelSizeForHeight(height));
    widget->setFont(font);
}

} // namespace

TFensterBildschirmAnpassen::TFensterBildschirmAnpassen(Anwendung& anwendung)
    : Fenster(anwendung, QStringLiteral("FensterBildschirmAnpassen")) {
    BildschirmAufloesung();
}

void TFensterBildschirmAnpassen::BildschirmAufloesung() {
    const ScreenClassChoice choice = screenClassForWidth(platform().primaryScreenWidth());
    if (choice.tooSmall) {
        platform().message(MessageKind::Information, kMonitorZuKlein);
    }
    setScreenClassFlags(state(), choice.screenClass);
    Bildschirm();
}

void TFensterBildschirmAnpassen::Bildschirm() {
    tastaturschreibenFenster();
    NormalTastei();
    AuswahlFenster();
    AuswahlLerneinheiten();
}

void TFensterBildschirmAnpassen::AuswahlLerneinheiten() {
    const ProgramState& s = state();
    TFensterLektionen& f = anwendung().FensterLektionen();
    f.setFixedSize(fenstergroesse(s));
    const auto box = perClass<Rechteck>(
        s, {{{50, 50, 380, 380}, {64, 64, 480, 480}, {71, 71, 530, 530}, {80, 80, 540, 580}}});
    const auto liste = perClass<Rechteck>(
        s, {{{16, 38, 350, 320}, {16, 48, 440, 400}, {20, 53, 490, 440}, {20, 59, 500, 490}}});
    const int schrift = perClass(s, std::array{-13, -17, -18, -19});
    const int zeilenhoehe = perClass(s, std::array{19, 19, 21, 24});
    for (katalog::Liste l : katalog::kAlleListen) {
        setzeRechteck(f.box(l), box);
        setzeSchrift(f.box(l), schrift);
        QListWidget* list = f.liste(l);
        setzeRechteck(list, liste);
        setzeSchrift(list, schrift);
        list->setStyleSheet(QStringLiteral("QListWidget::item { height: %1px; }").arg(zeilenhoehe));
    }
    const auto knopf = perClass<QSize>(
        s, std::array{QSize(150, 32), QSize(180, 40), QSize(200, 44), QSize(220, 50)});
    const int knopfOben = perClass(s, std::array{450, 580, 620, 690});
    f.AuswahlOK->setGeometry(box.left + liste.left, knopfOben, knopf.width(), knopf.height());
    f.AuswahlESC->setGeometry(box.left + box.width - liste.left - knopf.width(), knopfOben,
                              knopf.width(), knopf.height());
    for (QWidget* w : {static_cast<QWidget*>(f.AuswahlOK), static_cast<QWidget*>(f.AuswahlESC)}) {
        setzeSchrift(w, schrift);
    }
}

void TFensterBildschirmAnpassen::NormalTastei() {
    const ProgramState& s = state();
    TFensterTastaturschreiben& f = anwendung().FensterTastaturschreiben();
    const tastei::KeyboardLayout layout = tastei::NormalTastei(
        currentScreenClass(s),
        tastei::rowStartsFor(f.zustand().Modus.Blindtastei, s.HandImpairedMode));
    f.NormalTastatur->setGeometry(layout.group);
    setzeSchrift(f.NormalTastatur, perClass(s, std::array{-13, -16, -18, -20}));
    f.Tastaturbild.place(layout);
    f.TastenSchrifthoehe = layout.keyFontHeight;
    for (Panel* taste : f.Taste) {
        taste->setFont(QStringLiteral("Arial"), layout.keyFontHeight, true);
    }
    f.WegTaste->resize(layout.wegTaste);
    f.WegTaste->setFont(QStringLiteral("Arial"), layout.keyFontHeight, true);
    fingerwegNummern(f, layout);
    f.TastaturZeigen();
}

void TFensterBildschirmAnpassen::fingerwegNummern(TFensterTastaturschreiben& f,
                                                  const tastei::KeyboardLayout& layout) {
    // The numbers 1 to 11 of the finger paths stand over the home-row columns,
    // set with blanks in a font of fixed width.
    using tastei::KeyId;
    const std::array<KeyId, 11> spalten{KeyId::Key_A, KeyId::Key_S,  KeyId::Key_D, KeyId::Key_F,
                                        KeyId::Key_G, KeyId::Key_H,  KeyId::Key_J, KeyId::Key_K,
                                        KeyId::Key_L, KeyId::Key_Oe, KeyId::Key_Ae};
    const QRect ziffern = layout[KeyId::Key_1];
    const int hoehe = std::max(14, ziffern.top() - 20);
    f.NummernFingerwege->setGeometry(0, ziffern.top() - hoehe - 2, layout.group.width(), hoehe);
    f.NummernFingerwege->setFont(QStringLiteral("Courier New"), -(hoehe * 4 / 5), true);
    f.NummernFingerwege->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const qreal zeichenbreite =
        std::max<qreal>(1, QFontMetricsF(f.NummernFingerwege->font()).horizontalAdvance('0'));
    QString text;
    for (std::size_t i = 0; i < spalten.size(); ++i) {
        const QString nummer = QString::number(i + 1);
        const qreal mitte = layout[spalten[i]].center().x() - f.NummernFingerwege->frameWidth();
        const int anfang = qRound(mitte / zeichenbreite - nummer.size() / 2.0);
        text += QString(std::max<qsizetype>(1, anfang - text.size()), QLatin1Char(' ')) + nummer;
    }
    f.NummernFingerwege->setCaption(text);
}

void TFensterBildschirmAnpassen::tastaturschreibenFenster() {
    const ProgramState& s = state();
    TFensterTastaturschreiben& f = anwendung().FensterTastaturschreiben();
    f.setFixedSize(fenstergroesse(s));
    // Controls without a fixed table scale with the window width from the
    // 800 class.
    const auto skaliert = [&s](Rechteck r) {
        const double faktor = perClass(s, std::array{1.0, 1.28, 1.44, 1.6});
        return Rechteck{int(r.left * faktor), int(r.top * faktor), int(r.width * faktor),
                        int(r.height * faktor)};
    };

    const auto eingabe = perClass<Rechteck>(
        s,
        {{{25, 400, 760, 105}, {32, 488, 945, 140}, {42, 520, 1050, 160}, {54, 600, 1165, 200}}});
    setzeRechteck(f.Texteingabefeld, eingabe);
    f.Texteingabefeld->setTextFont(QStringLiteral("Courier New"),
                                   perClass(s, std::array{-16, -21, -24, -25}));

    const auto info = perClass<Rechteck>(
        s,
        {{{25, 370, 760, 140}, {32, 488, 945, 177}, {42, 520, 1050, 196}, {54, 600, 1165, 216}}});
    setzeRechteck(f.InfoFeld, info);

    const auto zeile = perClass<Rechteck>(
        s, {{{94, 13, 670, 24}, {96, 15, 840, 30}, {106, 17, 930, 33}, {110, 19, 1050, 36}}});
    const int zeilenSchrift = perClass(s, std::array{-18, -23, -26, -29});
    // The field's caption fits above its first line.
    setzeSchrift(f.InfoFeld, -(zeile.top - kTitelRand));
    const std::array<Panel*, 5> zeilen{f.Infozeile1, f.InfoZeile2, f.InfoZeile3, f.InfoZeile4,
                                       f.InfoZeile5};
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        zeilen[i]->setGeometry(zeile.left, zeile.top + int(i) * zeile.height,
                               std::min(zeile.width, info.width - zeile.left - f.kInfoRand),
                               zeile.height);
        zeilen[i]->setFont(QStringLiteral("Arial"), zeilenSchrift);
    }
    const QSize stopp =
        perClass(s, std::array{QSize(93, 33), QSize(95, 38), QSize(108, 42), QSize(114, 50)});
    f.StoppStart->setGeometry(QRect(QPoint(0, zeile.top), stopp));
    f.StoppStart->setFont(QStringLiteral("Arial"), perClass(s, std::array{-18, -22, -24, -26}),
                          true);

    const int knopfSchrift = perClass(s, std::array{-13, -16, -18, -20});
    setzeRechteck(
        f.TasteiZeileButton,
        perClass<Rechteck>(
            s, {{{250, 20, 120, 26}, {350, 24, 145, 30}, {400, 27, 160, 33}, {410, 30, 180, 38}}}));
    setzeRechteck(
        f.AbbrechenButton,
        perClass<Rechteck>(
            s,
            {{{665, 20, 120, 26}, {832, 24, 145, 30}, {930, 27, 160, 33}, {1035, 30, 180, 38}}}));
    const Rechteck uhr = skaliert({25, 20, 130, 26});
    setzeRechteck(f.Uhr,
                  {uhr.left, f.AbbrechenButton->y(), uhr.width, f.AbbrechenButton->height()});
    zeilenzaehlerUndSprung(f, knopfSchrift);
    setzeRechteck(f.Zusatzuebung, skaliert({25, 520, 300, 26}));
    for (QWidget* w : std::initializer_list<QWidget*>{f.TasteiZeileButton, f.AbbrechenButton, f.Uhr,
                                                      f.Zusatzuebung}) {
        setzeSchrift(w, knopfSchrift);
    }

    // The line exercises take the place of the keyboard.
    const Rechteck uebung = skaliert({25, 80, 760, 220});
    for (QGroupBox* feld : {f.NormalzeilenFeld, f.Rasterzeilenfeld, f.WortaufbauFeld}) {
        setzeRechteck(feld, uebung);
        setzeSchrift(feld, knopfSchrift);
    }
    uebungszeilen(f);
}

void TFensterBildschirmAnpassen::zeilenzaehlerUndSprung(TFensterTastaturschreiben& f, int schrift) {
    // The line counter and its click hint stand in the bar between the display
    // switch and the abort button; where a class leaves them too little room,
    // their font shrinks until both fit.
    const QString muster = QStringLiteral(" Zeile 888 von Zeile 888 ");
    const int rand = 12;
    const int luecke = 5;
    const QRect schalter = f.TasteiZeileButton->geometry();
    const QRect abbrechen = f.AbbrechenButton->geometry();
    const int frei = abbrechen.left() - schalter.right() - 3 * luecke;
    QFont font = f.Zeilennummern->font();
    int zaehlerBreite = 0;
    int klickBreite = 0;
    int hoehe = schrift;
    for (; hoehe <= kKleinsteSchrift; ++hoehe) {
        font.setPixelSize(pixelSizeForHeight(hoehe));
        const QFontMetrics masse(font);
        zaehlerBreite = masse.horizontalAdvance(muster) + rand;
        klickBreite = masse.horizontalAdvance(f.KlickZeile->caption()) + rand;
        if (zaehlerBreite + klickBreite <= frei) {
            break;
        }
    }
    setzeSchrift(f.Zeilennummern, std::min(hoehe, kKleinsteSchrift));
    setzeSchrift(f.KlickZeile, std::min(hoehe, kKleinsteSchrift));
    const int klickLinks = abbrechen.left() - luecke - klickBreite;
    f.KlickZeile->setGeometry(klickLinks, abbrechen.top(), klickBreite, abbrechen.height());
    f.Zeilennummern->setGeometry(klickLinks - luecke - zaehlerBreite, abbrechen.top(),
                                 zaehlerBreite, abbrechen.height());

    // The go-to-line panel opens just below the counter, reaching to the
    // right edge of the hidden abort button.
    const int links = f.Zeilennummern->x();
    f.GeheZuZeile->setGeometry(links, abbrechen.bottom() + luecke, abbrechen.right() - links + 1,
                               abbrechen.height() + 2 * rand);
    setzeSchrift(f.GeheZuZeile, schrift);
    f.ZeilNumEingabe->setFixedWidth(
        QFontMetrics(f.GeheZuZeile->font()).horizontalAdvance(QStringLiteral("88888")) + rand);
}

void TFensterBildschirmAnpassen::uebungszeilen(TFensterTastaturschreiben& f) {
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
    for (std::size_t i = 0; i < f.Normal.size(); ++i) {
        f.Normal[i]->setGeometry(nLinks + int(i) * nBreite, nOben, nBreite, nHoehe);
        f.Normal[i]->setFont(courier, nSchrift, true);
    }
    const int unter = nOben + nHoehe + 12;
    f.NormalzeileReturn->setGeometry(QRect(QPoint(nLinks, unter), symbol));
    f.NormalzeileBack->setGeometry(
        QRect(QPoint(nLinks + kNormalzellen * nBreite - symbol.width(), unter), symbol));

    // Grid line: six cells, the large centre in its frame, six cells.
    const int rBreite = perClass(s, std::array{44, 56, 62, 70});
    const int rHoehe = perClass(s, std::array{50, 64, 72, 80});
    const int rOben = perClass(s, std::array{80, 100, 112, 124});
    const int rahmenBreite = 2 * rBreite + 16;
    const int luecke = 6;
    const int rLinks = (f.Rasterzeilenfeld->width() - 12 * rBreite - rahmenBreite - 2 * luecke) / 2;
    const int rechts = rLinks + 6 * rBreite + rahmenBreite + 2 * luecke;
    for (std::size_t i = 0; i < f.Raster.size(); ++i) {
        if (i == 6) {
            continue;
        }
        const int links = i < 6 ? rLinks + int(i) * rBreite : rechts + int(i - 7) * rBreite;
        f.Raster[i]->setGeometry(links, rOben, rBreite, rHoehe);
        f.Raster[i]->setFont(courier, nSchrift, true);
    }
    f.Raster7L->setGeometry(rLinks + 6 * rBreite, rOben, luecke, rHoehe);
    f.Raster7R->setGeometry(rechts - luecke, rOben, luecke, rHoehe);
    const int rahmenHoehe = rHoehe + perClass(s, std::array{70, 84, 92, 100});
    f.Zentrum->setGeometry(rLinks + 6 * rBreite + luecke, rOben - (rahmenHoehe - rHoehe) / 2,
                           rahmenBreite, rahmenHoehe);
    setzeSchrift(f.Zentrum, perClass(s, std::array{-13, -16, -18, -20}));
    const QRect mitte(8, perClass(s, std::array{26, 30, 32, 34}), rahmenBreite - 16,
                      rahmenHoehe - perClass(s, std::array{34, 38, 40, 42}));
    for (Panel* p : {f.Raster[6], f.Leerzeichen, f.RasterzeileReturn}) {
        p->setGeometry(mitte);
    }
    f.Raster[6]->setFont(courier, 2 * nSchrift, true);
    f.Leerzeichen->setFont(QStringLiteral("Arial"), nSchrift, true);
    f.RasterzeileReturn->setFont(QStringLiteral("Arial"), 2 * nSchrift, true);
    f.RasterzeileBack->setGeometry(
        QRect(QPoint(rechts + 6 * rBreite - symbol.width(), rOben + rHoehe + 30), symbol));

    // Word building: ten panels, the six colour panels beside them.
    const int wBreite = perClass(s, std::array{56, 72, 80, 90});
    const int wHoehe = perClass(s, std::array{70, 90, 100, 112});
    const int wLinks = perClass(s, std::array{20, 26, 30, 32});
    const int wOben = perClass(s, std::array{60, 76, 86, 96});
    for (std::size_t i = 0; i < f.Wort.size(); ++i) {
        f.Wort[i]->setGeometry(wLinks + int(i) * wBreite, wOben, wBreite, wHoehe);
    }
    const QSize farbe =
        perClass(s, std::array{QSize(90, 30), QSize(115, 38), QSize(130, 42), QSize(144, 46)});
    const int fLinks = wLinks + kWortpanels * wBreite + 16;
    const std::array<Panel*, 6> farben{f.FarbeObenLinks,  f.FarbeMitteLinks,  f.FarbeUntenLinks,
                                       f.FarbeObenRechts, f.FarbeMitteRechts, f.FarbeUntenRechts};
    for (std::size_t i = 0; i < farben.size(); ++i) {
        const int spalte = int(i) / 3;
        const int zeile = int(i) % 3;
        farben[i]->setGeometry(fLinks + spalte * (farbe.width() + 4),
                               wOben + zeile * (farbe.height() + 4), farbe.width(), farbe.height());
        farben[i]->setFont(QStringLiteral("Arial"), perClass(s, std::array{-12, -15, -17, -19}));
    }
    const int wUnter = wOben + wHoehe + 12;
    f.WortaufbauReturn->setGeometry(QRect(QPoint(wLinks, wUnter), symbol));
    f.WortaufbauBack->setGeometry(
        QRect(QPoint(wLinks + kWortpanels * wBreite - symbol.width(), wUnter), symbol));
    for (Panel* p : {f.NormalzeileReturn, f.WortaufbauReturn, f.NormalzeileBack, f.RasterzeileBack,
                     f.WortaufbauBack}) {
        p->setFont(QStringLiteral("Arial"), symbolSchrift, true);
    }
}

void TFensterBildschirmAnpassen::AuswahlFenster() {
    const ProgramState& s = state();
    TFensterStart& start = anwendung().FensterStart();

    start.setFixedSize(fenstergroesse(s));

    const auto menue = perClass<Rechteck>(
        s, {{{70, 60, 260, 350}, {64, 64, 330, 440}, {70, 75, 360, 490}, {50, 80, 430, 520}}});
    start.Startmenue->setGeometry(menue.left, menue.top, menue.width, menue.height);

    // The menu buttons form a stack under the first one, each with its Info
    // button to the right.
    const auto knopf = perClass<Rechteck>(
        s, {{{25, 50, 170, 40}, {35, 66, 209, 48}, {27, 75, 250, 60}, {35, 90, 280, 65}}});
    const int schrift = perClass(s, std::array{-17, -19, -21, -23});
    const int abstand = perClass(s, std::array{60, 72, 80, 85});
    const int infoBreite = perClass(s, std::array{45, 60, 60, 80});
    setzeSchrift(start.Startmenue, schrift);
    const std::array<std::pair<QPushButton*, QPushButton*>, 5> reihe = {{
        {start.Tastaturschreiben, start.InfoTastaturschreiben},
        {start.Schreibtrainer, start.InfoSchreibtrainer},
        {start.Texteditor, start.InfoTexteditor},
        {start.ZiffernblockButton, start.InfoZiffernblock},
        {start.Beenden, nullptr},
    }};
    for (std::size_t i = 0; i < reihe.size(); ++i) {
        const int top = knopf.top + static_cast<int>(i) * abstand;
        reihe[i].first->setGeometry(knopf.left, top, knopf.width, knopf.height);
        setzeSchrift(reihe[i].first, schrift);
        if (reihe[i].second) {
            reihe[i].second->setGeometry(knopf.left + knopf.width + 10, top, infoBreite,
                                         knopf.height);
            setzeSchrift(reihe[i].second, schrift);
        }
    }

    // Logo and name lines share one column right of the menu.
    const int spalteLinks = perClass(s, std::array{380, 470, 520, 580});
    const int spalteBreite = perClass(s, std::array{380, 480, 560, 620});
    const std::array<std::pair<Panel*, Schriftzeile>, 3> zeilen = {{
        {start.KasparoLogo,
         perClass<Schriftzeile>(
             s, {{{120, 110, -80}, {150, 140, -100}, {170, 160, -112}, {190, 170, -124}}})},
        {start.Namezeile1,
         perClass<Schriftzeile>(
             s, {{{250, 36, -26}, {310, 44, -32}, {350, 50, -36}, {380, 56, -40}}})},
        {start.NameZeile4,
         perClass<Schriftzeile>(
             s, {{{300, 30, -20}, {370, 36, -24}, {415, 40, -27}, {450, 44, -30}}})},
    }};
    for (const auto& [panel, zeile] : zeilen) {
        panel->setGeometry(spalteLinks, zeile.top, spalteBreite, zeile.height);
        panel->setFont(QStringLiteral("Arial"), zeile.font, panel == start.KasparoLogo);
    }

    // The school menu of the selection window: its buttons form a stack.
    TFensterLektionen& lektionen = anwendung().FensterLektionen();
    const auto menue2 = perClass<Rechteck>(
        s, {{{52, 52, 310, 420}, {64, 64, 393, 520}, {70, 70, 430, 570}, {77, 77, 480, 630}}});
    setzeRechteck(lektionen.BoxLernsoftware, menue2);
    const int menueSchrift = perClass(s, std::array{-15, -16, -18, -20});
    setzeSchrift(lektionen.BoxLernsoftware, menueSchrift);
    const std::array<QPushButton*, 6> knoepfe{
        lektionen.Tastaturschulung, lektionen.SundG_Fingerwege, lektionen.Handbehinderte,
        lektionen.Neutral,          lektionen.Eigene,           lektionen.Zurueck};
    const int hoehe = (menue2.height - 40) / int(knoepfe.size());
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        knoepfe[i]->setGeometry(20, 32 + int(i) * hoehe, menue2.width - 40, hoehe - 12);
        setzeSchrift(knoepfe[i], menueSchrift);
    }
}
