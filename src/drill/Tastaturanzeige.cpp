#include "drill/Tastaturschreiben.h"

#include "keyboard/Bildschirmtastatur.h"
#include "keyboard/hervorhebung.h"
#include "keyboard/schemes.h"
#include "layout/screenclass.h"
#include "ui/panel.h"
#include "ui/programstate.h"

#include <QGroupBox>

// The on-screen keyboard of the drill window: the scheme operations change
// the keyboard picture, and the panels show it.

tastei::SchemeState TFensterTastaturschreiben::schemaZustand() const {
    return {state().HandImpairedMode, einheit_.Modus.Bahntastei, currentScreenClass(state())};
}

void TFensterTastaturschreiben::TastaturZeigen() {
    NormalTastatur->Zeigen(-perClass(state(), std::array{12, 16, 17, 19}));
}

bool TFensterTastaturschreiben::punktTasteAlsTab() const {
    return NormalTastatur->Tastaturbild[tastei::KeyId::Key_Punkt].caption ==
           tastei::keyDef(tastei::KeyId::Key_Tab).label;
}

void TFensterTastaturschreiben::punktTasteZuruecksetzen() {
    // The keypad showed the Tab on its point key; once typed, the key is the point again.
    tastei::KeyState& punkt = NormalTastatur->Tastaturbild[tastei::KeyId::Key_Punkt];
    punkt.caption = tastei::keyDef(tastei::KeyId::Key_Punkt).label.toString();
    punkt.color = tastei::farbe::Silber;
    punkt.fontColor = tastei::farbe::Weiss;
    TastaturZeigen();
}

void TFensterTastaturschreiben::VollTastatur() {
    bereichZeigen(NormalTastatur);
    NormalTastatur->Tastaturbild =
        tastei::VollTastatur(NormalTastatur->Tastaturbild, schemaZustand());
    TastaturZeigen();
}

void TFensterTastaturschreiben::BlindTastatur() {
    bereichZeigen(NormalTastatur);
    NormalTastatur->Tastaturbild =
        tastei::BlindTastatur(NormalTastatur->Tastaturbild, schemaZustand());
    TastaturZeigen();
}

void TFensterTastaturschreiben::TeilTastatur(const QString& keySet) {
    bereichZeigen(NormalTastatur);
    NormalTastatur->Tastaturbild =
        tastei::TeilTastatur(NormalTastatur->Tastaturbild, keySet, schemaZustand());
    TastaturZeigen();
}

void TFensterTastaturschreiben::ZiffernblockTastatur() {
    bereichZeigen(NormalTastatur);
    NormalTastatur->Tastaturbild =
        tastei::ZiffernblockTastatur(NormalTastatur->Tastaturbild, schemaZustand());
    TastaturZeigen();
}
