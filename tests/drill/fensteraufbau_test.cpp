#include "keyboard/keytable.h"
#include "lektion.h"
#include "support/lage.h"
#include "ui/panel.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

// The drill window in each screen class: its controls are whole, inside the
// window and apart, and what it draws reads as meant.
class Fensteraufbau : public Lektion, public ::testing::WithParamInterface<int> {
protected:
    // A screen just as large as the class's window.
    void SetUp() override { platform.screenSize = QSize(GetParam(), GetParam() * 3 / 4); }
};

namespace {

// Where a control lies in the window's own coordinates.
QRect imFenster(const QWidget* w, const QWidget* fenster) {
    return QRect(w->mapTo(fenster, QPoint(0, 0)), w->size());
}

} // namespace

TEST_P(Fensteraufbau, TheBarControlsStandApartInsideTheWindow) {
    starte({QStringLiteral("asdf"), QStringLiteral("jklö")});
    const std::vector<QWidget*> leiste{fenster->Uhr, fenster->TasteiZeileButton,
                                       fenster->Zeilennummern, fenster->KlickZeile,
                                       fenster->AbbrechenButton};
    for (std::size_t i = 0; i < leiste.size(); ++i) {
        const QRect r = imFenster(leiste[i], fenster);
        EXPECT_TRUE(fenster->rect().contains(r)) << leiste[i]->objectName().toStdString();
        for (std::size_t j = i + 1; j < leiste.size(); ++j) {
            EXPECT_FALSE(r.intersects(imFenster(leiste[j], fenster)))
                << leiste[i]->objectName().toStdString() << " / "
                << leiste[j]->objectName().toStdString();
        }
    }
    // The counter's longest caption and the click hint fit their panels.
    starte(QStringList(888, QStringLiteral("asdf")), Edition::Compact, 888);
    fenster->ZeilenNummernClick();
    fenster->ZeilNumEingabe->setText(QStringLiteral("888"));
    fenster->OkZeile->click();
    ASSERT_EQ(fenster->Zeilennummern->caption(), QStringLiteral(" Zeile 888 von Zeile 888"));
    for (Panel* p : {fenster->Zeilennummern, fenster->KlickZeile}) {
        EXPECT_LE(QFontMetrics(p->font()).horizontalAdvance(p->caption()),
                  p->contentsRect().width())
            << p->objectName().toStdString();
    }
}

TEST_P(Fensteraufbau, TheGoToLinePanelOpensWholeBelowTheCounter) {
    starte({QStringLiteral("asdf"), QStringLiteral("jklö")}, Edition::Compact, 2);
    fenster->ZeilenNummernClick();
    ASSERT_FALSE(fenster->GeheZuZeile->isHidden());
    const QRect panel = imFenster(fenster->GeheZuZeile, fenster);
    EXPECT_TRUE(fenster->rect().contains(panel));
    const QRect zaehler = imFenster(fenster->Zeilennummern, fenster);
    EXPECT_GE(panel.top(), zaehler.bottom());
    EXPECT_LE(panel.top() - zaehler.bottom(), 10);
    EXPECT_LE(panel.left(), zaehler.left());
    for (QWidget* w : std::initializer_list<QWidget*>{fenster->ZeilNumEingabe, fenster->OkZeile,
                                                      fenster->EscZeile}) {
        EXPECT_TRUE(fenster->GeheZuZeile->rect().contains(w->geometry()))
            << w->objectName().toStdString();
        EXPECT_GE(w->width(), 30) << w->objectName().toStdString();
        EXPECT_GE(w->height(), 16) << w->objectName().toStdString();
    }
}

TEST_P(Fensteraufbau, HiddenKeysVanishIntoTheKeyboardArea) {
    starte({QStringLiteral("//Blindtastei"), QStringLiteral("asdf")});
    const QImage bild = fenster->NormalTastatur->grab().toImage();
    // Hidden keys are silver; so must the area be where no key lies.
    const QRect p = fenster->NormalTastatur->taste(tastei::KeyId::Key_P)->geometry();
    ASSERT_EQ(fenster->NormalTastatur->Tastaturbild[tastei::KeyId::Key_P].look,
              tastei::KeyLook::Hidden);
    EXPECT_EQ(bild.pixelColor(p.center()), tastei::farbe::Silber);
    const QRect leer = fenster->NormalTastatur->taste(tastei::KeyId::Key_Leer)->geometry();
    EXPECT_EQ(bild.pixelColor(leer.left() - 4, leer.center().y()), tastei::farbe::Silber);
    EXPECT_EQ(fenster->NormalTastatur->nummernFingerwege()->color(), QColor(Qt::white));
    EXPECT_EQ(fenster->InfoFeld->title(), QStringLiteral("  Informationen  "));
}

TEST_P(Fensteraufbau, TheHomeRowLineFitsTheInformationField) {
    starte({QStringLiteral("//Korrektur: ein")});
    Panel* zeile3 = fenster->InfoZeile3;
    bool gesehen = false;
    platform.duringPause = [&](int) {
        if (!zeile3->caption().startsWith(QStringLiteral("Linke Hand:")) || gesehen) {
            return;
        }
        gesehen = true;
        EXPECT_LE(QFontMetrics(zeile3->font()).horizontalAdvance(zeile3->caption()),
                  zeile3->contentsRect().width());
        EXPECT_TRUE(fenster->InfoFeld->rect().contains(zeile3->geometry()));
        EXPECT_TRUE(fenster->rect().contains(imFenster(fenster->InfoFeld, fenster)));
    };
    fenster->Grundstellung();
    EXPECT_TRUE(gesehen);
}

TEST_P(Fensteraufbau, EveryExerciseLaysOutItsControlsInsideAndApart) {
    const std::vector<QStringList> uebungen{
        {QStringLiteral("//Info: Willkommen"), QStringLiteral("//Volltastei"),
         QString::fromUtf8("asdf jklö")},
        {QStringLiteral("//Blindtastei"), QStringLiteral("asdf")},
        {QStringLiteral("//Teiltastei: er"), QStringLiteral("der reis")},
        {QStringLiteral("//Bahntastei"), QStringLiteral("asdf")},
        {QStringLiteral("//Wortaufbau"), QStringLiteral("Wort")},
        {QStringLiteral("//Rasterzeile"), QStringLiteral("raster")},
        {QStringLiteral("//Normalzeile"), QStringLiteral("eine normale Zeile")},
        {QStringLiteral("//Abschreibtext"), QStringLiteral("Ein Text zum Abschreiben.")},
    };
    for (const QStringList& skript : uebungen) {
        starte(skript, Edition::Compact, static_cast<int>(skript.size()));
        const QStringList fehler = lagefehler(fenster, lage::kGewollt);
        EXPECT_TRUE(fehler.isEmpty()) << skript.first().toStdString() << "\n"
                                      << fehler.join(QLatin1Char('\n')).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Bildschirmklassen, Fensteraufbau,
                         ::testing::Values(800, 1024, 1152, 1280));
