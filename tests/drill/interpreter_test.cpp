#include "lektion.h"
#include "ui/panel.h"

#include <QGroupBox>
#include <QPushButton>

using Interpreter = Lektion;

TEST_F(Interpreter, FirstLineEmptyShowsNoExercise) {
    starte({QString(), QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    EXPECT_FALSE(z().Modus.irgendeiner());
    EXPECT_EQ(z().ScriptLineIndex, 0);
    EXPECT_TRUE(z().ScriptLine.isEmpty());
    EXPECT_TRUE(enden.empty());
}

TEST_F(Interpreter, TeiltasteiBlockWithCorrection) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//teiltastei:erui  "), QString(),
            QStringLiteral("reis eis"), QStringLiteral("rier"), QStringLiteral("//Ende")},
           Edition::School, 2);
    EXPECT_EQ(z().CorrectionMode, Korrekturmodus::Ein);
    EXPECT_TRUE(z().Modus.Teiltastei);
    EXPECT_FALSE(z().Modus.Volltastei);
    EXPECT_EQ(z().TeilKeySet, QString::fromUtf8("eruiasdfjklö"));
    EXPECT_EQ(z().ScriptLineIndex, 3);
    EXPECT_EQ(z().ScriptLine, QStringLiteral("reis eis ")); // joined to the next drill line
    EXPECT_EQ(z().ExpectedChar, QLatin1Char('r'));
    EXPECT_EQ(z().DrillLineNumber, 1);
    EXPECT_EQ(fenster->Zeilennummern->caption(), QStringLiteral(" Zeile 1 von Zeile 2"));
    EXPECT_FALSE(fenster->NormalTastatur->isHidden());

    zeileFertig(); // the running exercise goes on with the next drill line
    EXPECT_TRUE(z().Modus.Teiltastei);
    EXPECT_EQ(z().DrillLineNumber, 2);
    EXPECT_TRUE(enden.empty());

    zeileFertig();
    EXPECT_EQ(enden, std::vector<bool>{true});
    EXPECT_TRUE(z().Modus.FreeMode);
    EXPECT_TRUE(fenster->NormalTastatur->isHidden());
    EXPECT_TRUE(platform.pauses.empty());
}

TEST_F(Interpreter, CorrectionOnlyForLowercaseEinOrAus) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Korrektur: Ein"),
            QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    EXPECT_EQ(z().CorrectionMode, Korrekturmodus::Ein);
    starte({QStringLiteral("//Korrektur: aus"), QStringLiteral("//Volltastei"),
            QStringLiteral("asdf")});
    EXPECT_EQ(z().CorrectionMode, Korrekturmodus::Aus);
    EXPECT_TRUE(z().Modus.Volltastei);
    EXPECT_TRUE(fenster->NormalzeileBack->isHidden());
}

TEST_F(Interpreter, InfoBeforeEndeHoldsTenSecondsWithInputBlocked) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf"),
            QString::fromUtf8("//Info: Gut gemacht!"), QStringLiteral("//Info:  Das war es."),
            QStringLiteral("//Ende")});
    std::vector<bool> gesperrt;
    std::vector<bool> stopp;
    platform.duringPause = [&](int) {
        gesperrt.push_back(z().InputBlocked);
        stopp.push_back(!fenster->StoppStart->isHidden());
    };
    zeileFertig();
    EXPECT_EQ(fenster->Infozeile1->caption(), QStringLiteral(" Gut gemacht!"));
    EXPECT_EQ(fenster->InfoZeile2->caption(), QStringLiteral("  Das war es."));
    EXPECT_EQ(platform.pauses, (std::vector<int>{10000, 250}));
    EXPECT_EQ(gesperrt, (std::vector<bool>{true, true}));
    EXPECT_EQ(stopp, (std::vector<bool>{true, false}));
    EXPECT_EQ(platform.tickMs(), 10250);
    EXPECT_FALSE(z().InputBlocked);
    EXPECT_EQ(enden, std::vector<bool>{true});
}

TEST_F(Interpreter, InfoBeforeAKeyboardStartsItAtOnceAndHoldsAtTheLineEnd) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf"),
            QStringLiteral("//Info: Jetzt blind"), QStringLiteral("//Blindtastei"),
            QString::fromUtf8("jklö")});
    // The blind keyboard is already set up when the hold for the new info
    // block begins.
    std::vector<bool> gesperrt;
    std::vector<bool> stoppUndInfo;
    QStringList zeilen;
    platform.duringPause = [&](int) {
        gesperrt.push_back(z().InputBlocked);
        EXPECT_TRUE(fenster->AbbrechenButton->isHidden());
        EXPECT_TRUE(z().Modus.Blindtastei);
        zeilen.push_back(z().ScriptLine);
        stoppUndInfo.push_back(!fenster->StoppStart->isHidden() && !fenster->InfoFeld->isHidden());
    };
    zeileFertig();
    EXPECT_EQ(zeilen, QStringList{QString::fromUtf8("jklö")});
    EXPECT_EQ(stoppUndInfo, std::vector<bool>{true});
    EXPECT_EQ(platform.pauses, std::vector<int>{5000});
    EXPECT_EQ(gesperrt, std::vector<bool>{true});
    EXPECT_TRUE(fenster->StoppStart->isHidden());
    EXPECT_FALSE(fenster->AbbrechenButton->isHidden());
    EXPECT_FALSE(z().InputBlocked);

    fenster->InfoStopp(); // no new info block: no hold
    EXPECT_EQ(platform.pauses.size(), 1u);
}

TEST_F(Interpreter, InfoOnTheFirstLineHasNoStoppPanel) {
    starte({QStringLiteral("//Info: Willkommen"), QStringLiteral("//Volltastei"),
            QStringLiteral("asdf")});
    EXPECT_TRUE(fenster->StoppStart->isHidden());
    EXPECT_EQ(fenster->Infozeile1->caption(), QStringLiteral(" Willkommen"));
    EXPECT_TRUE(z().Modus.Volltastei);
}

TEST_F(Interpreter, OnlyFiveInfoLinesAreShown) {
    QStringList skript;
    for (int i = 1; i <= 6; ++i) {
        skript << QStringLiteral("//Info: Zeile %1").arg(i);
    }
    skript << QStringLiteral("//Volltastei") << QStringLiteral("asdf");
    starte(skript);
    EXPECT_EQ(fenster->InfoZeile5->caption(), QStringLiteral(" Zeile 5"));
    EXPECT_TRUE(z().Modus.Volltastei);
}

TEST_F(Interpreter, WegWithoutCharacterAsksToAbort) {
    starte({QStringLiteral("//Weg"), QStringLiteral("//Volltastei"), QStringLiteral("asdf")});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(platform.messages[0].text,
              QString::fromUtf8("Beim Kommandowort //Weg fehlt das Zeichen,\rdessen Weg erklärt "
                                "werden soll.\r\rBitte brechen Sie diese Lektion ab."));
    EXPECT_FALSE(z().Modus.irgendeiner());
    EXPECT_FALSE(z().InputBlocked);
}

TEST_F(Interpreter, WegFollowedByADrillLineFallsBackToTheFullKeyboard) {
    starte({QStringLiteral("//Weg: f"), QStringLiteral("fff jjj")});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              QString::fromUtf8("Da keine Bildschirm-Darstellung nach der Erklärung des "
                                "Fingerweges\rbestimmt wurde, wird als Ersatz eine Volltastei "
                                "verwendet."));
    EXPECT_EQ(z().WegChars, QStringLiteral("f"));
    EXPECT_TRUE(z().Modus.Volltastei);
    EXPECT_EQ(z().ScriptLine, QStringLiteral("fff jjj"));
    EXPECT_EQ(z().ExpectedChar, QLatin1Char('f'));
}

TEST_F(Interpreter, WegFollowedByACommandRunsIt) {
    starte({QStringLiteral("//Weg: e"), QStringLiteral("//Teiltastei: e"), QStringLiteral("eee")});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(z().WegChars, QStringLiteral("e"));
    EXPECT_TRUE(z().Modus.Teiltastei);
    EXPECT_EQ(z().TeilKeySet, kGrundreihe);
}

TEST_F(Interpreter, BlanksAfterTheSlashes) {
    starte({QStringLiteral("//  Normalzeile"), QStringLiteral("Das ist ein Satz.")});
    EXPECT_TRUE(z().Modus.Normalzeile);
    EXPECT_EQ(fenster->NormalzeilenFeld->title(), QStringLiteral("  Normalzeile  "));
    EXPECT_FALSE(fenster->NormalzeilenFeld->isHidden());
    EXPECT_TRUE(fenster->NormalTastatur->isHidden());
    // Priming took up the line: the first cell shows its first character.
    EXPECT_FALSE(z().LineStartPending);
    EXPECT_EQ(fenster->Normal[0]->caption(), QStringLiteral("D"));
    EXPECT_EQ(z().ScriptLine, QStringLiteral("Das ist ein Satz."));
}

TEST_F(Interpreter, ThreeCharacterLines) {
    starte({QStringLiteral("//V"), QStringLiteral("asdf")});
    EXPECT_FALSE(z().Modus.irgendeiner());
    EXPECT_EQ(z().DrillLineNumber, 0);

    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf"), QStringLiteral("abc"),
            QString::fromUtf8("jklö")},
           Edition::School, 3);
    EXPECT_EQ(z().DrillLineNumber, 1);
    zeileFertig();
    EXPECT_EQ(z().DrillLineNumber, 1);
    zeileFertig();
    EXPECT_EQ(z().DrillLineNumber, 2);
}

TEST_F(Interpreter, BlankOnlyLineIsAnEmptyLine) {
    starte({QStringLiteral("//Blindtastei"), QStringLiteral("    "), QStringLiteral("asdf")});
    EXPECT_TRUE(z().Modus.Blindtastei);
    EXPECT_EQ(z().ScriptLineIndex, 2);
    EXPECT_EQ(z().ScriptLine, QStringLiteral("asdf"));
}

TEST_F(Interpreter, DrillLineBeforeAnyCommandIsTypedOnTheFullKeyboard) {
    starte({QStringLiteral("asdf jklö"), QStringLiteral("fdsa")});
    EXPECT_TRUE(z().Modus.Volltastei);
    EXPECT_EQ(z().ScriptLineIndex, 0);
    // Joined to the drill line after it by a blank, as in every keyboard exercise.
    EXPECT_EQ(z().ScriptLine, QString::fromUtf8("asdf jklö "));
    EXPECT_EQ(fenster->TasteiZeileButton->text(), QStringLiteral(" Blindtastei "));
    EXPECT_FALSE(fenster->TasteiZeileButton->isHidden());
}

TEST_F(Interpreter, NumpadModeReturnsToTheKeypadExercise) {
    starte({QStringLiteral("//Ziffernblock"), QStringLiteral("456 654"), QStringLiteral("7894"),
            QStringLiteral("//Normalzeile"), QStringLiteral("4 5 6"),
            QStringLiteral("//Ziffernblock"), QStringLiteral("1230")});
    EXPECT_TRUE(st().NumpadMode);
    EXPECT_TRUE(z().Modus.Volltastei);
    EXPECT_EQ(z().ScriptLine, QStringLiteral("456 654"));
    EXPECT_EQ(z().ExpectedChar, QLatin1Char('4'));

    zeileFertig(); // each keypad line is primed anew
    EXPECT_EQ(z().ScriptLine, QStringLiteral("7894"));
    EXPECT_EQ(z().ExpectedChar, QLatin1Char('7'));

    zeileFertig();
    EXPECT_TRUE(st().NumpadMode);
    EXPECT_TRUE(z().Modus.Normalzeile);
    EXPECT_FALSE(fenster->NormalzeilenFeld->isHidden());
    EXPECT_EQ(z().ScriptLine, QStringLiteral("4 5 6\r")); // Return closes a keypad line

    zeileFertig();
    EXPECT_TRUE(z().Modus.Volltastei);
    EXPECT_FALSE(z().Modus.Normalzeile);
    EXPECT_FALSE(fenster->NormalTastatur->isHidden());
    EXPECT_TRUE(fenster->NormalzeilenFeld->isHidden());
    EXPECT_EQ(z().ScriptLine, QStringLiteral("1230"));
}

TEST_F(Interpreter, AKeyboardCommandClearsNumpadMode) {
    starte({QStringLiteral("//Ziffernblock"), QStringLiteral("456"), QStringLiteral("//Volltastei"),
            QStringLiteral("asdf")});
    zeileFertig();
    EXPECT_FALSE(st().NumpadMode);
    EXPECT_TRUE(z().Modus.Volltastei);
    EXPECT_EQ(z().ScriptLine, QStringLiteral("asdf"));
}

TEST_F(Interpreter, CompactEditionEndsAtTheAdditionalExercise) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf"),
            QString::fromUtf8("//Info: Zusatzübung - für Schnelle"), QStringLiteral("//Volltastei"),
            QString::fromUtf8("jklö")},
           Edition::Compact, 1);
    zeileFertig();
    EXPECT_EQ(enden, std::vector<bool>{true});
    EXPECT_TRUE(fenster->Infozeile1->caption().isEmpty());
    EXPECT_TRUE(fenster->Zusatzuebung->isHidden());
}

TEST_F(Interpreter, OtherEditionsCountTheAdditionalExercise) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf"),
            QString::fromUtf8("//Info: Zusatzübung - für Schnelle"), QStringLiteral("//Volltastei"),
            QString::fromUtf8("jklö"), QStringLiteral("fdsa")},
           Edition::School, 1);
    zeileFertig();
    EXPECT_TRUE(enden.empty());
    EXPECT_EQ(z().DrillLineCount, 3);
    EXPECT_EQ(fenster->Zusatzuebung->caption(), QString::fromUtf8(" Zusatzübung:  2 bis 3"));
    EXPECT_FALSE(fenster->Zusatzuebung->isHidden());
    EXPECT_TRUE(z().Modus.Volltastei);
    EXPECT_EQ(z().DrillLineNumber, 2);
}

TEST_F(Interpreter, HandImpairedLessonKeepsItsKeySet) {
    starte({QStringLiteral("//Ha"), QStringLiteral("//Info: Einhändig"),
            QStringLiteral("//Teiltastei: xa"), QStringLiteral("xaxa")});
    EXPECT_TRUE(st().HandImpairedMode);
    EXPECT_TRUE(fenster->StoppStart->isHidden()); // second line of a hand-impaired lesson
    EXPECT_EQ(z().TeilKeySet, QStringLiteral("xa"));
    EXPECT_FALSE(fenster->NormalTastatur->nummernFingerwege()->isHidden());
}

TEST_F(Interpreter, NothingLeftToTypeEndsTheUnit) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf"), QStringLiteral("//Blindtastei"),
            QString()});
    zeileFertig();
    EXPECT_EQ(enden, std::vector<bool>{true});

    enden.clear();
    starte({QStringLiteral("//Normalzeile")});
    EXPECT_EQ(enden, std::vector<bool>{true});

    enden.clear();
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf"),
            QStringLiteral("//Info: Schluss")});
    zeileFertig();
    EXPECT_EQ(enden, std::vector<bool>{true});
    EXPECT_EQ(fenster->Infozeile1->caption(), QStringLiteral(" Schluss"));
}

TEST_F(Interpreter, FreeModeHidesExercisesAndKeyboard) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf"), QStringLiteral("//Frei"),
            QStringLiteral("beliebig")});
    zeileFertig();
    EXPECT_TRUE(z().Modus.FreeMode);
    EXPECT_FALSE(z().Modus.Volltastei);
    EXPECT_TRUE(fenster->NormalTastatur->isHidden());
    EXPECT_TRUE(fenster->NormalzeilenFeld->isHidden());
    EXPECT_TRUE(enden.empty());
}

TEST_F(Interpreter, UnknownCommandEndsTheStepWithoutAMessage) {
    starte({QStringLiteral("//Volltastei"), QStringLiteral("asdf"), QStringLiteral("//Xylophon"),
            QStringLiteral("jklö")});
    zeileFertig();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(z().Modus.Volltastei);
    EXPECT_EQ(z().ScriptLineIndex, 2);
}

TEST_F(Interpreter, AHeaderCommandBeforeADrillLineStartsTheFullKeyboard) {
    for (const QString& kopf : {QStringLiteral("//Korrektur: ein"), QStringLiteral("//Ha")}) {
        SCOPED_TRACE(kopf.toStdString());
        starte({QStringLiteral("//Korrektur: ein"), kopf, QString(), QStringLiteral("asdf"),
                QStringLiteral("//Ende")});
        EXPECT_TRUE(z().Modus.Volltastei);
        EXPECT_FALSE(fenster->TasteiZeileButton->isHidden());
        EXPECT_EQ(fenster->TasteiZeileButton->text(), QStringLiteral(" Blindtastei "));
        EXPECT_EQ(z().ScriptLine, QStringLiteral("asdf"));
        tippe(QStringLiteral("ax")); // judged: the wrong key starts a correction
        EXPECT_TRUE(z().CorrectionPending);
        tippe(QStringLiteral("\bsdf"));
        EXPECT_EQ(enden, std::vector<bool>{true});
        enden.clear();
    }
}

TEST_F(Interpreter, AGridBlockOpeningWithAnEmptyLineIsAParagraphEnd) {
    starte({QStringLiteral("//Rasterzeile"), QString(), QStringLiteral("asdf"),
            QStringLiteral("//Ende")});
    EXPECT_FALSE(fenster->RasterzeileReturn->isHidden());
    tippe(QStringLiteral("\r\rasd"));
    EXPECT_EQ(feld(), QStringLiteral("\nasd"));
    tippe(QStringLiteral("f"));
    EXPECT_EQ(enden, std::vector<bool>{true});
}
