#include "keyboard/keygeometry.h"
#include "lektion.h"
#include "ui/panel.h"

#include <QGroupBox>

// The panels of the on-screen keyboard show what the lesson's scheme asks for.
using Tastaturanzeige = Lektion;
using tastei::KeyId;

namespace {

Panel* panel(TFensterTastaturschreiben* f, KeyId key) {
    return f->NormalTastatur->taste(key);
}

} // namespace

TEST_F(Tastaturanzeige, FullKeyboardShowsEveryKeyInItsFingerColour) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    EXPECT_EQ(fenster->NormalTastatur->title(),
              QStringLiteral("  Dynamisches Tasteischema als Volltastei  "));
    EXPECT_EQ(panel(fenster, KeyId::Key_A)->objectName(), QStringLiteral("Taste_A"));
    EXPECT_EQ(panel(fenster, KeyId::Key_A)->caption(), QStringLiteral("A"));
    EXPECT_EQ(panel(fenster, KeyId::Key_A)->color(), tastei::farbe::Rot); // the key to press
    EXPECT_EQ(panel(fenster, KeyId::Key_A)->accessibleDescription(), QStringLiteral("markiert"));
    EXPECT_EQ(panel(fenster, KeyId::Key_Q)->color(), tastei::farbe::Blau);
    EXPECT_EQ(panel(fenster, KeyId::Key_S)->color(), tastei::farbe::Lime);
    EXPECT_EQ(panel(fenster, KeyId::Key_K)->color(), tastei::farbe::Gelb);
    EXPECT_EQ(panel(fenster, KeyId::Key_J)->color(), tastei::farbe::Weiss);
    const auto layout = tastei::NormalTastei(ScreenClass::C1024, tastei::RowStarts::Staggered);
    EXPECT_EQ(fenster->NormalTastatur->geometry(), layout.group);
    EXPECT_EQ(panel(fenster, KeyId::Key_Q)->geometry(), layout[KeyId::Key_Q]);
    EXPECT_TRUE(fenster->NormalTastatur->nummernFingerwege()->isHidden());
}

TEST_F(Tastaturanzeige, BlindSchemeAlignsTheRowsAndSwitchingBackStaggersThem) {
    starte({QStringLiteral("//Blindtastei"), QStringLiteral("asdf"), QStringLiteral("//Volltastei"),
            QStringLiteral("jklö")});
    const auto aligned = tastei::NormalTastei(ScreenClass::C1024, tastei::RowStarts::Aligned);
    const auto staggered = tastei::NormalTastei(ScreenClass::C1024, tastei::RowStarts::Staggered);
    EXPECT_EQ(panel(fenster, KeyId::Key_Y)->geometry(), aligned[KeyId::Key_Y]);
    EXPECT_EQ(panel(fenster, KeyId::Key_F)->caption().trimmed(), QString());
    EXPECT_EQ(panel(fenster, KeyId::Key_F)->color(), tastei::farbe::Weiss);
    EXPECT_EQ(panel(fenster, KeyId::Key_A)->caption(), QStringLiteral("A")); // revealed
    EXPECT_EQ(panel(fenster, KeyId::Key_1)->geometry(), panel(fenster, KeyId::Key_2)->geometry());

    zeileFertig();
    EXPECT_TRUE(z().Modus.Volltastei);
    EXPECT_EQ(panel(fenster, KeyId::Key_Y)->geometry(), staggered[KeyId::Key_Y]);
    EXPECT_NE(panel(fenster, KeyId::Key_1)->geometry(), panel(fenster, KeyId::Key_2)->geometry());
    EXPECT_EQ(panel(fenster, KeyId::Key_F)->caption(), QStringLiteral("F"));
}

TEST_F(Tastaturanzeige, PartialSchemeLabelsOnlyTheKeysOfItsSet) {
    starte({QStringLiteral("//Teiltastei: er"), QStringLiteral("der")});
    EXPECT_EQ(panel(fenster, KeyId::Key_E)->caption(), QStringLiteral("E"));
    EXPECT_EQ(panel(fenster, KeyId::Key_R)->caption(), QStringLiteral("R"));
    EXPECT_EQ(panel(fenster, KeyId::Key_J)->caption(), QStringLiteral("J"));
    EXPECT_EQ(panel(fenster, KeyId::Key_T)->caption().trimmed(), QString());
    EXPECT_EQ(panel(fenster, KeyId::Key_T)->color(), tastei::farbe::Weiss);
}

TEST_F(Tastaturanzeige, HandImpairedLessonsShowTheFingerPathNumbers) {
    starte({QStringLiteral("//Ha"), QStringLiteral("//Teiltastei: er"), QStringLiteral("der")});
    EXPECT_FALSE(fenster->NormalTastatur->nummernFingerwege()->isHidden());
    const QString nummern = fenster->NormalTastatur->nummernFingerwege()->caption();
    EXPECT_TRUE(nummern.contains(QStringLiteral(" 1 ")));
    EXPECT_TRUE(nummern.trimmed().endsWith(QStringLiteral("11")));
    const auto aligned = tastei::NormalTastei(ScreenClass::C1024, tastei::RowStarts::Aligned);
    EXPECT_EQ(panel(fenster, KeyId::Key_A)->geometry(), aligned[KeyId::Key_A]);
}

TEST_F(Tastaturanzeige, KeypadSchemeAndItsTabOnThePointKey) {
    starte({QStringLiteral("//Ziffernblock"), QStringLiteral("4\t5")});
    EXPECT_EQ(fenster->NormalTastatur->title(),
              QStringLiteral("  Dynamisches Tasteischema als Ziffernblock-Tastei  "));
    EXPECT_EQ(panel(fenster, KeyId::Key_D)->caption(), QString::fromUtf8("÷"));
    EXPECT_FALSE(fenster->punktTasteAlsTab());
    fenster->NormalTastatur->Tastaturbild[KeyId::Key_Punkt].caption =
        tastei::keyDef(KeyId::Key_Tab).label.toString();
    EXPECT_TRUE(fenster->punktTasteAlsTab());
}

TEST_F(Tastaturanzeige, ATypedTabRestoresThePointKeyOfTheKeypad) {
    starte({QStringLiteral("//Ziffernblock"), QStringLiteral("4"), QStringLiteral("//Normalzeile"),
            QStringLiteral("1\t2 3")});
    zeileFertig();
    ASSERT_TRUE(z().Modus.Normalzeile);
    fenster->NormalTastatur->Tastaturbild[KeyId::Key_Punkt].caption =
        tastei::keyDef(KeyId::Key_Tab).label.toString();
    taste(Qt::Key_Right); // the right arrow types the Tab the point key shows
    EXPECT_EQ(feld(), QString());
    tippe(QStringLiteral("1"));
    taste(Qt::Key_Right);
    EXPECT_EQ(feld(), QStringLiteral("1\t"));
    EXPECT_EQ(panel(fenster, KeyId::Key_Punkt)->caption(), QStringLiteral("."));
    EXPECT_FALSE(fenster->punktTasteAlsTab());
}
