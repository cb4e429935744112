#include "drill/Tastaturschreiben.h"

#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QGroupBox>
#include <QPushButton>

// What the drill window shows while the interpreter walks the script: which
// of the keyboard and the three exercise areas is visible, the information
// lines, the line counter and the timed holds.

void TFensterTastaturschreiben::bereichZeigen(QGroupBox* bereich) {
    for (QGroupBox* b : std::initializer_list<QGroupBox*>{NormalTastatur, NormalzeilenFeld,
                                                          Rasterzeilenfeld, WortaufbauFeld}) {
        b->setVisible(b == bereich);
    }
}

void TFensterTastaturschreiben::Pause(int ms) {
    platform().pause(ms);
}

void TFensterTastaturschreiben::InfoStopp() {
    if (StoppStart->isHidden()) {
        return;
    }
    AbbrechenButton->hide();
    einheit_.InputBlocked = true;
    Pause(5000);
    einheit_.InputBlocked = false;
    StoppStart->hide();
    AbbrechenButton->show();
}

void TFensterTastaturschreiben::ZeilenZaehler() {
    Zeilennummern->setCaption(QStringLiteral(" Zeile %1 von Zeile %2")
                                  .arg(einheit_.DrillLineNumber)
                                  .arg(einheit_.DrillLineCount));
}

void TFensterTastaturschreiben::Zuruecksetzen() {
    // A unit runs as in a freshly started program, whatever the unit before
    // left behind: its flags, keys still waiting, panels and typed text.
    einheit_ = Einheitszustand();
    warteschlange_.clear();
    freiUmbruch_ = false;
    for (QWidget* w : std::initializer_list<QWidget*>{
             NormalzeileReturn, RasterzeileReturn, WortaufbauReturn, NormalzeileBack,
             RasterzeileBack, WortaufbauBack, TasteiZeileButton, InfoFeld, StoppStart, Zusatzuebung,
             GeheZuZeile}) {
        w->hide();
    }
    NormalTastatur->WegTasteVerbergen();
    NormalTastatur->NummernZeigen(false);
    for (QWidget* w :
         std::initializer_list<QWidget*>{AbbrechenButton, Uhr, Zeilennummern, KlickZeile}) {
        w->show();
    }
    bereichZeigen(nullptr);
    Uhr->setCaption(kUhrNull);
    Texteingabefeld->setWordWrap(true);
    Texteingabefeld->clearText();
    Texteingabefeld->setModified(false);
}
