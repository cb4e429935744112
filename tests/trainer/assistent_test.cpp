#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "drill/Tastaturschreiben.h"
#include "support/dateien.h"
#include "support/qtprinters.h"
#include "support/testplatform.h"
#include "trainer/Schreibtrainer.h"
#include "trainer/TrainerAssi.h"
#include "trainer/assistentdaten.h"
#include "ui/richtextfield.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The settings assistant of the school edition: six steps to the trainer.

namespace {

class Assistent : public ::testing::Test {
protected:
    void SetUp() override {
        anwendung = std::make_unique<Anwendung>(platform, Edition::School);
        anwendung->state().StartDirectory = verzeichnis.path();
        start = &anwendung->FensterStart();
        assi = &anwendung->FensterAssi();
        start->show();
        start->Schreibtrainer->click();
    }

    ProgramState& st() { return anwendung->state(); }
    void weiter() { assi->SchrittvonSchritte(TFensterAssi::Ausloeser::Weiter); }
    void zurueck() { assi->SchrittvonSchritte(TFensterAssi::Ausloeser::Zurueck); }

    QTemporaryDir verzeichnis;
    TestPlatform platform;
    std::unique_ptr<Anwendung> anwendung;
    TFensterStart* start = nullptr;
    TFensterAssi* assi = nullptr;
};

} // namespace

TEST(Assistentdaten, ListRowsGiveTheirFiles) {
    const QStringList texte = assistent::texteintraege();
    ASSERT_EQ(texte.size(), 30);
    EXPECT_EQ(texte.first(), QString::fromUtf8(" Text 01  Linkshändigkeit"));
    EXPECT_EQ(texte.last(), QStringLiteral(" Text 30  Chinesische Mauer"));
    EXPECT_EQ(assistent::textdatei(0), QStringLiteral("KP_TXT01.VER"));
    EXPECT_EQ(assistent::textdatei(29), QStringLiteral("KP_TXT30.VER"));
    EXPECT_EQ(assistent::textdatei(30), QString());
    EXPECT_EQ(assistent::textdatei(-1), QString());
    const QStringList einheiten = assistent::gelaeufigkeitseintraege();
    ASSERT_EQ(einheiten.size(), 20);
    EXPECT_EQ(einheiten.at(17), QString::fromUtf8(" Geläufigkeitstraining  18"));
    EXPECT_EQ(einheiten.at(18), QString());
    EXPECT_EQ(assistent::gelaeufigkeitsdatei(17), QStringLiteral("KP_GLS18.VER"));
    EXPECT_EQ(assistent::gelaeufigkeitsdatei(18), QString()); // a blank item
}

TEST_F(Assistent, OpensOnStepOneAndGoesForwardAndBack) {
    EXPECT_FALSE(assi->isHidden());
    EXPECT_TRUE(start->Startmenue->isHidden());
    EXPECT_EQ(assi->Schritt(), 1);
    EXPECT_EQ(assi->windowTitle(), QStringLiteral(" ... Einstellungen: Schritt 1 von 6"));
    weiter();
    weiter();
    EXPECT_EQ(assi->Schritt(), 3);
    weiter();
    EXPECT_EQ(assi->Schritt(), 4);
    EXPECT_TRUE(assi->ZeiteinstellungOffen());
    zurueck();
    EXPECT_EQ(assi->Schritt(), 3);
    EXPECT_FALSE(assi->ZeiteinstellungOffen());
    EXPECT_EQ(assi->windowTitle(), QStringLiteral(" ... Einstellungen: Schritt 3 von 6"));
    zurueck();
    zurueck();
    zurueck(); // nothing before step 1
    EXPECT_EQ(assi->Schritt(), 1);
}

TEST_F(Assistent, WithoutTimeLimitWhateverTheMinutesField) {
    weiter();
    weiter();
    weiter();
    assi->MinutenSetzen(25);
    assi->Waehlen(4, 1); // "Ohne Zeitvorgabe"
    EXPECT_FALSE(assi->ZeiteinstellungOffen());
    weiter();
    EXPECT_EQ(assi->Schritt(), 5);
    EXPECT_FALSE(st().TrainerTimed);
    EXPECT_EQ(st().TrainerTimeSeconds, 0);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Assistent, MinutesOutsideOneToSixtyGiveTheirMessageAndNoTimeLimit) {
    weiter();
    weiter();
    weiter();
    assi->MinutenSetzen(0);
    assi->MinutenEinstellen(true);
    assi->MinutenSetzen(61);
    assi->MinutenEinstellen(true);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text,
              QString::fromUtf8("Geben Sie einen Wert zwischen 1 und 60 ein."));
    EXPECT_EQ(platform.messages[1].text,
              QString::fromUtf8("Der Wert darf nicht größer als 60 sein."));
    EXPECT_TRUE(assi->ZeiteinstellungOffen());
    EXPECT_FALSE(st().TrainerTimed);

    assi->MinutenSetzen(12);
    assi->MinutenEinstellen(true);
    EXPECT_TRUE(st().TrainerTimed);
    EXPECT_EQ(st().TrainerTimeSeconds, 720);
    // A later entry out of range, taken over by "&Weiter", leaves no limit.
    assi->MinutenSetzen(0);
    weiter();
    EXPECT_EQ(assi->Schritt(), 5);
    EXPECT_FALSE(st().TrainerTimed);
    EXPECT_EQ(st().TrainerTimeSeconds, 0);

    zurueck();
    assi->MinutenEinstellen(false); // cancel of the minutes panel
    EXPECT_EQ(st().TrainerTimeSeconds, 0);
    EXPECT_FALSE(assi->ZeiteinstellungOffen());
}

TEST_F(Assistent, APrintTemplateWithoutEvaluationEndsAfterStepFive) {
    weiter();
    assi->Waehlen(2, 1); // "als Druckvorlage"
    weiter();
    weiter();
    assi->Waehlen(4, 1);
    weiter();
    assi->Waehlen(5, 1); // "Ohne Auswertung"
    EXPECT_EQ(assi->WeiterText(), QStringLiteral("&Ende"));
    weiter();
    EXPECT_TRUE(assi->isHidden());
    EXPECT_FALSE(anwendung->FensterSchreibtrainer().isHidden());
    EXPECT_TRUE(st().TrainerPrintTemplate);
    EXPECT_FALSE(st().TrainerEvaluation);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Assistent, StepSixWantsAChoiceAndItsFirstItemOpensTheTextList) {
    for (int i = 0; i < 5; ++i) {
        weiter();
    }
    ASSERT_EQ(assi->Schritt(), 6);
    weiter();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              QString::fromUtf8("Sie müssen zuerst Ihre Auswahl treffen."));
    assi->Waehlen(6, 0);
    EXPECT_TRUE(assi->TextlisteOffen());
    EXPECT_EQ(assi->Schritt(), 0);

    assi->AuswahlOKSchulClick(); // nothing selected
    EXPECT_EQ(platform.messages.back().text,
              QString::fromUtf8("Sie müssen zuerst eine Lerneinheit wählen."));
    assi->ZeileWaehlen(2);
    assi->AuswahlOKSchulClick(); // KP_TXT03.VER is not there
    EXPECT_EQ(platform.messages.back().kind, MessageKind::Error);
    EXPECT_TRUE(platform.messages.back().text.endsWith(QStringLiteral("\r ist nicht vorhanden.")));
    EXPECT_TRUE(assi->ChosenTextFile().isEmpty());
    EXPECT_TRUE(assi->TextlisteOffen());

    dateiSchreiben(verzeichnis, QStringLiteral("KP_TXT03.VER"), "Ein kurzer Text.\r\n");
    assi->AuswahlOKSchulClick();
    EXPECT_TRUE(assi->isHidden());
    TFensterSchreibtrainer& trainer = anwendung->FensterSchreibtrainer();
    EXPECT_FALSE(trainer.isHidden());
    EXPECT_EQ(trainer.Vorgabezeilen().value(0), QStringLiteral("Ein kurzer Text. "));

    start->Schreibtrainer->click(); // the assistant starts again on step 1
    EXPECT_EQ(assi->Schritt(), 1);
    EXPECT_TRUE(assi->ChosenTextFile().isEmpty());
}

TEST_F(Assistent, BackFromTheTextListShowsStepSixWithoutAChoice) {
    for (int i = 0; i < 5; ++i) {
        weiter();
    }
    assi->Waehlen(6, 0);
    assi->AuswahlESCSchulClick();
    EXPECT_FALSE(assi->TextlisteOffen());
    EXPECT_EQ(assi->Schritt(), 6);
    weiter();
    EXPECT_EQ(platform.messages.back().text,
              QString::fromUtf8("Sie müssen zuerst Ihre Auswahl treffen."));
}

TEST_F(Assistent, TheRightButtonOnWeiterTakesTheStandardSettings) {
    weiter();
    assi->Waehlen(3, 1);
    QPushButton* weiterKnopf = assi->findChild<QPushButton*>(QStringLiteral("AssiWeiter"));
    ASSERT_NE(weiterKnopf, nullptr);
    QMouseEvent rechts(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
                       Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(weiterKnopf, &rechts);
    EXPECT_TRUE(assi->TextlisteOffen());
    EXPECT_EQ(assi->Schritt(), 0);
    EXPECT_EQ(assi->windowTitle(), QStringLiteral(" ... Einstellungen: Schritt 6 von 6"));
    EXPECT_TRUE(st().TrainerScreenText);
    EXPECT_FALSE(st().TrainerPrintTemplate);
    EXPECT_TRUE(st().TrainerCorrection);
    EXPECT_TRUE(st().TrainerTimed);
    EXPECT_EQ(st().TrainerTimeSeconds, 600);
    EXPECT_TRUE(st().TrainerEvaluation);
}

TEST_F(Assistent, FluencyTrainingOpensItsListAtOnceAndRunsTheUnit) {
    assi->Waehlen(1, 1);
    EXPECT_TRUE(assi->GelaeufigkeitslisteOffen());
    EXPECT_EQ(assi->Schritt(), 0);
    assi->AuswahlGelaeufigkeitEscClick();
    EXPECT_EQ(assi->Schritt(), 1);
    EXPECT_FALSE(assi->GelaeufigkeitslisteOffen());

    dateiSchreiben(verzeichnis, QStringLiteral("KP_GLS01.VER"),
                   "//Volltastei\r\nasdf jkl\xf6\r\n//Ende\r\n");
    assi->Waehlen(1, 1);
    assi->ZeileWaehlen(0);
    assi->AuswahlGelaeufigkeitOKClick();
    EXPECT_TRUE(assi->isHidden());
    TFensterTastaturschreiben& drill = anwendung->FensterTastaturschreiben();
    EXPECT_FALSE(drill.isHidden());
    EXPECT_TRUE(drill.zustand().Modus.Volltastei);
}

TEST_F(Assistent, CancelReturnsToTheMenu) {
    weiter();
    assi->AssiAbbrechenClick();
    EXPECT_TRUE(assi->isHidden());
    EXPECT_FALSE(start->Startmenue->isHidden());
    EXPECT_FALSE(start->isHidden());
}
