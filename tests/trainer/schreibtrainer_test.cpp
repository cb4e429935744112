#include "uebung.h"

#include "layout/tabellen.h"
#include "lessons/AuswahlLektionen.h"
#include "trainer/TrainerAssi.h"
#include "trainer/vorgabe.h"
#include "ui/edition.h"

#include <QDir>
#include <QGroupBox>

// The trainer window through a whole exercise: preparing the reference, the
// clock, the end of typing, the correction phase and the hand-over.

namespace {

const QString kAbsatz1 = QStringLiteral("Das Zehnfingersystem spart Zeit.");
const QString kAbsatz2 = QString::fromUtf8(
    "Wer blind schreibt, schaut auf den Text und nicht auf die Tasten. Jeder Finger hat seine "
    "eigenen Tasten, und die Hände kehren nach jedem Anschlag in die Grundstellung zurück. So "
    "entsteht mit der Zeit ein sicherer und gleichmäßiger Rhythmus.");
const QString kAbsatz3 = QString::fromUtf8("Übung macht den Meister!");

// The text as a file holds it: the long paragraph in two lines.
QStringList dreiAbsaetze() {
    const qsizetype mitte = kAbsatz2.indexOf(QStringLiteral(" Jeder"));
    return {kAbsatz1,  QString(), kAbsatz2.left(mitte), kAbsatz2.mid(mitte + 1),
            QString(), kAbsatz3};
}

} // namespace

using Schreibtrainer = Uebung;

TEST_F(Schreibtrainer, AThreeParagraphTextTypedCorrectlyReachesTheEvaluation) {
    einstellen(true, true, 0, true);
    beginnen(QStringLiteral("Abschrift07C.txt"), dreiAbsaetze());
    ASSERT_FALSE(trainer->isHidden());
    EXPECT_EQ(trainer->Zeile(0), kAbsatz1 + QLatin1Char(' '));
    EXPECT_EQ(trainer->MarkierteZeile(), 0);

    tippe(kAbsatz1 + QStringLiteral("\r\r"));
    EXPECT_EQ(z().CurrentRefLine, 2); // the first line of the second paragraph
    EXPECT_TRUE(trainer->Zeile(0).startsWith(QStringLiteral("Wer blind")));
    tippe(kAbsatz2);
    EXPECT_GT(z().CurrentRefLine, 2); // the mark followed the wrapped lines
    EXPECT_TRUE(z().ParagraphLastLine);
    EXPECT_TRUE(trainer->Zeile(trainer->MarkierteZeile() + 1).trimmed().isEmpty());
    EXPECT_FALSE(sichtbar("Absatzende"));
    tippe(QStringLiteral("\r\r") + kAbsatz3);
    EXPECT_TRUE(ausgewertet.empty());
    tippe(QStringLiteral("\r"));

    const QString erwartet =
        kAbsatz1 + QStringLiteral("\n\n") + kAbsatz2 + QStringLiteral("\n\n") + kAbsatz3;
    ASSERT_EQ(ausgewertet.size(), 1u);
    EXPECT_EQ(ausgewertet[0], erwartet);
    int anschlaege = 4; // two Returns at each paragraph end
    for (QChar c : kAbsatz1 + kAbsatz2 + kAbsatz3) {
        anschlaege += anschlaege::wert(c);
    }
    EXPECT_EQ(st().KeystrokeCount, anschlaege);
    EXPECT_EQ(st().KeystrokeCount, anschlaege::neuZaehlen(erwartet.split(QLatin1Char('\n'))));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(trainer->isHidden());
    TFensterTextanzeige& ergebnis = anwendung->FensterTextanzeige();
    EXPECT_FALSE(ergebnis.isHidden());
    EXPECT_TRUE(ergebnis.Anzeigezeilen().join(QLatin1Char('\n')).contains(kAbsatz3));
}

TEST_F(Schreibtrainer, TheReferenceIsPreparedFromTheFile) {
    einstellen(true, true, 0, true);
    beginnen(QStringLiteral("KP_TXT07.VER"),
             {QString(), QString(), QStringLiteral("Eins"), QString(), QString(),
              QStringLiteral("Zwei"), QString(), QString()});
    const QStringList absatz{QStringLiteral("Eins "), QString(), QStringLiteral("Zwei ")};
    EXPECT_EQ(trainer->Vorgabezeilen(), absatz + QStringList{vorgabe::kWiederholung} + absatz +
                                            QStringList{vorgabe::kEndemarke});
    EXPECT_EQ(trainer->windowTitle(),
              QString::fromUtf8(" Kasparo  2003          Fließtext-Training    Lerneinheit  07") +
                  editionsZusatz(st()));
    EXPECT_EQ(anzeige("ZeilenNummernAnzeige"), QStringLiteral("Zeile 01 von 6   Zeichen 00"));
    EXPECT_EQ(anzeige("KorrekturAnzeige"), QStringLiteral("  Mit Korrektur"));
    EXPECT_EQ(anzeige("AnschlagsAnzeige"), QString::fromUtf8("  Anschläge: 0"));
    EXPECT_EQ(anzeige("ZeitAnzeige"), QStringLiteral("  Ohne Zeitvorgabe"));
    EXPECT_FALSE(sichtbar("KlickMitKorrektur"));
    // The separator and the end marker are red.
    EXPECT_EQ(trainer->Zeile(3), vorgabe::kWiederholung);
    auto* box = teil<QWidget>("Zeile3");
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(teil<QWidget>("Zeile0")->palette().color(QPalette::Base), QColor(Qt::yellow));

    // The opening hint stands in the information window; its OK comes later.
    TFensterInformationen& info = anwendung->FensterInformationen();
    EXPECT_FALSE(info.isHidden());
    EXPECT_TRUE(info.Hinweis->toPlainText().contains(
        QString::fromUtf8("Halten Sie die Absätze der Textvorlage (oben) ein.")));
    EXPECT_EQ(platform.pauses, std::vector<int>{2400});

    einstellen(true, true, 0, false);
    beginnen(QStringLiteral("KP_TS07C.VER"), {QStringLiteral("Eins")});
    EXPECT_EQ(trainer->Vorgabezeilen(),
              (QStringList{QStringLiteral("Eins "), vorgabe::kEndemarke})); // offered once
}

TEST_F(Schreibtrainer, ThePrintTemplateTakesTheReferenceAreasPlace) {
    einstellen(false, true, 0, true);
    beginnen(QStringLiteral("brief.st"), {QStringLiteral("Liebe Lena,")});
    EXPECT_EQ(eingabe()->geometry(),
              tabellen::schreibtrainerfenster(ScreenClass::C1024).druckEingabe);
    EXPECT_FALSE(sichtbar("TextvorgabeBereich"));
    EXPECT_TRUE(sichtbar("Hinweiszeile3"));
    EXPECT_EQ(anzeige("Hinweiszeile3"),
              QString::fromUtf8("Sie können den Text einmal wiederholt abschreiben."));
    EXPECT_TRUE(anwendung->FensterInformationen().Hinweis->toPlainText().contains(
        QString::fromUtf8("Halten Sie die Absätze Ihrer Textvorlage genau ein.")));
    // Copied from paper, a Return is an ordinary key.
    tippe(QStringLiteral("Liebe\r\r\rLena"));
    EXPECT_EQ(text(), QStringLiteral("Liebe\n\n\nLena"));

    // Without evaluation no text is needed and no hint is shown.
    anwendung->FensterInformationen().hide();
    einstellen(false, false, 0, false);
    trainer->TextVorgabe(QString());
    EXPECT_TRUE(platform.fileDialogs.empty());
    EXPECT_FALSE(trainer->isHidden());
    EXPECT_FALSE(sichtbar("Hinweiszeile3"));
    EXPECT_TRUE(anwendung->FensterInformationen().isHidden());
    EXPECT_EQ(anzeige("ZeilenNummernAnzeige"), QStringLiteral("Zeile 01   Zeichen 00"));
}

TEST_F(Schreibtrainer, TheClockCountsDownFromTheFirstKeyAndEndsTheTyping) {
    einstellen(true, true, 60, true);
    beginnen(QStringLiteral("KP_TXT05.VER"), {kAbsatz1});
    EXPECT_EQ(anzeige("ZeitAnzeige"), QStringLiteral("  Zeit: 1 Minute"));

    einstellen(true, true, 600, true);
    beginnen(QStringLiteral("KP_TXT05.VER"), {kAbsatz1});
    EXPECT_EQ(anzeige("ZeitAnzeige"), QStringLiteral("  Zeit: 10 Minuten"));
    EXPECT_EQ(st().TrainerMinutes, 10);
    platform.advance(5000); // the clock waits for the first key
    EXPECT_EQ(anzeige("ZeitAnzeige"), QStringLiteral("  Zeit: 10 Minuten"));
    tippe(QStringLiteral("Da"));
    EXPECT_TRUE(st().TrainerClockRunning);
    EXPECT_FALSE(st().TrainerTimed);
    platform.advance(1000);
    EXPECT_EQ(anzeige("ZeitAnzeige"), QStringLiteral("  Restzeit  09:59"));
    platform.advance(59000);
    EXPECT_EQ(anzeige("ZeitAnzeige"), QStringLiteral("  Restzeit  09:00"));
    platform.advance(480000);
    EXPECT_EQ(anzeige("ZeitAnzeige"), QStringLiteral("  Restzeit  01:00"));
    EXPECT_TRUE(ausgewertet.empty());
    platform.advance(60000);
    EXPECT_EQ(anzeige("ZeitAnzeige"), QStringLiteral("  Restzeit  00:00"));
    EXPECT_FALSE(st().TrainerClockRunning);
    ASSERT_EQ(ausgewertet.size(), 1u);
    EXPECT_EQ(ausgewertet[0], QStringLiteral("Da"));
    platform.advance(5000); // the clock has stopped
    EXPECT_EQ(ausgewertet.size(), 1u);
}

TEST_F(Schreibtrainer, AfterTheTextAFinishedExerciseWithTimeLeftCorrectsUntilTheTimeIsUp) {
    einstellen(true, true, 120, true);
    beginnen(QStringLiteral("KP_TXT01.VER"), {QStringLiteral("Eins zwei.")});
    tippe(QStringLiteral("Eins zwei.\r\rEins zwie.\r"));
    EXPECT_TRUE(ausgewertet.empty());
    EXPECT_EQ(z().phase, Uebungszustand::Phase::Korrektur);
    EXPECT_TRUE(sichtbar("HinweisKorrektur"));
    EXPECT_EQ(anzeige("HinweisKorrektur"),
              QString::fromUtf8("Sie können bis zum Ablauf der Restzeit Fehler verbessern."));
    EXPECT_FALSE(sichtbar("Kopfleiste"));
    EXPECT_FALSE(sichtbar("TextvorgabeBereich"));
    EXPECT_EQ(trainer->Vorgabezeilen(), (QStringList{QStringLiteral("Eins zwei. "), QString(),
                                                     QStringLiteral("Eins zwei. ")}));
    // Now the learner may move the caret and correct anywhere.
    taste(Qt::Key_Left);
    tippe(QStringLiteral("\b\bei"));
    EXPECT_EQ(text(), QStringLiteral("Eins zwei.\n\nEins zwei."));
    platform.advance(120000);
    ASSERT_EQ(ausgewertet.size(), 1u);
    EXPECT_EQ(ausgewertet[0], QStringLiteral("Eins zwei.\n\nEins zwei."));
}

TEST_F(Schreibtrainer, TheCorrectionPhaseEndsWithWeiter) {
    einstellen(true, true, 0, true);
    beginnen(QStringLiteral("KP_TXT01.VER"), {QStringLiteral("Eins zwei.")});
    tippe(QStringLiteral("Eins zwei.\r\rEins"));
    taste(Qt::Key_F1);
    EXPECT_EQ(meldung(), QStringLiteral("Es folgt kein weiterer Absatz."));
    tippe(QStringLiteral(" zwei.\r"));
    EXPECT_EQ(anzeige("HinweisKorrektur"), QString::fromUtf8("Hier können Sie Fehler verbessern."));
    EXPECT_TRUE(sichtbar("WeiterNachKorrektur"));
    EXPECT_FALSE(st().TrainerScreenText);
    teil<QPushButton>("WeiterNachKorrektur")->click();
    ASSERT_EQ(ausgewertet.size(), 1u);
    EXPECT_EQ(ausgewertet[0], QStringLiteral("Eins zwei.\n\nEins zwei."));
}

TEST_F(Schreibtrainer, FinishingAnUntimedExerciseWithoutCorrectionEvaluatesAtOnce) {
    einstellen(true, false, 0, true);
    beginnen(QStringLiteral("KP_TXT02.VER"), {QStringLiteral("Eins.")});
    tippe(QStringLiteral("Eins.\r\rEins.\r"));
    ASSERT_EQ(ausgewertet.size(), 1u);
    EXPECT_FALSE(sichtbar("HinweisKorrektur"));
    EXPECT_TRUE(trainer->isHidden());
}

TEST_F(Schreibtrainer, BeendenBeforeAnyKeyReturnsToTheStartWindowWithoutAQuestion) {
    einstellen(true, true, 600, true);
    beginnen(QStringLiteral("KP_TXT05.VER"), {kAbsatz1});
    teil<QPushButton>("BeendenSchreiben")->click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(trainer->isHidden());
    EXPECT_FALSE(anwendung->FensterStart().isHidden());
    EXPECT_FALSE(anwendung->FensterStart().Startmenue->isHidden());
    EXPECT_TRUE(ausgewertet.empty());
}

TEST_F(Schreibtrainer, BeendenAfterTypingAsksAndKeepsTheTextOnNo) {
    einstellen(true, true, 0, true);
    beginnen(QStringLiteral("KP_TXT05.VER"), {kAbsatz1});
    tippe(QStringLiteral("Das Zehn"));
    platform.messageAnswers = {MessageAnswer::No};
    teil<QPushButton>("BeendenSchreiben")->click();
    EXPECT_EQ(meldung(), QString::fromUtf8("Wollen Sie die Schreibübung tatsächlich beenden?"));
    EXPECT_FALSE(trainer->isHidden());
    EXPECT_EQ(z().phase, Uebungszustand::Phase::Schreiben);
    // Closing by the frame asks the same.
    platform.messageAnswers = {MessageAnswer::No};
    trainer->close();
    EXPECT_FALSE(trainer->isHidden());
    EXPECT_EQ(text(), QStringLiteral("Das Zehn"));
    platform.messageAnswers = {MessageAnswer::Yes};
    teil<QPushButton>("BeendenSchreiben")->click();
    EXPECT_EQ(z().phase, Uebungszustand::Phase::Korrektur);
    // Closing in the correction phase evaluates what was typed.
    platform.messageAnswers = {MessageAnswer::Yes};
    trainer->close();
    ASSERT_EQ(ausgewertet.size(), 1u);
    EXPECT_EQ(ausgewertet[0], QStringLiteral("Das Zehn"));
}

TEST_F(Schreibtrainer, AMissingFileIsAskedForAgainAndACancelLeadsBackToStepSix) {
    einstellen(true, true, 0, true);
    const QString fehlt = verzeichnis.filePath(QStringLiteral("fehlt.st"));
    const QString da = dateiSchreiben(verzeichnis, QStringLiteral("da.st"), "Ein Text.\r\n");
    platform.fileAnswers = {fehlt, da};
    trainer->TextVorgabe(QString());
    ASSERT_EQ(platform.fileDialogs.size(), 2u);
    EXPECT_EQ(platform.fileDialogs[0].directory, verzeichnis.path());
    EXPECT_TRUE(platform.fileDialogs[0].filter.startsWith(QStringLiteral("Schreibtrainer (*.st)")));
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Die Datei ") +
                                             QDir::toNativeSeparators(fehlt) +
                                             QStringLiteral("\r ist nicht vorhanden."));
    EXPECT_EQ(trainer->Vorgabezeilen().value(0), QStringLiteral("Ein Text. "));
    EXPECT_TRUE(trainer->windowTitle().contains(QStringLiteral("da.st")));

    // "Eigene Steuerdateien verwenden" in the assistant, the dialog cancelled.
    trainer->hide();
    TFensterStart& start = anwendung->FensterStart();
    TFensterAssi& assi = anwendung->FensterAssi();
    start.show();
    start.Schreibtrainer->click();
    for (int i = 0; i < 5; ++i) {
        assi.SchrittvonSchritte(TFensterAssi::Ausloeser::Weiter);
    }
    platform.fileAnswers.clear();
    assi.Waehlen(6, 1);
    EXPECT_EQ(meldung(), QString::fromUtf8("Da Sie keinen Text gewählt haben, können Sie\rnur von "
                                           "einer Druck-Vorlage abschreiben.\rDiese Wahl ist im "
                                           "zweiten Schritt zu treffen."));
    EXPECT_FALSE(assi.isHidden());
    EXPECT_EQ(assi.Schritt(), 6);
    EXPECT_TRUE(trainer->isHidden());
    // Chosen, the assistant goes.
    platform.fileAnswers = {da};
    assi.Waehlen(6, 1);
    EXPECT_TRUE(assi.isHidden());
    EXPECT_FALSE(trainer->isHidden());
}

TEST_F(Schreibtrainer, AFileWithoutTextIsRefused) {
    einstellen(true, true, 0, true);
    const QString leer = dateiSchreiben(verzeichnis, QStringLiteral("leer.st"), "\r\n\r\n");
    platform.fileAnswers = {leer};
    trainer->TextVorgabe(QString());
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(platform.messages[0].text.contains(QString::fromUtf8("enthält keinen Text")));
    EXPECT_TRUE(trainer->isHidden());
}

TEST_F(Schreibtrainer, ThePlainEditorSwitchesToCorrectionOnceAndForAll) {
    TFensterStart& start = anwendung->FensterStart();
    start.show();
    start.Texteditor->click();
    EXPECT_TRUE(sichtbar("KlickMitKorrektur"));
    EXPECT_FALSE(sichtbar("HinweisZeile1"));
    EXPECT_EQ(anzeige("KorrekturAnzeige"), QStringLiteral("  Ohne Korrektur"));
    tippe(QStringLiteral("ab\b"));
    EXPECT_EQ(text(), QStringLiteral("ab")); // without correction nothing is deleted

    QMouseEvent klick(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    platform.messageAnswers = {MessageAnswer::No};
    QCoreApplication::sendEvent(teil<QWidget>("KorrekturAnzeige"), &klick);
    EXPECT_EQ(platform.messages.back().buttons, MessageButtons::YesNoCancel);
    EXPECT_FALSE(st().TrainerCorrection);
    platform.messageAnswers = {MessageAnswer::Yes};
    QCoreApplication::sendEvent(teil<QWidget>("KlickMitKorrektur"), &klick);
    EXPECT_TRUE(st().TrainerCorrection);
    EXPECT_EQ(anzeige("KorrekturAnzeige"), QStringLiteral("  Mit Korrektur"));
    EXPECT_FALSE(sichtbar("KlickMitKorrektur"));
    tippe(QStringLiteral("\b"));
    EXPECT_EQ(text(), QStringLiteral("a"));
    QCoreApplication::sendEvent(teil<QWidget>("KorrekturAnzeige"), &klick);
    EXPECT_EQ(meldung(),
              QString::fromUtf8("Sie können nicht mehr in den\rModus \"Ohne Korrektur\" zurück."));
    EXPECT_TRUE(ausgewertet.empty());
}

TEST_F(Schreibtrainer, TheTenMinuteWritingOfTheOtherEditionsRunsInTheTrainer) {
    anwendung = std::make_unique<Anwendung>(platform, Edition::Office);
    st().StartDirectory = verzeichnis.path();
    trainer = &anwendung->FensterSchreibtrainer();
    dateiSchreiben(verzeichnis, QStringLiteral("KP_TXT01.VER"), "Ein Text.\r\n");
    TFensterStart& start = anwendung->FensterStart();
    start.show();
    start.Texteditor->click();
    EXPECT_TRUE(start.isHidden());
    TFensterLektionen& lektionen = anwendung->FensterLektionen();
    EXPECT_FALSE(lektionen.isHidden());
    lektionen.Auswahl(QStringLiteral("KP_TXT01.VER"));
    EXPECT_FALSE(trainer->isHidden());
    EXPECT_EQ(trainer->windowTitle(), QStringLiteral("      10-Minuten-Schreiben"));
    EXPECT_TRUE(st().TrainerTimed);
    EXPECT_EQ(st().TrainerTimeSeconds, 600);
    EXPECT_TRUE(st().TrainerEvaluation);
    EXPECT_EQ(anzeige("ZeitAnzeige"), QStringLiteral("  Zeit: 10 Minuten"));
    EXPECT_TRUE(trainer->Vorgabezeilen().contains(vorgabe::kWiederholung));
}

TEST_F(Schreibtrainer, TheNextExerciseStartsFreshAfterACorrectionPhase) {
    einstellen(true, true, 0, true);
    beginnen(QStringLiteral("KP_TXT01.VER"), {QStringLiteral("Eins zwei.")});
    tippe(QStringLiteral("Eins zwei.\r\rEins zwei.\r"));
    ASSERT_EQ(z().phase, Uebungszustand::Phase::Korrektur);
    teil<QPushButton>("WeiterNachKorrektur")->click();
    ASSERT_EQ(ausgewertet.size(), 1u);

    // As the lesson selection starts a copy unit: the flags only.
    st().TrainerScreenText = true;
    st().TrainerCorrection = true;
    beginnen(QStringLiteral("KP_TXT02.VER"), {kAbsatz1});
    EXPECT_FALSE(trainer->isHidden());
    EXPECT_EQ(z().phase, Uebungszustand::Phase::Schreiben);
    EXPECT_TRUE(text().isEmpty());
    for (const char* name : {"Texteingabe", "Kopfleiste", "TextvorgabeBereich", "KorrekturAnzeige",
                             "AnschlagsAnzeige", "ZeitAnzeige"}) {
        EXPECT_TRUE(sichtbar(name)) << name;
    }
    EXPECT_FALSE(sichtbar("HinweisKorrektur"));
    EXPECT_FALSE(sichtbar("WeiterNachKorrektur"));
    EXPECT_EQ(eingabe()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(anzeige("AnschlagsAnzeige"), QString::fromUtf8("  Anschläge: 0"));
    EXPECT_EQ(trainer->MarkierteZeile(), 0);
    tippe(kAbsatz1 + QStringLiteral("\r"));
    EXPECT_TRUE(z().ParagraphEndPending); // the rules work as in the first exercise
}
