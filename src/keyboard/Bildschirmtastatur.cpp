#include "keyboard/Bildschirmtastatur.h"

#include "keyboard/hervorhebung.h"
#include "keyboard/keytable.h"
#include "ui/anordnen.h"
#include "ui/filledgroupbox.h"
#include "ui/panel.h"

#include <QFontMetricsF>

Bildschirmtastatur::Bildschirmtastatur(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("NormalTastatur"));
    // Hidden keys are silver and flat: on a ground of the same silver,
    // unshaded by the style, they vanish.
    fillGroupBox(this, tastei::farbe::Silber);
    for (const tastei::KeyDef& def : tastei::keyTable()) {
        auto* panel = new Panel(this, def.panel.toString());
        panel->setAccessibleName(def.label.toString());
        tasten_[tastei::indexOf(def.id)] = panel;
    }
    wegTaste_ = new Panel(this, QStringLiteral("WegTaste"));
    wegTaste_->setColor(tastei::farbe::Rot);
    wegTaste_->hide();
    nummern_ = new Panel(this, QStringLiteral("NummernFingerwege"));
    nummern_->setBevel(Panel::Bevel::Flat);
    nummern_->setColor(tastei::farbe::Weiss);
    nummern_->hide();
}

void Bildschirmtastatur::Zeigen(int hinweisSchrift) {
    setTitle(Tastaturbild.groupCaption);
    for (std::size_t i = 0; i < tastei::kKeyCount; ++i) {
        const tastei::KeyState& key = Tastaturbild.keys[i];
        Panel* panel = tasten_[i];
        panel->setGeometry(key.geometry);
        panel->setCaption(key.caption);
        panel->setColor(key.color);
        panel->setFontColor(key.fontColor);
        panel->setBevel(key.bevel == tastei::KeyBevel::Raised ? Panel::Bevel::Raised
                                                              : Panel::Bevel::Flat);
        const QString name = tastei::keyTable()[i].label.toString();
        if (panel->accessibleName() != name) {
            panel->setAccessibleName(name);
        }
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
    nummern_->setVisible(Tastaturbild.fingerNumbersVisible);
    // The order hint of the accented letters needs a small font on the space bar.
    const bool hinweis = Tastaturbild[tastei::KeyId::Key_Leer].caption == tastei::kReihenfolge;
    taste(tastei::KeyId::Key_Leer)
        ->setFont(QStringLiteral("Arial"), hinweis ? hinweisSchrift : tastenSchrift_, !hinweis);
}

void Bildschirmtastatur::Anordnen(const tastei::KeyboardLayout& layout, int schrift) {
    setGeometry(layout.group);
    setzeSchrift(this, schrift);
    Tastaturbild.place(layout);
    tastenSchrift_ = layout.keyFontHeight;
    for (Panel* panel : tasten_) {
        panel->setFont(QStringLiteral("Arial"), layout.keyFontHeight, true);
    }
    wegTaste_->resize(layout.wegTaste);
    wegTaste_->setFont(QStringLiteral("Arial"), layout.keyFontHeight, true);
    nummernAnordnen(layout);
    nummern_->raise();
}

void Bildschirmtastatur::nummernAnordnen(const tastei::KeyboardLayout& layout) {
    // The numbers 1 to 11 of the finger paths stand over the home-row columns,
    // set with blanks in a font of fixed width.
    using tastei::KeyId;
    const std::array<KeyId, 11> spalten{KeyId::Key_A, KeyId::Key_S,  KeyId::Key_D, KeyId::Key_F,
                                        KeyId::Key_G, KeyId::Key_H,  KeyId::Key_J, KeyId::Key_K,
                                        KeyId::Key_L, KeyId::Key_Oe, KeyId::Key_Ae};
    const QRect ziffern = layout[KeyId::Key_1];
    const int hoehe = std::max(14, ziffern.top() - 20);
    nummern_->setGeometry(0, ziffern.top() - hoehe - 2, layout.group.width(), hoehe);
    nummern_->setFont(QStringLiteral("Courier New"), -(hoehe * 4 / 5), true);
    nummern_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const qreal zeichenbreite =
        std::max<qreal>(1, QFontMetricsF(nummern_->font()).horizontalAdvance('0'));
    QString text;
    for (std::size_t i = 0; i < spalten.size(); ++i) {
        const QString nummer = QString::number(i + 1);
        const qreal mitte = layout[spalten[i]].center().x() - nummern_->frameWidth();
        const int anfang = qRound(mitte / zeichenbreite - nummer.size() / 2.0);
        text += QString(std::max<qsizetype>(1, anfang - text.size()), QLatin1Char(' ')) + nummer;
    }
    nummern_->setCaption(text);
}

void Bildschirmtastatur::WegTasteAufstellen(tastei::KeyId heimtaste, QPoint ort, bool akzent) {
    const tastei::KeyDef& heim = tastei::keyDef(heimtaste);
    wegTaste_->setCaption(akzent ? QStringLiteral("ö") : heim.label.toString());
    wegTaste_->setColor(tastei::fingerColor(heim.finger));
    wegTaste_->setFontColor(tastei::shownLabelColor(heimtaste));
    wegTaste_->move(ort);
    wegTaste_->show();
    wegTaste_->raise();
}

void Bildschirmtastatur::WegTasteBewegen(QPoint nach) {
    wegTaste_->move(nach);
}

void Bildschirmtastatur::WegTasteVerbergen() {
    wegTaste_->hide();
}

void Bildschirmtastatur::NummernZeigen(bool sichtbar) {
    nummern_->setVisible(sichtbar);
}
