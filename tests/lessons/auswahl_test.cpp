#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "drill/Tastaturschreiben.h"
#include "evaluation/Textanzeige.h"
#include "keyboard/Informationen.h"
#include "lessons/AuswahlLektionen.h"
#include "support/dateien.h"
#include "support/qtprinters.h"
#include "support/testplatform.h"
#include "trainer/Schreibtrainer.h"
#include "ui/panel.h"
#include "ui/richtextfield.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using katalog::Liste;

namespace {

int zeileMit(QListWidget* liste, const QString& text, int ab = 0) {
    for (int i = ab; i < liste->count(); ++i) {
        if (liste->item(i)->text() == text) {
            return i;
        }
    }
    return -1;
}

class Auswahl : public ::testing::Test {
protected:
    void SetUp() override {
        anwendung = std::make_unique<Anwendung>(platform, Edition::Compact);
        start = &anwendung->FensterStart();
        lektionen = &anwendung->FensterLektionen();
        drill = &anwendung->FensterTastaturschreiben();
        anwendung->state().StartDirectory = verzeichnis.path();
        start->show();
    }

    void tippe(const QString& text) {
        for (QChar c : text) {
            const int key = c == QLatin1Char('\r') ? Qt::Key_Return : Qt::Key_unknown;
            QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(drill->Texteingabefeld, &druck);
        }
    }

    QListWidget* kompaktliste() const {
        return lektionen->liste(Liste::LerneinheitenOfficePuSelbstMini);
    }

    QTemporaryDir verzeichnis;
    TestPlatform platform;
    std::unique_ptr<Anwendung> anwendung;
    TFensterStart* start = nullptr;
    TFensterLektionen* lektionen = nullptr;
    TFensterTastaturschreiben* drill = nullptr;
};

} // namespace

TEST_F(Auswahl, KeyboardWritingOpensTheCompactListAndATypedUnitRuns) {
    dateiSchreiben(
        verzeichnis.filePath("KP_TS01.VER"),
        "//Korrektur: ein\r\n//Volltastei\r\nasdf jkl\xf6\r\n\r\n\r\nfdsa \xf6lkj\r\n//Ende\r\n");
    start->Tastaturschreiben->click();
    EXPECT_FALSE(lektionen->isHidden());
    EXPECT_EQ(lektionen->sichtbareListe(), Liste::LerneinheitenOfficePuSelbstMini);
    EXPECT_FALSE(lektionen->AuswahlOK->isHidden());

    kompaktliste()->setCurrentRow(0);
    lektionen->AuswahlOK->click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(lektionen->isHidden());
    EXPECT_FALSE(drill->isHidden());
    EXPECT_TRUE(drill->windowTitle().contains(QStringLiteral("Lerneinheit")));
    EXPECT_EQ(drill->Steuerdatei->lines(),
              (QStringList{"//Korrektur: ein", "//Volltastei", QString::fromUtf8("asdf jklö"), "",
                           QString::fromUtf8("fdsa ölkj"), "//Ende"}));
    EXPECT_EQ(drill->zustand().DrillLineCount, 2);
    EXPECT_TRUE(drill->zustand().Modus.Volltastei);

    tippe(QString::fromUtf8("asdf jklö\r\rfdsa ölkj"));
    EXPECT_EQ(drill->Texteingabefeld->toPlainText(), QString::fromUtf8("asdf jklö\n\nfdsa ölkj"));
    EXPECT_TRUE(drill->zustand().Modus.FreeMode); // the unit has ended
}

TEST_F(Auswahl, ConfirmingWithNothingChosenAsksForAChoice) {
    start->Tastaturschreiben->click();
    lektionen->AuswahlOK->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              QString::fromUtf8("Sie müssen zuerst eine Lerneinheit auswählen."));
    EXPECT_FALSE(lektionen->box(Liste::LerneinheitenOfficePuSelbstMini)->isHidden());
}

TEST_F(Auswahl, TheAdditionalWritingOfUnitTwelveOpensTheTrainer) {
    dateiSchreiben(verzeichnis.filePath("KP_TS12C.VER"), "Ein Text zum Abschreiben.\r\n");
    start->Tastaturschreiben->click();
    int einheit12 = -1;
    for (int i = 0; i < kompaktliste()->count() && einheit12 < 0; ++i) {
        if (kompaktliste()->item(i)->text().contains(QStringLiteral("Lerneinheit 12"))) {
            einheit12 = i;
        }
    }
    ASSERT_GE(einheit12, 0);
    const int zeile = zeileMit(
        kompaktliste(),
        QString::fromUtf8("                           Zusatz-Schreibübung (optional)"), einheit12);
    ASSERT_GT(zeile, einheit12);
    kompaktliste()->setCurrentRow(zeile);
    Q_EMIT kompaktliste()->itemDoubleClicked(kompaktliste()->item(zeile));
    const ProgramState& st = anwendung->state();
    TFensterSchreibtrainer& trainer = anwendung->FensterSchreibtrainer();
    EXPECT_FALSE(trainer.isHidden());
    EXPECT_EQ(trainer.windowTitle(), QStringLiteral("   Schreibtrainer - Lerneinheit 12"));
    EXPECT_TRUE(st.TrainerCorrection);
    EXPECT_FALSE(st.TrainerTimed);
    EXPECT_FALSE(st.TrainerEvaluation);
    EXPECT_EQ(trainer.Vorgabezeilen().value(0), QStringLiteral("Ein Text zum Abschreiben. "));
}

TEST_F(Auswahl, AMissingCatalogueFileIsReportedAndTheStartWindowReturns) {
    anwendung->state().NumpadMode = true;
    lektionen->show();
    lektionen->Auswahl(QStringLiteral("KP_TS05.VER"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(platform.messages[0].text,
              QStringLiteral("Die Datei \r") +
                  QDir::toNativeSeparators(QDir(verzeichnis.path()).filePath("KP_TS05.VER")) +
                  QStringLiteral("\r ist nicht vorhanden."));
    EXPECT_FALSE(anwendung->state().NumpadMode);
    EXPECT_FALSE(start->isHidden());
    EXPECT_TRUE(lektionen->isHidden());
}

TEST_F(Auswahl, AnOwnFileWithoutSchemeRunsOnTheFullKeyboard) {
    const QString pfad = verzeichnis.filePath("meine.erste.ts");
    dateiSchreiben(pfad, "abcd\r\n\r\n\r\ndefg\r\n");
    platform.fileAnswers = {pfad};
    start->Schreibtrainer->click();
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(platform.fileDialogs[0].directory, verzeichnis.path());
    EXPECT_TRUE(
        platform.fileDialogs[0].filter.startsWith(QStringLiteral("Tastaturschulung(*.ts)")));
    EXPECT_EQ(drill->windowTitle(), QStringLiteral(" Kasparo 2003        Lerneinheit  meine.erste"
                                                   "               Version  MiniKasp"));
    EXPECT_EQ(drill->zustand().DrillLineCount, 2);
    EXPECT_EQ(drill->Steuerdatei->lines(), (QStringList{"abcd", "", "defg"}));
    EXPECT_TRUE(drill->zustand().Modus.Volltastei);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("Volltastei")));
}

TEST_F(Auswahl, OwnFileDialogCancelledOrEmptyFile) {
    start->Startmenue->hide();
    start->Schreibtrainer->click(); // cancelled: nothing answers the dialog
    EXPECT_FALSE(start->Startmenue->isHidden());
    EXPECT_TRUE(drill->isHidden());

    const QString leer = verzeichnis.filePath("leer.ts");
    dateiSchreiben(leer, "");
    platform.fileAnswers = {verzeichnis.filePath("fehlt.ts"), leer};
    start->Schreibtrainer->click();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_TRUE(platform.messages[0].text.endsWith(QStringLiteral("\r ist nicht vorhanden.")));
    EXPECT_EQ(platform.messages[1].text, QStringLiteral("Diese Lerneinheit ist leer."));
    EXPECT_EQ(platform.fileDialogs.size(), 3u); // asked again after the missing file
    EXPECT_TRUE(drill->isHidden());
}

TEST_F(Auswahl, StartingTheDrillsAfterTheKeypadOffersTheKeyboardListAgain) {
    anwendung->state().NumpadMode = true;
    start->Tastaturschreiben->click();
    EXPECT_FALSE(anwendung->state().NumpadMode);
    EXPECT_EQ(lektionen->sichtbareListe(), Liste::LerneinheitenOfficePuSelbstMini);
}

TEST_F(Auswahl, InfoButtonsShowTheirDocumentOrSayThereIsNone) {
    QDir::setCurrent(verzeichnis.path());
    start->InfoSchreibtrainer->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Es ist keine Information vorhanden."));
    EXPECT_FALSE(start->isHidden());

    dateiSchreiben(verzeichnis.filePath("InEditSchul.RTF"),
                   "{\\rtf1\\ansi Der einfache Texteditor\\par}");
    start->InfoTexteditor->click();
    TFensterInformationen& info = anwendung->FensterInformationen();
    EXPECT_FALSE(info.isHidden());
    EXPECT_EQ(info.Hinweis->line(0), QStringLiteral("Der einfache Texteditor"));
    EXPECT_TRUE(start->isHidden());
    info.InfoOk->click();
    EXPECT_TRUE(info.isHidden());
    EXPECT_FALSE(start->isHidden());
}

TEST_F(Auswahl, TheSimpleEditorRunsWithoutCorrectionEvaluationOrTimeLimit) {
    anwendung->state().TrainerCorrection = true;
    anwendung->state().TrainerTimeSeconds = 600;
    start->Texteditor->click();
    const ProgramState& st = anwendung->state();
    TFensterSchreibtrainer& trainer = anwendung->FensterSchreibtrainer();
    EXPECT_FALSE(trainer.isHidden());
    EXPECT_EQ(trainer.windowTitle(),
              QStringLiteral(" Kasparo  2003          Einfacher Texteditor "));
    EXPECT_FALSE(st.TrainerCorrection);
    EXPECT_FALSE(st.TrainerEvaluation);
    EXPECT_FALSE(st.TrainerTimed);
    EXPECT_EQ(st.TrainerTimeSeconds, 0);
    EXPECT_TRUE(st.TrainerPrintTemplate);
    EXPECT_TRUE(start->Startmenue->isHidden());

    auto* eingabe = trainer.findChild<RichTextField*>(QStringLiteral("Texteingabe"));
    auto* beenden = trainer.findChild<QPushButton*>(QStringLiteral("BeendenSchreiben"));
    ASSERT_TRUE(eingabe && beenden);
    eingabe->setPlainText(QStringLiteral("Notiz"));
    eingabe->setModified(true);
    platform.messageAnswers = {MessageAnswer::No};
    beenden->click();
    EXPECT_FALSE(trainer.isHidden()); // nothing typed is thrown away unasked
    EXPECT_EQ(platform.messages.back().text,
              QString::fromUtf8("Wollen Sie die Schreibübung tatsächlich beenden?"));
    // The text goes to the result window, which offers to save it.
    platform.messageAnswers = {MessageAnswer::Yes};
    beenden->click();
    EXPECT_TRUE(trainer.isHidden());
    TFensterTextanzeige& ergebnis = anwendung->FensterTextanzeige();
    EXPECT_FALSE(ergebnis.isHidden());
    EXPECT_TRUE(ergebnis.Anzeigezeilen().join(QLatin1Char('\n')).contains(QStringLiteral("Notiz")));
    const QString ziel = verzeichnis.filePath("notiz.txt");
    platform.messageAnswers = {MessageAnswer::Yes};
    platform.fileAnswers = {ziel};
    ergebnis.BeendenClick();
    EXPECT_TRUE(QFile::exists(ziel));
    EXPECT_FALSE(start->Startmenue->isHidden());
}

namespace {

// An own file opened through the start window's "Eigene Lernsoftware".
void eigeneOeffnen(TestPlatform& platform, TFensterStart& start, const QString& pfad) {
    platform.fileAnswers = {pfad};
    start.Schreibtrainer->click();
}

// The unit is aborted and its result closed without saving.
void abbrechen(TestPlatform& platform, Anwendung& anwendung) {
    platform.messageAnswers = {MessageAnswer::Yes, MessageAnswer::No};
    anwendung.FensterTastaturschreiben().AbbrechenButton->click();
    ASSERT_TRUE(anwendung.FensterTastaturschreiben().isHidden());
    anwendung.FensterTextanzeige().BeendenClick();
    ASSERT_TRUE(anwendung.FensterTextanzeige().isHidden());
}

} // namespace

TEST_F(Auswahl, EveryUnitStartsCleanWhateverTheUnitBeforeLeftBehind) {
    const QString ohneBefehl =
        dateiSchreiben(verzeichnis, QStringLiteral("ohne.ts"), "asdf jkl\xf6\r\n");
    const QString nurEnde = dateiSchreiben(verzeichnis, QStringLiteral("ende.ts"), "//Ende\r\n");
    const QString frei = dateiSchreiben(verzeichnis, QStringLiteral("frei.ts"),
                                        "//Korrektur: ein\r\n//Volltastei\r\nas\r\n//Fr\r\n"
                                        "frei geschrieben\r\n//Ende\r\n");
    const QString fliesstext = dateiSchreiben(verzeichnis, QStringLiteral("fliess.ts"),
                                              "//Abschreibtext\r\nab cd\r\nef\r\n");

    for (const QString& vorher : {frei, fliesstext}) {
        SCOPED_TRACE(vorher.toStdString());
        eigeneOeffnen(platform, *start, vorher);
        tippe(QStringLiteral("as"));
        abbrechen(platform, *anwendung);

        // The next file without a scheme runs on the full keyboard and judges.
        platform.messages.clear();
        eigeneOeffnen(platform, *start, ohneBefehl);
        EXPECT_TRUE(drill->zustand().Modus.Volltastei);
        EXPECT_FALSE(drill->zustand().Modus.FreeMode);
        EXPECT_FALSE(drill->zustand().Modus.Abschreibtext);
        EXPECT_FALSE(drill->NormalTastatur->isHidden());
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("nicht vorgegeben")));
        tippe(QStringLiteral("xa"));
        EXPECT_EQ(drill->Texteingabefeld->toPlainText(), QStringLiteral("a"));
        EXPECT_EQ(drill->zustand().CorrectionMode, Korrekturmodus::Aus);
        abbrechen(platform, *anwendung);
    }

    // A unit that ends at once after a typed one shows nothing of it.
    eigeneOeffnen(platform, *start, frei);
    tippe(QStringLiteral("as"));
    ASSERT_TRUE(drill->zustand().Modus.FreeMode);
    abbrechen(platform, *anwendung);
    eigeneOeffnen(platform, *start, nurEnde);
    EXPECT_TRUE(anwendung->FensterTextanzeige().isHidden());
    EXPECT_TRUE(drill->Texteingabefeld->toPlainText().isEmpty());
    EXPECT_FALSE(start->isHidden());
}

TEST_F(Auswahl, TheCompactListShowsAgainAfterAnOwnFile) {
    start->Schreibtrainer->click(); // the file dialog is cancelled
    start->Tastaturschreiben->click();
    EXPECT_FALSE(kompaktliste()->isHidden());
    EXPECT_GT(kompaktliste()->count(), 30);

    const QString pfad = dateiSchreiben(verzeichnis, QStringLiteral("eigen.ts"), "asdf\r\n");
    eigeneOeffnen(platform, *start, pfad);
    platform.messageAnswers = {MessageAnswer::Yes};
    drill->AbbrechenButton->click(); // nothing typed: straight back to the start window
    start->Tastaturschreiben->click();
    EXPECT_FALSE(kompaktliste()->isHidden());
}

TEST_F(Auswahl, TheResultIsSavedFromTheStartDirectoryOrElseFromHome) {
    const QString pfad = dateiSchreiben(verzeichnis, QStringLiteral("eigen.ts"), "asdf\r\n");
    TFensterTextanzeige& ergebnis = anwendung->FensterTextanzeige();
    for (const QString& startverzeichnis : {verzeichnis.path(), verzeichnis.filePath("fehlt")}) {
        eigeneOeffnen(platform, *start, pfad);
        tippe(QStringLiteral("as"));
        platform.messageAnswers = {MessageAnswer::Yes};
        drill->AbbrechenButton->click();
        anwendung->state().StartDirectory = startverzeichnis;
        ergebnis.SpeichernClick(); // the dialog is cancelled
        EXPECT_EQ(platform.fileDialogs.back().directory,
                  startverzeichnis == verzeichnis.path() ? verzeichnis.path() : QDir::homePath());
        platform.messageAnswers = {MessageAnswer::No};
        ergebnis.BeendenClick();
        anwendung->state().StartDirectory = verzeichnis.path();
    }
}
