#include "lektion.h"
#include "ui/panel.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>

// Whole drill lines typed into the input field, key by key.
using Tippen = Lektion;

namespace {

const QStringList kZweiZeilen{QStringLiteral("//Normalzeile"), QStringLiteral("ab cd"),
                              QStringLiteral("efgh"), QStringLiteral("//Ende")};

} // namespace

TEST_F(Tippen, ACapitalWhereASmallLetterIsExpectedIsWrong) {
    starte({QStringLiteral("//Korrektur: aus"), QStringLiteral("//Normalzeile"),
            QStringLiteral("asdf")});
    tippe(QStringLiteral("A"));
    EXPECT_EQ(feld(), QString()); // correction off: the wrong key leaves nothing
    EXPECT_EQ(z().CharPos, 1);
    EXPECT_EQ(z().ExpectedChar, QLatin1Char('a'));
    EXPECT_FALSE(z().CorrectionPending);
    tippe(QStringLiteral("as"));
    EXPECT_EQ(feld(), QStringLiteral("as"));
    EXPECT_EQ(z().ExpectedChar, QLatin1Char('d'));
    EXPECT_TRUE(z().DrillClockRunning);
}

TEST_F(Tippen, CorrectionShowsTheWrongKeyUntilBackspaceRemovesIt) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Normalzeile"),
            QStringLiteral("asdf")});
    tippe(QStringLiteral("ax"));
    EXPECT_EQ(feld(), QStringLiteral("ax"));
    EXPECT_TRUE(z().CorrectionPending);
    EXPECT_FALSE(fenster->NormalzeileBack->isHidden());
    EXPECT_FALSE(z().ScriptLine.contains(kKorrekturmarke));

    tippe(QStringLiteral("sd\r"));
    EXPECT_EQ(feld(), QStringLiteral("ax"));

    tippe(QStringLiteral("\b"));
    EXPECT_EQ(feld(), QStringLiteral("a"));
    EXPECT_FALSE(z().CorrectionPending);
    EXPECT_TRUE(fenster->NormalzeileBack->isHidden());
    tippe(QStringLiteral("sd"));
    EXPECT_EQ(feld(), QStringLiteral("asd"));
}

TEST_F(Tippen, BackspaceWithoutCorrectionChangesNothing) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Normalzeile"),
            QStringLiteral("asdf")});
    tippe(QStringLiteral("as\b\b"));
    EXPECT_EQ(feld(), QStringLiteral("as"));
    EXPECT_EQ(z().CharPos, 3);
}

TEST_F(Tippen, AnUnexpectedReturnIsIgnoredAndNoWrongKey) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Rasterzeile"),
            QStringLiteral("asdf")});
    tippe(QStringLiteral("a\r"));
    EXPECT_EQ(feld(), QStringLiteral("a"));
    EXPECT_FALSE(z().CorrectionPending);
    EXPECT_EQ(z().CharPos, 2);
}

TEST_F(Tippen, DeadAccentsAreNeverJudged) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Normalzeile"),
            QString::fromUtf8("Bär Café")});
    tippe(QString::fromUtf8("´`Bär`´ Caf"));
    EXPECT_FALSE(z().CorrectionPending);
    tippe(QString::fromUtf8("é"));
    EXPECT_EQ(feld(), QString::fromUtf8("Bär Café"));
}

TEST_F(Tippen, TwoDrillLinesAreJoinedByATypedBlank) {
    starte(kZweiZeilen, Edition::School, 2);
    EXPECT_EQ(z().ScriptLine, QStringLiteral("ab cd "));
    tippe(QStringLiteral("ab cd"));
    EXPECT_EQ(feld(), QStringLiteral("ab cd"));
    tippe(QStringLiteral(" "));
    EXPECT_EQ(feld(), QStringLiteral("ab cd \n"));
    EXPECT_EQ(z().DrillLineNumber, 2);
    EXPECT_EQ(z().ScriptLine, QStringLiteral("efgh"));
    tippe(QStringLiteral("efgh"));
    EXPECT_EQ(enden, std::vector<bool>{true});
    EXPECT_EQ(feld(), QStringLiteral("ab cd \nefgh"));
}

TEST_F(Tippen, AnEmptyScriptLineAsksForReturnTwice) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Normalzeile"),
            QStringLiteral("ab"), QString(), QStringLiteral("cd")},
           Edition::School, 2);
    tippe(QStringLiteral("ab"));
    EXPECT_EQ(z().ScriptLine, QStringLiteral("\r\r"));
    EXPECT_FALSE(fenster->NormalzeileReturn->isHidden());
    EXPECT_EQ(z().CorrectionMode, Korrekturmodus::Ausgesetzt);
    tippe(QStringLiteral("c")); // Return is due: no correction starts there
    EXPECT_FALSE(z().CorrectionPending);
    tippe(QStringLiteral("\r"));
    EXPECT_EQ(fenster->NormalzeileReturn->x(), 32);
    EXPECT_FALSE(fenster->NormalzeileReturn->isHidden());
    EXPECT_EQ(fenster->Normal[0]->caption(), QStringLiteral(" "));
    tippe(QStringLiteral("\r"));
    EXPECT_TRUE(fenster->NormalzeileReturn->isHidden());
    EXPECT_EQ(z().CorrectionMode, Korrekturmodus::Ein);
    EXPECT_EQ(z().ScriptLine, QStringLiteral("cd"));
    tippe(QStringLiteral("cd"));
    EXPECT_EQ(feld(), QStringLiteral("ab\n\ncd"));
    EXPECT_EQ(enden, std::vector<bool>{true});
}

TEST_F(Tippen, ACopyTextTypesItsLineEndsAsBlanks) {
    starte({QStringLiteral("//Abschreibtext"), QStringLiteral("Der Hund"),
            QStringLiteral("bellt laut."), QString(), QStringLiteral("Neues"),
            QStringLiteral("//Ende")},
           Edition::School, 3);
    EXPECT_EQ(z().ScriptLine,
              QStringLiteral("Der Hund") + kZeilenfuge + QStringLiteral("bellt laut."));
    EXPECT_EQ(fenster->Zeilennummern->caption(), QStringLiteral(" Zeile 1 von Zeile 3"));
    tippe(QStringLiteral("Der Hund"));
    EXPECT_EQ(fenster->Zeilennummern->caption(), QStringLiteral(" Zeile 2 von Zeile 3"));
    EXPECT_EQ(z().ScriptLineIndex, 2);
    tippe(QStringLiteral(" bellt laut.\r\rNeues"));
    EXPECT_EQ(feld(), QStringLiteral("Der Hund bellt laut.\n\nNeues"));
    EXPECT_EQ(fenster->Zeilennummern->caption(), QStringLiteral(" Zeile 3 von Zeile 3"));
    EXPECT_EQ(enden, std::vector<bool>{true});
}

TEST_F(Tippen, TheGridLineScrollsOneCellPerCorrectKey) {
    starte({QStringLiteral("//Rasterzeile"), QStringLiteral("abc")});
    EXPECT_EQ(fenster->Raster[6]->caption(), QStringLiteral("a"));
    EXPECT_EQ(fenster->Raster[7]->caption(), QStringLiteral("b"));
    EXPECT_EQ(fenster->Raster[5]->caption(), QStringLiteral(" "));
    EXPECT_FALSE(fenster->Leerzeichen->isVisibleTo(fenster->Rasterzeilenfeld));
    tippe(QStringLiteral("x"));
    EXPECT_EQ(fenster->Raster[6]->caption(), QStringLiteral("a"));
    tippe(QStringLiteral("a"));
    EXPECT_EQ(fenster->Raster[5]->caption(), QStringLiteral("a"));
    EXPECT_EQ(fenster->Raster[6]->caption(), QStringLiteral("b"));
    EXPECT_EQ(fenster->Raster[7]->caption(), QStringLiteral("c"));
}

TEST_F(Tippen, TheNormalLineScrollsOnlyPastItsLastBreak) {
    const QString zeile = QStringLiteral("aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj");
    starte({QStringLiteral("//Normalzeile"), zeile});
    const int umbruch =
        static_cast<int>(zeile.left(kNormalzellen).lastIndexOf(QLatin1Char(' '))) + 1;
    tippe(zeile.left(umbruch - 1));
    EXPECT_EQ(fenster->Normal[0]->caption(), QStringLiteral("a"));
    EXPECT_EQ(fenster->Normal[std::size_t(umbruch - 1)]->caption(), QStringLiteral(" "));
    EXPECT_EQ(fenster->Normal[std::size_t(umbruch - 1)]->color(), QColor(Qt::red));
    tippe(QStringLiteral(" "));
    EXPECT_EQ(fenster->Normal[0]->caption(), zeile.mid(umbruch, 1));
    EXPECT_EQ(fenster->Normal[0]->color(), QColor(Qt::red));
    EXPECT_EQ(fenster->Normal[1]->caption(), zeile.mid(umbruch + 1, 1));
}

TEST_F(Tippen, WordBuildingShortensLongWords) {
    starte({QStringLiteral("//Wortaufbau"), QStringLiteral("Donaudampfschiff fahrt")});
    EXPECT_EQ(z().ScriptLine, QStringLiteral("Donaudamp fahrt"));
    EXPECT_EQ(fenster->Wort[0]->caption(), QStringLiteral("D"));
    EXPECT_EQ(fenster->Wort[8]->caption(), QStringLiteral("p"));
    EXPECT_EQ(fenster->Wort[0]->color(), QColor(Qt::yellow)); // middle finger
    EXPECT_FALSE(fenster->FarbeMitteLinks->isHidden());
    tippe(QStringLiteral("Donaudamp"));
    EXPECT_EQ(fenster->Wort[9]->caption(), QStringLiteral("leer"));
    EXPECT_EQ(fenster->Wort[9]->color(), QColor(Qt::red));
    tippe(QStringLiteral(" "));
    // "fahrt" stands centred: five characters from panel 3 on.
    EXPECT_EQ(fenster->Wort[2]->caption(), QStringLiteral("f"));
    EXPECT_EQ(fenster->Wort[6]->caption(), QStringLiteral("t"));
    EXPECT_EQ(fenster->Wort[0]->caption(), QString());
    EXPECT_FALSE(fenster->FarbeMitteLinks->isHidden());
}

TEST_F(Tippen, EscapeAsksAndIsNotJudged) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Normalzeile"),
            QStringLiteral("asdf")});
    platform.messageAnswers = {MessageAnswer::No};
    tippe(QStringLiteral("a\x1b"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              QString::fromUtf8("Wollen Sie diese Lerneinheit tatsächlich beenden?"));
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_FALSE(z().CorrectionPending);
    EXPECT_TRUE(enden.empty());
    tippe(QStringLiteral("s"));
    EXPECT_EQ(feld(), QStringLiteral("as"));

    platform.messageAnswers = {MessageAnswer::Yes};
    tippe(QStringLiteral("\x1b"));
    EXPECT_EQ(enden, std::vector<bool>{false});
    EXPECT_TRUE(fenster->AbbrechenButton->isHidden());
}

TEST_F(Tippen, KeysThatMustNotReachTheFieldAreSwallowed) {
    starte({QStringLiteral("//Normalzeile"), QStringLiteral("asdf")});
    tippe(QStringLiteral("as"));
    for (int key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_Delete, Qt::Key_F1, Qt::Key_PageUp,
                    Qt::Key_CapsLock}) {
        taste(key);
    }
    tippe(QStringLiteral("d"));
    EXPECT_EQ(feld(), QStringLiteral("asd"));
}

TEST_F(Tippen, ClickingIntoTheFieldWarns) {
    starte({QStringLiteral("//Normalzeile"), QStringLiteral("asdf")});
    tippe(QStringLiteral("as"));
    QMouseEvent klick(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(fenster->Texteingabefeld->viewport(), &klick);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Bitte nicht in das Eingabefeld klicken!"));
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Cancel);
    EXPECT_EQ(fenster->Texteingabefeld->caretPosition(), 2);
}

TEST_F(Tippen, InputIsDroppedWhileBlocked) {
    // The finger-path demonstration blocks input while it runs.
    starte({QStringLiteral("//Weg: e"), QStringLiteral("//Normalzeile"), QStringLiteral("asdf")});
    platform.duringPause = [this](int) {
        ASSERT_TRUE(z().InputBlocked);
        tippe(QStringLiteral("a"));
    };
    fenster->FingerWegZeigen(QStringLiteral("e"));
    platform.duringPause = nullptr;
    EXPECT_EQ(feld(), QString());
    EXPECT_FALSE(z().DrillClockRunning);
    tippe(QStringLiteral("as"));
    EXPECT_EQ(feld(), QStringLiteral("as"));
}

TEST_F(Tippen, FreeModeTakesEverythingUnjudged) {
    starte({QStringLiteral("//Frei"), QStringLiteral("irgendwas")});
    tippe(QStringLiteral("Hallo\rWelt\b"));
    EXPECT_EQ(feld(), QStringLiteral("Hallo\nWel"));
    EXPECT_TRUE(fenster->Texteingabefeld->wordWrap());
}

TEST_F(Tippen, AWrongFirstKeyLeavesTheWordAndTheGridAsTheyWere) {
    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Wortaufbau"),
            QStringLiteral("abcdefghi xy")});
    tippe(QStringLiteral("x"));
    EXPECT_TRUE(z().CorrectionPending);
    EXPECT_EQ(z().ScriptLine, QStringLiteral("abcdefghi xy"));
    tippe(QStringLiteral("\babcdefghi"));
    EXPECT_EQ(feld(), QStringLiteral("abcdefghi"));

    starte({QStringLiteral("//Korrektur: ein"), QStringLiteral("//Rasterzeile"),
            QStringLiteral("abc")});
    tippe(QStringLiteral("x"));
    EXPECT_TRUE(z().CorrectionPending);
    EXPECT_EQ(fenster->Raster[6]->caption(), QStringLiteral("a"));
    EXPECT_EQ(fenster->Raster[7]->caption(), QStringLiteral("b"));
    EXPECT_EQ(fenster->Raster[5]->caption(), QStringLiteral(" "));
    tippe(QStringLiteral("\ba"));
    EXPECT_EQ(fenster->Raster[6]->caption(), QStringLiteral("b"));
}

TEST_F(Tippen, AnEscapeTypedJustBeforeTheEndAsksNothing) {
    // The unit ends with a paragraph end; word building waits a moment at
    // each Return, and the Escape arrives during the last wait.
    starte({QStringLiteral("//Wortaufbau"), QStringLiteral("ab"), QString()});
    tippe(QStringLiteral("ab\r"));
    ASSERT_TRUE(enden.empty());
    platform.duringPause = [this](int) {
        platform.duringPause = nullptr;
        tippe(QStringLiteral("\x1b"));
    };
    tippe(QStringLiteral("\r"));
    EXPECT_EQ(enden, std::vector<bool>{true});
    EXPECT_TRUE(platform.messages.empty());
}
