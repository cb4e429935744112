#include "app/Ruvasko.h"
#include "evaluation/Textanzeige.h"
#include "keyboard/Informationen.h"
#include "lektion.h"
#include "ui/panel.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <numeric>

// Control of a running unit and the instruction sequences, on the virtual clock.
using Steuerung = Lektion;
using tastei::KeyId;

namespace {

const QStringList kBloecke{QStringLiteral("//Korrektur: aus"),
                           QStringLiteral("//Volltastei"),
                           QStringLiteral("asdf"),
                           QStringLiteral("jklö"),
                           QStringLiteral("//Korrektur: ein"),
                           QStringLiteral("//Teiltastei: er"),
                           QStringLiteral("erde"),
                           QStringLiteral("rede"),
                           QStringLiteral("//Ende")};

} // namespace

TEST_F(Steuerung, TheClockStartsWithTheFirstKeystroke) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    platform.advance(5000);
    EXPECT_EQ(fenster->Uhr->caption(), QStringLiteral(" Zeit: 00:00:00"));
    tippe(QStringLiteral("a"));
    platform.advance(65000);
    EXPECT_EQ(fenster->Uhr->caption(), QStringLiteral(" Zeit: 00:01:05"));
    platform.advance(3600 * 1000);
    EXPECT_EQ(fenster->Uhr->caption(), QStringLiteral(" Zeit: 01:01:05"));
}

TEST_F(Steuerung, GoToLineRefusesWhatIsNoLineNumber) {
    starte(kBloecke, Edition::School, 4);
    const auto eingeben = [this](const QString& text) {
        fenster->ZeilenNummernClick();
        fenster->ZeilNumEingabe->setText(text);
        fenster->OkZeile->click();
    };
    eingeben(QString());
    eingeben(QStringLiteral("3a"));
    eingeben(QStringLiteral("5"));
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Geben Sie eine Zeilennummer ein."));
    EXPECT_EQ(platform.messages[1].text,
              QString::fromUtf8("Ungültiger Wert. Geben Sie nur Ziffern ein."));
    EXPECT_EQ(platform.messages[2].text, QString::fromUtf8("Der eingegebene Wert ist zu groß."));
    EXPECT_FALSE(fenster->GeheZuZeile->isHidden());
    fenster->EscZeile->click();
    EXPECT_TRUE(fenster->GeheZuZeile->isHidden());
    EXPECT_FALSE(fenster->AbbrechenButton->isHidden());
}

TEST_F(Steuerung, GoToLineIntoAPartialBlockRestoresItsKeyboardAndCorrection) {
    starte(kBloecke, Edition::School, 4);
    EXPECT_EQ(z().CorrectionMode, Korrekturmodus::Aus);
    tippe(QStringLiteral("as"));
    fenster->ZeilenNummernClick();
    fenster->ZeilNumEingabe->setText(QStringLiteral("4"));
    fenster->OkZeile->click();
    EXPECT_TRUE(fenster->GeheZuZeile->isHidden());
    EXPECT_EQ(z().ScriptLineIndex, 7);
    EXPECT_EQ(z().ScriptLine, QStringLiteral("rede"));
    EXPECT_TRUE(z().Modus.Teiltastei);
    EXPECT_EQ(z().TeilKeySet, QString::fromUtf8("erasdfjklö"));
    EXPECT_EQ(z().CorrectionMode, Korrekturmodus::Ein);
    EXPECT_EQ(fenster->NormalTastatur->Tastaturbild[KeyId::Key_R].look, tastei::KeyLook::Marked);
    EXPECT_EQ(feld(), QStringLiteral("as\n"));
    EXPECT_EQ(fenster->Zeilennummern->caption(), QStringLiteral(" Zeile 4 von Zeile 4"));
    tippe(QStringLiteral("rede"));
    EXPECT_EQ(enden, std::vector<bool>{true});
}

TEST_F(Steuerung, GoToLineZeroRestartsTheUnit) {
    starte(kBloecke, Edition::School, 4);
    tippe(QStringLiteral("asdf jklö "));
    ASSERT_TRUE(z().Modus.Teiltastei);
    fenster->ZeilenNummernClick();
    fenster->ZeilNumEingabe->setText(QStringLiteral("0"));
    fenster->OkZeile->click();
    EXPECT_TRUE(z().Modus.Volltastei);
    EXPECT_EQ(z().ScriptLineIndex, 2);
    EXPECT_EQ(z().CorrectionMode, Korrekturmodus::Aus);
    EXPECT_EQ(fenster->NormalTastatur->Tastaturbild[KeyId::Key_A].look, tastei::KeyLook::Marked);
    EXPECT_EQ(fenster->Zeilennummern->caption(), QStringLiteral(" Zeile 1 von Zeile 4"));
}

TEST_F(Steuerung, AbortAnsweredNoThenYes) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    tippe(QStringLiteral("as"));
    platform.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
    fenster->AbbrechenButton->click();
    EXPECT_TRUE(enden.empty());
    EXPECT_EQ(z().ExpectedChar, QLatin1Char('d'));
    fenster->AbbrechenButton->click();
    EXPECT_EQ(enden, std::vector<bool>{false});
    TFensterTextanzeige& ergebnis = anwendung->FensterTextanzeige();
    EXPECT_FALSE(ergebnis.isHidden());
    EXPECT_EQ(ergebnis.Anzeigezeilen().join(QLatin1Char('\n')), QStringLiteral("\n\nas"));
    EXPECT_TRUE(fenster->isHidden());
}

TEST_F(Steuerung, AnUnitEndedWithNothingTypedReturnsToTheStartWindow) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    platform.messageAnswers = {MessageAnswer::Yes};
    fenster->AbbrechenButton->click();
    EXPECT_TRUE(anwendung->FensterTextanzeige().isHidden());
    EXPECT_FALSE(anwendung->FensterStart().isHidden());
}

TEST_F(Steuerung, TheDisplaySwitchCycles) {
    starte({QStringLiteral("asdf jklö"), QStringLiteral("fdsa")});
    ASSERT_EQ(fenster->TasteiZeileButton->text(), QStringLiteral(" Blindtastei "));
    fenster->TasteiZeileButton->click();
    EXPECT_TRUE(z().Modus.Teiltastei);
    EXPECT_EQ(fenster->TasteiZeileButton->text(), QStringLiteral(" Zeile "));
    fenster->TasteiZeileButton->click();
    EXPECT_TRUE(z().Modus.Normalzeile);
    EXPECT_FALSE(fenster->NormalzeilenFeld->isHidden());
    EXPECT_EQ(fenster->TasteiZeileButton->text(), QStringLiteral(" Volltastei "));
    fenster->TasteiZeileButton->click();
    EXPECT_TRUE(z().Modus.Volltastei);
    EXPECT_EQ(fenster->TasteiZeileButton->text(), QStringLiteral(" Blindtastei "));
}

TEST_F(Steuerung, HinweisChangeAnswersAndShows) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    TFensterInformationen& info = anwendung->FensterInformationen();
    EXPECT_EQ(info.HinweisChange(QStringLiteral("JA"), 0, QString()),
              TFensterInformationen::Antwort::Ja);
    EXPECT_TRUE(info.isHidden());
    EXPECT_EQ(info.HinweisChange(QStringLiteral("Erste\r\rDritte"), 2, QStringLiteral("OK ESC")),
              TFensterInformationen::Antwort::Abbruch);
    EXPECT_FALSE(info.isHidden());
    EXPECT_EQ(info.Hinweis->lines(), (QStringList{"Erste", "", "Dritte"}));
    EXPECT_FALSE(info.InfoOk->isHidden());
    EXPECT_FALSE(info.InfoEsc->isHidden());
    EXPECT_TRUE(info.InfoJa->isHidden());
    EXPECT_EQ(platform.pauses, std::vector<int>{1600});
    info.InfoEsc->click();
    EXPECT_TRUE(info.isHidden());
}

TEST_F(Steuerung, InfoLinesAndTheTimedHold) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    fenster->InfoImInfofeld(QStringLiteral("//Info:   Wort"), 2);
    EXPECT_EQ(fenster->InfoZeile2->caption(), QStringLiteral("   Wort"));
    bool gesperrt = false;
    platform.duringPause = [&](int) { gesperrt = z().InputBlocked; };
    fenster->InfoImInfofeld(QStringLiteral("//Info: egal"), 103);
    EXPECT_EQ(platform.pauses, std::vector<int>{9000});
    EXPECT_TRUE(gesperrt);
    EXPECT_TRUE(fenster->InfoFeld->isHidden());
    EXPECT_FALSE(z().InputBlocked);
}

TEST_F(Steuerung, FingerPathOfTheDollarBlinksBetweenTheKeys) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    std::vector<QString> vier;
    std::vector<QString> d;
    platform.duringPause = [&](int ms) {
        if (ms == 900) {
            vier.push_back(fenster->NormalTastatur->taste(KeyId::Key_4)->caption());
            d.push_back(fenster->NormalTastatur->taste(KeyId::Key_D)->caption());
        }
    };
    fenster->FingerWegZeigen(QStringLiteral("$"));
    EXPECT_EQ(fenster->Infozeile1->caption(), QString());
    ASSERT_EQ(vier.size(), 20u);
    EXPECT_EQ(vier[0].trimmed(), QString());
    EXPECT_EQ(d[0], QStringLiteral("D"));
    EXPECT_EQ(vier[1], QStringLiteral("$"));
    EXPECT_EQ(d[1].trimmed(), QString());
    EXPECT_FALSE(z().InputBlocked);
    EXPECT_TRUE(fenster->InfoFeld->isHidden());
    EXPECT_FALSE(fenster->AbbrechenButton->isHidden());
}

TEST_F(Steuerung, FingerPathOfAHomeKeyHasTextButNoBlinking) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    fenster->FingerWegZeigen(QString::fromUtf8("ö"));
    EXPECT_EQ(platform.pauses, std::vector<int>{6000}); // only the closing hint
    EXPECT_EQ(fenster->InfoZeile2->caption(),
              QString::fromUtf8("Gehen Sie nach jedem Anschlag mit dem Finger in die "
                                "Grundstellung zurück."));
}

TEST_F(Steuerung, TheHomeRowIntroductionBlocksInputThroughout) {
    starte({QStringLiteral("//Gr"), QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    EXPECT_TRUE(z().Modus.Volltastei);
    ASSERT_FALSE(platform.pauses.empty());
    EXPECT_EQ(std::accumulate(platform.pauses.begin(), platform.pauses.end(), 0), 128000);

    std::vector<bool> gesperrt;
    platform.duringPause = [&](int) { gesperrt.push_back(z().InputBlocked); };
    fenster->Grundstellung();
    EXPECT_EQ(std::count(gesperrt.begin(), gesperrt.end(), false), 0);
    EXPECT_FALSE(z().InputBlocked);
    EXPECT_EQ(fenster->NormalTastatur->Tastaturbild[KeyId::Key_A].look, tastei::KeyLook::Shown);
    EXPECT_EQ(fenster->NormalTastatur->Tastaturbild[KeyId::Key_Oe].caption, QString::fromUtf8("Ö"));
    EXPECT_TRUE(fenster->InfoFeld->isHidden());
}

TEST_F(Steuerung, ClosingTheDrillWindowAsksLikeTheAbortButton) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    fenster->show();
    platform.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
    fenster->close();
    EXPECT_TRUE(enden.empty());
    EXPECT_EQ(platform.messages.size(), 1u);
    fenster->close();
    EXPECT_EQ(enden, std::vector<bool>{false});
    EXPECT_FALSE(anwendung->FensterStart().isHidden()); // nothing typed: back to the menu
}

TEST_F(Steuerung, TheDisplaySwitchEndsAPendingCorrection) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("asdf")});
    tippe(QStringLiteral("ax"));
    ASSERT_TRUE(z().CorrectionPending);
    fenster->TasteiZeileButton->click();
    EXPECT_FALSE(z().CorrectionPending);
    EXPECT_EQ(z().ScriptLine, QStringLiteral("asdf"));
    tippe(QStringLiteral("as"));
    EXPECT_EQ(feld(), QStringLiteral("ax\nas"));
    EXPECT_EQ(z().CharPos, 3);
}

TEST_F(Steuerung, ARefusedLineNumberKeepsTheKeypadLineRunning) {
    starte({QStringLiteral("//Ziffernblock"), QStringLiteral("456"),
            QStringLiteral("//Normalzeile"), QStringLiteral("789 456")},
           Edition::School, 2);
    tippe(QStringLiteral("456\r"));
    ASSERT_TRUE(z().Modus.Normalzeile);
    ASSERT_TRUE(st().NumpadMode);
    const QString vorher = feld();
    fenster->ZeilenNummernClick();
    fenster->ZeilNumEingabe->setText(QStringLiteral("x"));
    fenster->OkZeile->click();
    fenster->EscZeile->click();
    EXPECT_TRUE(z().Modus.Normalzeile);
    tippe(QStringLiteral("x7")); // the wrong key is judged and dropped
    EXPECT_EQ(feld(), vorher + QStringLiteral("7"));
}
