#include "drill/Tastaturschreiben.h"

#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "app/programstate.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/richtextfield.h"

#include <QGroupBox>
#include <QPushButton>

// What the drill window shows while the interpreter walks the script: which
// of the keyboard and the three exercise areas is visible, the information
// lines, the line counter and the timed holds.

namespace {

void nurSichtbar(QWidget* sichtbar, std::initializer_list<QWidget*> bereiche) {
    for (QWidget* bereich : bereiche) {
        bereich->setVisible(bereich == sichtbar);
    }
}

} // namespace

void TFensterTastaturschreiben::VollTastatur() {
    nurSichtbar(NormalTastatur,
                {NormalTastatur, NormalzeilenFeld, Rasterzeilenfeld, WortaufbauFeld});
}

void TFensterTastaturschreiben::BlindTastatur() {
    VollTastatur();
}

void TFensterTastaturschreiben::TeilTastatur(const QString&) {
    VollTastatur();
}

void TFensterTastaturschreiben::ZiffernblockTastatur() {
    VollTastatur();
}

void TFensterTastaturschreiben::DynamischeTastatur(int) {}

void TFensterTastaturschreiben::Normalzeile(int) {
    nurSichtbar(NormalzeilenFeld,
                {NormalTastatur, NormalzeilenFeld, Rasterzeilenfeld, WortaufbauFeld});
}

void TFensterTastaturschreiben::Rasterzeile(int) {
    nurSichtbar(Rasterzeilenfeld,
                {NormalTastatur, NormalzeilenFeld, Rasterzeilenfeld, WortaufbauFeld});
}

void TFensterTastaturschreiben::WortaufbauUebung(int) {
    nurSichtbar(WortaufbauFeld,
                {NormalTastatur, NormalzeilenFeld, Rasterzeilenfeld, WortaufbauFeld});
}

void TFensterTastaturschreiben::InfozeilenNormal() {
    for (int nummer = 1; nummer <= 5; ++nummer) {
        Infozeile(nummer)->setCaption(QString());
    }
}

void TFensterTastaturschreiben::InfoImInfofeld(const QString& text, int nummer) {
    if (Panel* zeile = Infozeile(nummer)) {
        zeile->setCaption(text);
    }
    InfoFeld->show();
    InfoFeld->raise();
}

void TFensterTastaturschreiben::FingerWegZeigen() {}

void TFensterTastaturschreiben::Grundstellung() {}

void TFensterTastaturschreiben::Pause(int ms) {
    platform().pause(ms);
}

void TFensterTastaturschreiben::InfoStopp() {
    if (StoppStart->isHidden()) {
        return;
    }
    AbbrechenButton->hide();
    InputBlocked = true;
    Pause(5000);
    InputBlocked = false;
    StoppStart->hide();
    AbbrechenButton->show();
}

void TFensterTastaturschreiben::ZeilenZaehler() {
    Zeilennummern->setCaption(
        QStringLiteral(" Zeile %1 von Zeile %2").arg(DrillLineNumber).arg(DrillLineCount));
}

void TFensterTastaturschreiben::TastaturschreibenBeenden(bool regulaer) {
    Modus = DrillMode();
    Modus.FreeMode = true;
    if (Texteingabefeld->document()->isEmpty()) {
        TFensterStart& start = anwendung().FensterStart();
        start.Startmenue->show();
        start.show();
        hide();
    }
    Q_EMIT LerneinheitBeendet(regulaer);
}
