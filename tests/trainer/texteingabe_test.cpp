#include "uebung.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>

// The rules of the trainer's input field while the reference stands on
// screen: paragraph ends, F1, deletions, the keystroke count, and clicks.

namespace {

const QString kLang = QString::fromUtf8(
    "Am Anfang steht die Grundstellung: Die Finger liegen auf den Tasten der mittleren Reihe, "
    "die Daumen über der Leertaste. Von dort greifen sie nach oben und unten und kehren danach "
    "sofort zurück.");
const QString kKurz = QStringLiteral("Eins.");

class Texteingabe : public Uebung {
protected:
    // A long first paragraph, a short second one; correction on.
    void langUndKurz(bool korrektur = true) {
        einstellen(true, korrektur, 0, true);
        beginnen(QStringLiteral("KP_TXT04.VER"), {kLang, QString(), kKurz});
    }
    void kurzUndLang() {
        einstellen(true, true, 0, true);
        beginnen(QStringLiteral("KP_TXT04.VER"), {kKurz, QString(), kLang});
    }
    void klicken(QWidget* ziel) {
        QMouseEvent klick(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(ziel, &klick);
    }
};

const QString kNochmals = QString::fromUtf8("Drücken Sie nochmals die Returntaste.");

} // namespace

TEST_F(Texteingabe, AReturnBeforeTheParagraphsLastLineIsRefusedWithTheLongHint) {
    langUndKurz();
    tippe(QStringLiteral("Am Anfang\r"));
    EXPECT_EQ(text(), QStringLiteral("Am Anfang"));
    EXPECT_TRUE(meldung().startsWith(
        QStringLiteral("Drücken Sie die Return-Taste (Eingabetaste) nur, wenn ...")));
    EXPECT_TRUE(meldung().endsWith(QStringLiteral(
        "Vorlage-Textes beginnen wollen, drücken Sie die Taste F1.               ")));
    EXPECT_EQ(platform.messages.back().buttons, MessageButtons::Cancel);
    EXPECT_EQ(st().KeystrokeCount, 11); // two capitals, a blank, six letters
}

TEST_F(Texteingabe, AfterTheFirstReturnOnlyTheSecondIsTaken) {
    kurzUndLang();
    tippe(kKurz + QStringLiteral("\rx"));
    EXPECT_EQ(meldung(), kNochmals);
    EXPECT_EQ(text(), kKurz + QStringLiteral("\n"));
    EXPECT_TRUE(z().ParagraphEndPending);
    taste(Qt::Key_Left);
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(meldung(), kNochmals);

    tippe(QStringLiteral("\r"));
    EXPECT_FALSE(z().ParagraphEndPending);
    EXPECT_EQ(z().CurrentRefLine, 2);
    EXPECT_TRUE(trainer->Zeile(0).startsWith(QStringLiteral("Am Anfang")));
    tippe(QStringLiteral("\r"));
    EXPECT_EQ(meldung(), QStringLiteral("Fahren Sie mit dem Text fort."));
    EXPECT_EQ(text(), kKurz + QStringLiteral("\n\n"));
    EXPECT_EQ(st().KeystrokeCount, 5 + 1 + 2);
}

TEST_F(Texteingabe, BackspaceTakesBackAFirstReturnAndAParagraphEnd) {
    kurzUndLang();
    tippe(kKurz + QStringLiteral("\r\b"));
    EXPECT_EQ(text(), kKurz);
    EXPECT_FALSE(z().ParagraphEndPending);

    tippe(QStringLiteral("\r\r"));
    EXPECT_EQ(z().CurrentRefLine, 2);
    tippe(QStringLiteral("\b"));
    EXPECT_EQ(text(), kKurz + QStringLiteral("\n"));
    EXPECT_EQ(z().CurrentRefLine, 2);
    tippe(QStringLiteral("\b"));
    EXPECT_EQ(text(), kKurz);
    EXPECT_EQ(z().CurrentRefLine, 0); // the reference is back at the first paragraph
    EXPECT_EQ(trainer->MarkierteZeile(), 0);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Texteingabe, ParagraphsCannotBeJoinedWhileTyping) {
    kurzUndLang();
    tippe(kKurz + QStringLiteral("\r\rAm"));
    taste(Qt::Key_Left);
    taste(Qt::Key_Left);
    tippe(QStringLiteral("\b"));
    EXPECT_EQ(meldung(), QString::fromUtf8("Absätze lassen sich nicht zusammenziehen."));
    EXPECT_EQ(text(), kKurz + QStringLiteral("\n\nAm"));
    EXPECT_TRUE(eingabe()->textCursor().atEnd());

    taste(Qt::Key_Up);
    taste(Qt::Key_Up);
    taste(Qt::Key_End);
    taste(Qt::Key_Delete);
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(text(), kKurz + QStringLiteral("\n\nAm"));
    EXPECT_TRUE(eingabe()->textCursor().atEnd());
}

TEST_F(Texteingabe, F1StartsTheNextParagraph) {
    langUndKurz();
    taste(Qt::Key_F1);
    EXPECT_EQ(meldung(), QStringLiteral("Beginnen Sie mit dem Text."));
    EXPECT_TRUE(text().isEmpty());

    tippe(QStringLiteral("Am Anfang"));
    taste(Qt::Key_F1);
    EXPECT_EQ(text(), QStringLiteral("Am Anfang\n\n"));
    EXPECT_EQ(trainer->Zeile(0), kKurz + QLatin1Char(' '));
    EXPECT_EQ(trainer->MarkierteZeile(), 0);
    EXPECT_EQ(st().KeystrokeCount, 11); // F1 is no keystroke
    taste(Qt::Key_F1);
    EXPECT_EQ(meldung(), QStringLiteral("Beginnen Sie mit dem neuen Absatz."));
}

TEST_F(Texteingabe, ShiftCountsTwiceAndDeletingTakesBackWhatTheCharacterWasWorth) {
    langUndKurz();
    tippe(QStringLiteral("A"));
    EXPECT_EQ(st().KeystrokeCount, 2);
    tippe(QStringLiteral("a"));
    EXPECT_EQ(st().KeystrokeCount, 3);
    EXPECT_EQ(anzeige("AnschlagsAnzeige"), QString::fromUtf8("  Anschläge: 3"));
    tippe(QStringLiteral("\b"));
    EXPECT_EQ(st().KeystrokeCount, 2);
    tippe(QStringLiteral("\b"));
    EXPECT_EQ(st().KeystrokeCount, 0);
    EXPECT_TRUE(text().isEmpty());
    taste(Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(st().KeystrokeCount, 0);
}

TEST_F(Texteingabe, CtrlAndAltAreRefusedAndNothingIsPasted) {
    langUndKurz();
    tippe(QStringLiteral("Am"));
    taste(Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(platform.messages.back().kind, MessageKind::Error);
    EXPECT_EQ(meldung(), QString::fromUtf8("Sie haben versehentlich die Strg-Taste gedrückt."));
    taste(Qt::Key_Alt, Qt::AltModifier);
    EXPECT_EQ(meldung(), QString::fromUtf8("Sie haben versehentlich die Alt-Taste gedrückt."));
    QGuiApplication::clipboard()->setText(QStringLiteral("eingefügt"));
    taste(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(), QStringLiteral("Am"));
    EXPECT_EQ(st().KeystrokeCount, 3);
}

TEST_F(Texteingabe, WithoutCorrectionNothingIsDeletedAndTheCaretStays) {
    langUndKurz(false);
    tippe(QStringLiteral("Am Anfg\b"));
    taste(Qt::Key_Left);
    taste(Qt::Key_Home);
    taste(Qt::Key_Delete);
    EXPECT_EQ(text(), QStringLiteral("Am Anfg"));
    EXPECT_TRUE(eingabe()->textCursor().atEnd());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Texteingabe, TheMarkFollowsTheWrappedLinesAndStopsAtTheParagraphEnd) {
    langUndKurz();
    const int zeilen = [&] {
        int n = 0;
        while (!trainer->Zeile(n).trimmed().isEmpty()) {
            ++n;
        }
        return n;
    }();
    ASSERT_GE(zeilen, 2);
    tippe(trainer->Zeile(0));
    tippe(trainer->Zeile(1).left(3));
    EXPECT_EQ(trainer->MarkierteZeile(), 1);
    EXPECT_EQ(teil<QLineEdit>("Zeile1")->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(teil<QLineEdit>("Zeile0")->palette().color(QPalette::Base), QColor(Qt::white));

    // Typing on past the paragraph's last line: the next paragraph is hidden.
    const QString rest = kLang.mid(eingabe()->toPlainText().size());
    tippe(rest);
    EXPECT_EQ(z().CurrentRefLine, zeilen - 1);
    EXPECT_FALSE(sichtbar("Absatzende"));
    tippe(QStringLiteral(" und noch viel mehr Text, der in der Vorlage gar nicht steht, bis die "
                         "Zeile voll ist und umbricht"));
    EXPECT_TRUE(sichtbar("Absatzende"));
    EXPECT_EQ(anzeige("Absatzende"), QStringLiteral("Beginnen Sie einen neuen Absatz!"));
    EXPECT_EQ(z().CurrentRefLine, zeilen - 1);
    const int darunter = trainer->MarkierteZeile() + 2;
    if (darunter < 7) {
        EXPECT_EQ(teil<QLineEdit>(QStringLiteral("Zeile%1").arg(darunter).toLatin1().constData())
                      ->palette()
                      .color(QPalette::Text),
                  QColor(Qt::white));
    }
    tippe(QStringLiteral("\r\r"));
    EXPECT_FALSE(sichtbar("Absatzende"));
    EXPECT_EQ(trainer->Zeile(0), kKurz + QLatin1Char(' '));
}

TEST_F(Texteingabe, ClicksIntoTheReferenceOrTheTextAreWarnedOf) {
    langUndKurz();
    tippe(QStringLiteral("Am Anfang"));
    klicken(teil<QWidget>("Zeile2"));
    EXPECT_EQ(platform.messages.back().kind, MessageKind::Warning);
    EXPECT_EQ(meldung(), QStringLiteral("Bitte nicht in die Textvorlage klicken!"));
    QTextCursor cursor = eingabe()->textCursor();
    cursor.setPosition(2);
    eingabe()->setTextCursor(cursor);
    klicken(eingabe()->viewport());
    EXPECT_TRUE(meldung().startsWith(QStringLiteral("Bitte, klicken sie nicht in den Text!")));
    EXPECT_TRUE(eingabe()->textCursor().atEnd());
}
