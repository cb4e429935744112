#include "layout/MonitorAnpassen.h"

#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "layout/screenclass.h"
#include "ui/panel.h"
#include "ui/platform.h"

#include <QGroupBox>
#include <QPushButton>

namespace {

struct Rechteck {
    int left, top, width, height;
};

struct Schriftzeile {
    int top, height, font;
};

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
    AuswahlFenster();
}

void TFensterBildschirmAnpassen::AuswahlFenster() {
    const ProgramState& s = state();
    TFensterStart& start = anwendung().FensterStart();

    start.setFixedSize(perClass<QSize>(s, {{{800, 600}, {1024, 768}, {1152, 864}, {1280, 960}}}));

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
}
