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

void TFensterTastaturschreiben::schemaZeigen(
    const std::function<tastei::KeyboardPicture(const tastei::KeyboardPicture&)>& schema) {
    bereichZeigen(NormalTastatur);
    NormalTastatur->Tastaturbild = schema(NormalTastatur->Tastaturbild);
    TastaturZeigen();
}

void TFensterTastaturschreiben::VollTastatur() {
    schemaZeigen([this](const auto& bild) { return tastei::VollTastatur(bild, schemaZustand()); });
}

void TFensterTastaturschreiben::BlindTastatur() {
    schemaZeigen([this](const auto& bild) { return tastei::BlindTastatur(bild, schemaZustand()); });
}

void TFensterTastaturschreiben::TeilTastatur(const QString& keySet) {
    schemaZeigen([this, &keySet](const auto& bild) {
        return tastei::TeilTastatur(bild, keySet, schemaZustand());
    });
}

void TFensterTastaturschreiben::ZiffernblockTastatur() {
    schemaZeigen(
        [this](const auto& bild) { return tastei::ZiffernblockTastatur(bild, schemaZustand()); });
}
