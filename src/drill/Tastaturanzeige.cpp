#include "drill/Tastaturschreiben.h"

#include "ui/programstate.h"
#include "keyboard/hervorhebung.h"
#include "keyboard/schemes.h"
#include "layout/screenclass.h"
#include "ui/filledgroupbox.h"
#include "ui/panel.h"

#include <QGroupBox>

// The on-screen keyboard of the drill window: the scheme operations change
// the keyboard picture, and the panels show it.

void TFensterTastaturschreiben::tastaturAnlegen() {
    // Hidden keys are silver and flat: on a ground of the same silver,
    // unshaded by the style, they vanish.
    fillGroupBox(NormalTastatur, tastei::farbe::Silber);
    for (const tastei::KeyDef& def : tastei::keyTable()) {
        auto* panel = new Panel(NormalTastatur, def.panel.toString());
        panel->setAccessibleName(def.label.toString());
        Taste[tastei::indexOf(def.id)] = panel;
    }
    WegTaste = new Panel(NormalTastatur, QStringLiteral("WegTaste"));
    WegTaste->setColor(tastei::farbe::Rot);
    WegTaste->hide();
    NummernFingerwege->setColor(tastei::farbe::Weiss);
    NummernFingerwege->raise();
}

tastei::SchemeState TFensterTastaturschreiben::schemaZustand() const {
    return {state().HandImpairedMode, einheit_.Modus.Bahntastei, currentScreenClass(state())};
}

void TFensterTastaturschreiben::TastaturZeigen() {
    NormalTastatur->setTitle(Tastaturbild.groupCaption);
    for (std::size_t i = 0; i < tastei::kKeyCount; ++i) {
        const tastei::KeyState& key = Tastaturbild.keys[i];
        Panel* panel = Taste[i];
        panel->setGeometry(key.geometry);
        panel->setCaption(key.caption);
        panel->setColor(key.color);
        panel->setFontColor(key.fontColor);
        panel->setBevel(key.bevel == tastei::KeyBevel::Raised ? Panel::Bevel::Raised
                                                              : Panel::Bevel::Flat);
        panel->setAccessibleName(tastei::keyTable()[i].label.toString());
        switch (key.look) {
        case tastei::KeyLook::Marked:
            panel->setStateDescription(QStringLiteral("markiert"));
            panel->raise();
            break;
        case tastei::KeyLook::Hidden:
            // Hidden keys may lie under the rearranged keypad.
            panel->setStateDescription(QStringLiteral("verdeckt"));
            panel->lower();
            break;
        case tastei::KeyLook::Blank:
            panel->setStateDescription(QStringLiteral("leer"));
            break;
        default:
            panel->setStateDescription(QString());
            break;
        }
    }
    NummernFingerwege->setVisible(Tastaturbild.fingerNumbersVisible);
    // The order hint of the accented letters needs a small font on the space bar.
    const bool hinweis = Tastaturbild[tastei::KeyId::Key_Leer].caption == tastei::kReihenfolge;
    Taste[tastei::indexOf(tastei::KeyId::Key_Leer)]->setFont(
        QStringLiteral("Arial"),
        hinweis ? -perClass(state(), std::array{12, 16, 17, 19}) : TastenSchrifthoehe, !hinweis);
}

bool TFensterTastaturschreiben::punktTasteAlsTab() const {
    return Tastaturbild[tastei::KeyId::Key_Punkt].caption ==
           tastei::keyDef(tastei::KeyId::Key_Tab).label;
}

void TFensterTastaturschreiben::punktTasteZuruecksetzen() {
    // The keypad showed the Tab on its point key; once typed, the key is the point again.
    tastei::KeyState& punkt = Tastaturbild[tastei::KeyId::Key_Punkt];
    punkt.caption = tastei::keyDef(tastei::KeyId::Key_Punkt).label.toString();
    punkt.color = tastei::farbe::Silber;
    punkt.fontColor = tastei::farbe::Weiss;
    TastaturZeigen();
}

void TFensterTastaturschreiben::VollTastatur() {
    bereichZeigen(NormalTastatur);
    Tastaturbild = tastei::VollTastatur(Tastaturbild, schemaZustand());
    TastaturZeigen();
}

void TFensterTastaturschreiben::BlindTastatur() {
    bereichZeigen(NormalTastatur);
    Tastaturbild = tastei::BlindTastatur(Tastaturbild, schemaZustand());
    TastaturZeigen();
}

void TFensterTastaturschreiben::TeilTastatur(const QString& keySet) {
    bereichZeigen(NormalTastatur);
    Tastaturbild = tastei::TeilTastatur(Tastaturbild, keySet, schemaZustand());
    TastaturZeigen();
}

void TFensterTastaturschreiben::ZiffernblockTastatur() {
    bereichZeigen(NormalTastatur);
    Tastaturbild = tastei::ZiffernblockTastatur(Tastaturbild, schemaZustand());
    TastaturZeigen();
}
