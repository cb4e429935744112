#include "drill/tastaturbelegung.h"
#include "evaluation/Textanzeige.h"
#include "evaluation/fehlerkarte.h"
#include "keyboard/hervorhebung.h"
#include "lektion.h"
#include "ui/panel.h"

#include <QGroupBox>
#include <QPushButton>

// Keyboard exercises: the next key is marked, typed keys are judged.
using Tastaturuebung = Lektion;
using tastei::KeyId;
using tastei::KeyLook;

namespace {

KeyLook look(TFensterTastaturschreiben* f, KeyId key) {
    return f->NormalTastatur->Tastaturbild[key].look;
}

std::vector<KeyId> markiert(TFensterTastaturschreiben* f) {
    std::vector<KeyId> keys;
    for (std::size_t i = 0; i < tastei::kKeyCount; ++i) {
        if (f->NormalTastatur->Tastaturbild.keys[i].look == KeyLook::Marked) {
            keys.push_back(tastei::keyAt(i));
        }
    }
    return keys;
}

} // namespace

TEST_F(Tastaturuebung, SetUpMarksOnlyTheFirstKey) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    EXPECT_EQ(markiert(fenster), std::vector<KeyId>{KeyId::Key_A});
    EXPECT_EQ(fenster->NormalTastatur->taste(KeyId::Key_A)->color(), tastei::farbe::Rot);
    EXPECT_TRUE(platform.pauses.empty());
    tippe(QStringLiteral("a"));
    EXPECT_EQ(markiert(fenster), std::vector<KeyId>{KeyId::Key_S});
    EXPECT_EQ(look(fenster, KeyId::Key_A), KeyLook::Shown);
    EXPECT_EQ(feld(), QStringLiteral("a"));
}

TEST_F(Tastaturuebung, ADoubledLetterWaitsBeforeItIsMarkedAgain) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("aas")});
    tippe(QStringLiteral("a"));
    EXPECT_EQ(platform.pauses, std::vector<int>{250});
    tippe(QStringLiteral("a"));
    EXPECT_EQ(platform.pauses, std::vector<int>{250});
}

TEST_F(Tastaturuebung, CapitalsMarkTheShiftKeyOfTheOtherHand) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("Tor")});
    EXPECT_EQ(markiert(fenster), (std::vector<KeyId>{KeyId::Key_T, KeyId::Key_ShiftRechts}));
    tippe(QStringLiteral("t"));
    EXPECT_FALSE(z().CorrectionPending);
    EXPECT_EQ(feld(), QString()); // small t is a wrong key
    tippe(QStringLiteral("T"));
    EXPECT_EQ(look(fenster, KeyId::Key_T), KeyLook::Shown);
    EXPECT_EQ(look(fenster, KeyId::Key_ShiftRechts), KeyLook::Shown);
    EXPECT_EQ(look(fenster, KeyId::Key_ShiftLinks), KeyLook::Shown);
    EXPECT_EQ(markiert(fenster), std::vector<KeyId>{KeyId::Key_O});
}

TEST_F(Tastaturuebung, HandImpairedCapitalsMarkBothShiftKeys) {
    starte({QStringLiteral("//Ha"), QStringLiteral("//Volltastei"), QStringLiteral("Asdf")});
    EXPECT_EQ(markiert(fenster),
              (std::vector<KeyId>{KeyId::Key_A, KeyId::Key_ShiftLinks, KeyId::Key_ShiftRechts}));
}

TEST_F(Tastaturuebung, BlindSchemeRevealsTheKeyAndItsGuides) {
    starte({QStringLiteral("//Blindtastei"), QString::fromUtf8("ß_")});
    const tastei::KeyState& sz = fenster->NormalTastatur->Tastaturbild[KeyId::Key_Sz];
    EXPECT_EQ(sz.look, KeyLook::Shown);
    EXPECT_EQ(sz.caption, QString::fromUtf8("ß"));
    EXPECT_EQ(sz.color, tastei::farbe::Blau);
    EXPECT_EQ(look(fenster, KeyId::Key_P), KeyLook::Blank);
    EXPECT_EQ(fenster->NormalTastatur->Tastaturbild[KeyId::Key_P].color, tastei::farbe::Blau);
    tippe(QString::fromUtf8("ß"));
    // "_" guides like "-": Ö and P; the shifted hyphen key is revealed.
    EXPECT_EQ(look(fenster, KeyId::Key_P), KeyLook::Blank);
    EXPECT_EQ(look(fenster, KeyId::Key_Oe), KeyLook::Blank);
    EXPECT_EQ(look(fenster, KeyId::Key_Sz), KeyLook::Hidden);
    EXPECT_EQ(fenster->NormalTastatur->Tastaturbild[KeyId::Key_Mitte].caption, QStringLiteral("_"));
    tippe(QStringLiteral("_"));
    EXPECT_EQ(look(fenster, KeyId::Key_P), KeyLook::Hidden);
    EXPECT_EQ(look(fenster, KeyId::Key_Mitte), KeyLook::Hidden);
}

TEST_F(Tastaturuebung, AccentedLettersShowTheirOrder) {
    starte({QStringLiteral("//Volltastei"), QString::fromUtf8("éè")});
    EXPECT_EQ(markiert(fenster), (std::vector<KeyId>{KeyId::Key_Acc, KeyId::Key_E}));
    EXPECT_EQ(fenster->NormalTastatur->Tastaturbild[KeyId::Key_Acc].caption,
              QString::fromUtf8("´"));
    EXPECT_EQ(fenster->NormalTastatur->Tastaturbild[KeyId::Key_Leer].caption, tastei::kReihenfolge);
    EXPECT_EQ(fenster->NormalTastatur->Tastaturbild[KeyId::Key_Leer].color, tastei::farbe::Blau);
    EXPECT_EQ(z().ExpectedChar, QLatin1Char('e'));

    tippe(QString::fromUtf8("é"));
    EXPECT_EQ(fenster->NormalTastatur->Tastaturbild[KeyId::Key_Acc].caption, QStringLiteral("`"));
    EXPECT_EQ(markiert(fenster),
              (std::vector<KeyId>{KeyId::Key_Acc, KeyId::Key_E, KeyId::Key_ShiftLinks}));
    tippe(QString::fromUtf8("è"));
    EXPECT_EQ(feld(), QString::fromUtf8("éè"));
    EXPECT_EQ(fenster->NormalTastatur->Tastaturbild[KeyId::Key_Leer].caption,
              QStringLiteral("Leer"));
}

TEST_F(Tastaturuebung, AWrongKeyWithCorrectionWantsBackspaceFirst) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Volltastei"),
            QStringLiteral("asdf")});
    tippe(QStringLiteral("ax"));
    EXPECT_EQ(feld(), QStringLiteral("ax"));
    EXPECT_TRUE(z().CorrectionPending);
    EXPECT_EQ(markiert(fenster), std::vector<KeyId>{KeyId::Key_Back});
    EXPECT_EQ(look(fenster, KeyId::Key_S), KeyLook::Shown); // the due key is restored
    tippe(QStringLiteral("s"));
    EXPECT_EQ(feld(), QStringLiteral("ax"));
    tippe(QStringLiteral("\b"));
    EXPECT_EQ(feld(), QStringLiteral("a"));
    EXPECT_FALSE(z().CorrectionPending);
    EXPECT_EQ(z().ScriptLine, QStringLiteral("asdf"));
    EXPECT_EQ(markiert(fenster), std::vector<KeyId>{KeyId::Key_S});
    tippe(QStringLiteral("sdf"));
    EXPECT_EQ(feld(), QStringLiteral("asdf"));
}

TEST_F(Tastaturuebung, DrillLinesJoinWithABlankAndTheLastCharacterEndsTheUnit) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("abc"), QStringLiteral("def")});
    EXPECT_EQ(z().ScriptLine, QStringLiteral("abc "));
    tippe(QStringLiteral("abc"));
    EXPECT_EQ(markiert(fenster), std::vector<KeyId>{KeyId::Key_Leer});
    tippe(QStringLiteral(" "));
    EXPECT_EQ(feld(), QStringLiteral("abc \n"));
    EXPECT_EQ(markiert(fenster), std::vector<KeyId>{KeyId::Key_D});
    tippe(QStringLiteral("def"));
    EXPECT_EQ(enden, std::vector<bool>{true});
    EXPECT_EQ(feld(), QStringLiteral("abc \ndef"));
}

TEST_F(Tastaturuebung, ParagraphEndsWantReturnTwice) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Volltastei"),
            QStringLiteral("abc"), QString(), QStringLiteral("def")});
    tippe(QStringLiteral("abc"));
    EXPECT_EQ(markiert(fenster), std::vector<KeyId>{KeyId::Key_Return});
    EXPECT_TRUE(z().LineEndReached);
    EXPECT_EQ(z().CorrectionMode, Korrekturmodus::Ausgesetzt);
    tippe(QStringLiteral("\r\r"));
    EXPECT_FALSE(z().LineEndReached);
    EXPECT_EQ(z().CorrectionMode, Korrekturmodus::Ein);
    EXPECT_EQ(feld(), QStringLiteral("abc\n\n"));
    EXPECT_EQ(markiert(fenster), std::vector<KeyId>{KeyId::Key_D});
}

TEST_F(Tastaturuebung, TheKeypadPassesOverASingleBlank) {
    starte({QStringLiteral("//Ziffernblock"), QStringLiteral("12 34")});
    tippe(QStringLiteral("12"));
    EXPECT_EQ(feld(), QStringLiteral("12 "));
    EXPECT_EQ(z().ExpectedChar, QLatin1Char('3'));
    EXPECT_EQ(platform.pauses, std::vector<int>{250});
}

TEST_F(Tastaturuebung, FingerPathWalksOutAndBack) {
    starte({QStringLiteral("//Teiltastei: e"), QStringLiteral("de")});
    std::vector<QPoint> wege;
    platform.duringPause = [&](int) { wege.push_back(fenster->NormalTastatur->wegTaste()->pos()); };
    const QPoint d = fenster->NormalTastatur->Tastaturbild[KeyId::Key_D].geometry.topLeft();
    const QPoint e = fenster->NormalTastatur->Tastaturbild[KeyId::Key_E].geometry.topLeft();
    const QPoint schritt = tastei::wegschritt(d, e, 5);
    tippe(QStringLiteral("d")); // outward walk from D to E before E is marked
    ASSERT_EQ(wege.size(), 5u);
    EXPECT_EQ(wege.front(), d + schritt);
    EXPECT_EQ(wege.back(), d + 5 * schritt);
    EXPECT_EQ(platform.pauses, std::vector<int>(5, 40));
    EXPECT_EQ(fenster->NormalTastatur->wegTaste()->caption(), QStringLiteral("D"));
    EXPECT_TRUE(fenster->NormalTastatur->wegTaste()->isHidden());
    EXPECT_FALSE(z().InputBlocked);

    wege.clear();
    platform.pauses.clear();
    tippe(QStringLiteral("e")); // the way back, then onto the home key
    ASSERT_EQ(wege.size(), 6u);
    EXPECT_EQ(wege.front(), e - schritt);
    EXPECT_EQ(wege[4], e - 5 * schritt);
    EXPECT_EQ(wege.back(), d);
    EXPECT_EQ(fenster->NormalTastatur->wegTaste()->caption(), QStringLiteral("D"));
    EXPECT_EQ(platform.pauses, (std::vector<int>{40, 40, 40, 40, 40, 200}));
}

TEST_F(Tastaturuebung, AKeyboardLessonTypedToItsEnd) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Volltastei"),
            QString::fromUtf8("asdf jklö"), QStringLiteral("//Blindtastei"), QStringLiteral("fjfj"),
            QStringLiteral("//Teiltastei: er"), QStringLiteral("der"), QStringLiteral("//Ende")},
           Edition::School, 3);
    tippe(QString::fromUtf8("asdf jklö"));
    EXPECT_TRUE(z().Modus.Blindtastei);
    tippe(QStringLiteral("fjfj"));
    EXPECT_TRUE(z().Modus.Teiltastei);
    tippe(QStringLiteral("der"));
    EXPECT_EQ(enden, std::vector<bool>{true});
    EXPECT_EQ(feld(), QString::fromUtf8("asdf jklö\nfjfj\nder"));
    EXPECT_EQ(fenster->Zeilennummern->caption(), QStringLiteral(" Zeile 3 von Zeile 3"));
}

TEST_F(Tastaturuebung, EachKeyGroupWalksItsOwnSteps) {
    struct Fall {
        QString zeile; // the walk runs for its second character
        KeyId heim;
        KeyId ziel;
        int schritte;
        int teiler;
        int warte;
    };
    const std::vector<Fall> faelle = {
        {QStringLiteral("a1"), KeyId::Key_A, KeyId::Key_1, 8, 8, 40},
        {QStringLiteral("d4"), KeyId::Key_D, KeyId::Key_4, 5, 8, 40},
        {QStringLiteral("a\t"), KeyId::Key_A, KeyId::Key_Tab, 5, 5, 40},
        {QString::fromUtf8("aé"), KeyId::Key_Oe, KeyId::Key_Acc, 10, 10, 30},
    };
    for (const Fall& fall : faelle) {
        starte({QString::fromUtf8("//Teiltastei: 14\té"), fall.zeile});
        std::vector<QPoint> wege;
        platform.pauses.clear();
        platform.duringPause = [&](int) {
            wege.push_back(fenster->NormalTastatur->wegTaste()->pos());
        };
        tippe(fall.zeile.left(1));
        platform.duringPause = nullptr;
        const QPoint start = fenster->NormalTastatur->Tastaturbild[fall.heim].geometry.topLeft();
        const QPoint schritt = tastei::wegschritt(
            start, fenster->NormalTastatur->Tastaturbild[fall.ziel].geometry.topLeft(),
            fall.teiler);
        ASSERT_EQ(wege.size(), std::size_t(fall.schritte)) << fall.zeile.toStdString();
        EXPECT_EQ(wege.front(), start + schritt) << fall.zeile.toStdString();
        EXPECT_EQ(wege.back(), start + fall.schritte * schritt) << fall.zeile.toStdString();
        EXPECT_EQ(platform.pauses, std::vector<int>(std::size_t(fall.schritte), fall.warte));
    }
}

TEST_F(Tastaturuebung, KeysArrivingDuringAWaitAreJudgedInOrderAfterIt) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("aasd")});
    bool einmal = false;
    platform.duringPause = [&](int) {
        if (!einmal) {
            einmal = true;
            tippe(QStringLiteral("as")); // typed on during the doubled letter's wait
        }
    };
    tippe(QStringLiteral("a"));
    EXPECT_EQ(feld(), QStringLiteral("aas"));
    EXPECT_FALSE(z().CorrectionPending);
    EXPECT_EQ(z().ExpectedChar, QLatin1Char('d'));
}

TEST_F(Tastaturuebung, KeysTypedWhileTheFingerWalksAreJudgedAfterIt) {
    // 120 strokes a minute: every key arrives while the one before still
    // walks its finger path or waits for a doubled letter.
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Teiltastei: e"),
            QStringLiteral("deed ed")});
    QString vorraus = QStringLiteral("eed ed");
    platform.duringPause = [&](int) {
        if (!vorraus.isEmpty()) {
            const QChar c = vorraus.front();
            vorraus.remove(0, 1);
            tippe(QString(c));
        }
    };
    tippe(QStringLiteral("d"));
    EXPECT_TRUE(vorraus.isEmpty());
    EXPECT_FALSE(z().CorrectionPending);
    EXPECT_EQ(enden, std::vector<bool>{true});
    const QStringList anzeige = anwendung->FensterTextanzeige().Anzeigezeilen();
    EXPECT_EQ(anzeige.mid(0, 3).join(QLatin1Char('\n')), QStringLiteral("\n\ndeed ed"));
    // Below the text the figures: seven keys, none wrong.
    EXPECT_EQ(anzeige.size(), 5);
    EXPECT_TRUE(anzeige.value(4).endsWith(QStringLiteral("Fehlerquote: 0,0 %")))
        << anzeige.value(4).toStdString();
}

TEST_F(Tastaturuebung, TheResultCarriesSpeedErrorRateAndTheWrongKeys) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Volltastei"),
            QStringLiteral("asdf")});
    // Six keys, half a second apart: a, a wrong x for s, its Backspace, s,
    // d, and f, which ends the unit 2.5 seconds after the first key.
    for (const QString& taste : {QStringLiteral("a"), QStringLiteral("x"), QStringLiteral("\b"),
                                 QStringLiteral("s"), QStringLiteral("d"), QStringLiteral("f")}) {
        tippe(taste);
        platform.advance(500);
    }
    ASSERT_EQ(enden, std::vector<bool>{true});
    const QStringList anzeige = anwendung->FensterTextanzeige().Anzeigezeilen();
    ASSERT_GE(anzeige.size(), 3);
    EXPECT_EQ(anzeige.mid(anzeige.size() - 3),
              (QStringList{QString(),
                           QString::fromUtf8("Tempo: 144,0 Anschläge je Minute   "
                                             "Fehlerquote: 16,7 %"),
                           QString::fromUtf8("Falsche Anschläge je Taste: s 1")}));
    // The printed result carries them too.
    EXPECT_EQ(anwendung->FensterTextanzeige().Druckzeilen().last().trimmed(),
              QString::fromUtf8("Falsche Anschläge je Taste: s 1"));

    // The error map: S went wrong, A never, Q was not asked for.
    auto* karte = anwendung->FensterTextanzeige().findChild<Fehlerkarte*>();
    auto* knopf = anwendung->FensterTextanzeige().findChild<QPushButton*>(
        QStringLiteral("FehlerkarteButton"));
    ASSERT_NE(karte, nullptr);
    ASSERT_NE(knopf, nullptr);
    EXPECT_FALSE(knopf->isHidden());
    EXPECT_GT(karte->quoten()[tastei::indexOf(tastei::KeyId::Key_S)].value_or(0), 0.0);
    EXPECT_EQ(karte->quoten()[tastei::indexOf(tastei::KeyId::Key_A)], 0.0);
    EXPECT_FALSE(karte->quoten()[tastei::indexOf(tastei::KeyId::Key_Q)].has_value());
    EXPECT_TRUE(karte->isHidden());
    knopf->click();
    EXPECT_FALSE(karte->isHidden());
    knopf->click();
    EXPECT_TRUE(karte->isHidden());
}

TEST_F(Tastaturuebung, TheBackspaceDrillLeavesNoAtSignInTheText) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("as@"), QStringLiteral("//Volltastei"),
            QStringLiteral("dx@")});
    tippe(QStringLiteral("as\b"));
    EXPECT_EQ(feld(), QStringLiteral("a\n"));
    tippe(QStringLiteral("dx\b"));
    EXPECT_EQ(enden, std::vector<bool>{true});
    EXPECT_EQ(anwendung->FensterTextanzeige().Anzeigezeilen().join(QLatin1Char('\n')),
              QStringLiteral("\n\na\nd"));
}

namespace {

// A key with the place it has on the keyboard (evdev code + 8) and the
// character the layout made of it.
void tasteAmOrt(QWidget* feld, quint32 scancode, const QString& text) {
    QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, scancode, 0, 0, text);
    QCoreApplication::sendEvent(feld, &druck);
}

constexpr quint32 kOrtVonZ = 29; // right of T
constexpr quint32 kOrtVonA = 38;

} // namespace

TEST_F(Tastaturuebung, AKeyboardLayoutThatIsNotGermanIsReportedOncePerRun) {
    const QStringList einheit{QStringLiteral("//Korrektur: ein"), QStringLiteral("//Volltastei"),
                              QStringLiteral("azaz")};
    starte(einheit);
    // The German layout: a and z where they belong, no message.
    tasteAmOrt(fenster->Texteingabefeld, kOrtVonA, QStringLiteral("a"));
    tasteAmOrt(fenster->Texteingabefeld, kOrtVonZ, QStringLiteral("z"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(feld(), QStringLiteral("az"));

    // An English layout gives y right of T: said once, with the way out.
    fenster->EinheitUebernehmen(QString(), einheit, 1);
    tasteAmOrt(fenster->Texteingabefeld, kOrtVonA, QStringLiteral("a"));
    tasteAmOrt(fenster->Texteingabefeld, kOrtVonZ, QStringLiteral("y"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(platform.messages[0].text.contains(
        QString::fromUtf8("die Taste rechts neben T schreibt \"y\" statt \"z\"")))
        << platform.messages[0].text.toStdString();
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("setxkbmap de")));
    // The key is judged as ever: a wrong key.
    EXPECT_TRUE(z().CorrectionPending);

    fenster->EinheitUebernehmen(QString(), einheit, 1);
    tasteAmOrt(fenster->Texteingabefeld, kOrtVonZ, QStringLiteral("y"));
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST(Tastaturbelegung, OnlyTheKeysThatDifferDecide) {
    using tastaturbelegung::Urteil;
    EXPECT_EQ(tastaturbelegung::pruefen(kOrtVonZ, QStringLiteral("Z")).urteil, Urteil::Deutsch);
    EXPECT_EQ(tastaturbelegung::pruefen(47, QString::fromUtf8("Ö")).urteil, Urteil::Deutsch);
    EXPECT_EQ(tastaturbelegung::pruefen(20, QStringLiteral("?")).urteil, Urteil::Deutsch);
    EXPECT_EQ(tastaturbelegung::pruefen(47, QStringLiteral(";")).urteil, Urteil::Fremd);
    EXPECT_EQ(tastaturbelegung::pruefen(52, QStringLiteral("z")).urteil, Urteil::Fremd);
    // A key alike in both, a key event without a place, a key without text.
    EXPECT_EQ(tastaturbelegung::pruefen(kOrtVonA, QStringLiteral("a")).urteil, Urteil::Offen);
    EXPECT_EQ(tastaturbelegung::pruefen(0, QStringLiteral("y")).urteil, Urteil::Offen);
    EXPECT_EQ(tastaturbelegung::pruefen(kOrtVonZ, QString()).urteil, Urteil::Offen);
}
