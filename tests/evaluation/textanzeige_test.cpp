#include "../trainer/uebung.h"

#include "ui/rtfreader.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QTextBlock>
#include <QTextDocument>

namespace {

const QString kAbsatz1 = QString::fromUtf8("Der Zug fährt heute pünktlich ab.");
const QString kAbsatz2 = QStringLiteral("Alle steigen ein.");
const QString kGetippt1 = QString::fromUtf8("Der Zug fährt heute pünktlcih ab.");

// The character format in the middle of the first occurrence of `wort`.
QTextCharFormat formatVon(const QTextDocument& dokument, const QString& wort) {
    const QTextCursor fund = dokument.find(wort);
    EXPECT_FALSE(fund.isNull()) << wort.toStdString();
    QTextCursor mitte(const_cast<QTextDocument*>(&dokument));
    mitte.setPosition(fund.selectionStart() + static_cast<int>(wort.size()) / 2 + 1);
    return mitte.charFormat();
}

QString pdfSeite(const QString& pdf, int seite) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(seite),
                     QStringLiteral("-l"), QString::number(seite), pdf, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(20000)) << "pdftotext is part of the test set-up";
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

class Ergebnis : public Uebung {
protected:
    TFensterTextanzeige& fenster() { return anwendung->FensterTextanzeige(); }
    QLineEdit* name() { return fenster().findChild<QLineEdit*>(QStringLiteral("NameEingabe")); }
    QString datum() {
        return QLocale::system().toString(platform.now().date(), QLocale::ShortFormat);
    }

    // Two paragraphs copied from the screen without correction, the second
    // one with a pair of letters swapped, ended with "Beenden".
    void abschreiben(const QString& erster) {
        einstellen(true, false, 0, true);
        beginnen(QStringLiteral("abschrift.st"), {kAbsatz1, QString(), kAbsatz2});
        tippe(erster + QStringLiteral("\r\r") + kAbsatz2);
        platform.messageAnswers = {MessageAnswer::Yes};
        teil<QPushButton>("BeendenSchreiben")->click();
        ASSERT_FALSE(fenster().isHidden());
    }
};

TEST_F(Ergebnis, TheFiguresOfTheTypingTimeStandBelowTheTextOnScreenInPrintAndInTheFile) {
    einstellen(true, false, 0, true);
    beginnen(QStringLiteral("abschrift.st"), {kAbsatz1, QString(), kAbsatz2});
    // A minute from the first key to the last.
    tippe(kGetippt1.left(1));
    platform.advance(60000);
    tippe(kGetippt1.mid(1) + QStringLiteral("\r\r") + kAbsatz2);
    platform.messageAnswers = {MessageAnswer::Yes};
    teil<QPushButton>("BeendenSchreiben")->click();
    ASSERT_FALSE(fenster().isHidden());

    const int anschlaege = st().KeystrokeCount;
    const QString figuren = QString::fromUtf8("Tempo: %1,0 Anschläge je Minute   Fehlerquote: %2 %")
                                .arg(anschlaege)
                                .arg(QLocale(QLocale::German).toString(100.0 / anschlaege, 'f', 1));
    const QStringList anzeige = fenster().Anzeigezeilen();
    EXPECT_EQ(anzeige.mid(anzeige.size() - 2), (QStringList{QString(), figuren}));
    EXPECT_EQ(fenster().Druckzeilen().last().trimmed(), figuren);

    const QString pfad = verzeichnis.filePath(QStringLiteral("figuren.rtf"));
    platform.fileAnswers = {pfad};
    fenster().SpeichernClick();
    QTextDocument gelesen;
    readRtf(dateiLesen(pfad), gelesen);
    EXPECT_TRUE(gelesen.toPlainText().endsWith(figuren));
}

TEST_F(Ergebnis, AnExerciseWithAnErrorIsMarkedCountedSavedAndReadBack) {
    platform.clipboard = QStringLiteral("Merkzettel");
    abschreiben(kGetippt1);
    const int anschlaege = anschlaege::neuZaehlen({kGetippt1, QString(), kAbsatz2});
    EXPECT_EQ(st().KeystrokeCount, anschlaege);
    EXPECT_EQ(
        fenster().Anzeigezeilen(),
        QStringList({QStringLiteral("Namenlos"),
                     QString::fromUtf8("Ohne Korrektur  %1 Anschläge  1 Fehler  ").arg(anschlaege),
                     QString(), kGetippt1 + QLatin1Char(' '), QString(), QString(),
                     kAbsatz2 + QLatin1Char(' ')}));
    EXPECT_EQ(fenster().ErrorCount(), 1);
    EXPECT_EQ(fenster().windowTitle(), QStringLiteral(" ... Textanzeige"));
    // What the learner had copied is still there.
    EXPECT_EQ(platform.clipboard, QStringLiteral("Merkzettel"));
    EXPECT_FALSE(name()->isHidden());

    const QString ziel = verzeichnis.filePath(QStringLiteral("ergebnis"));
    platform.fileAnswers = {ziel};
    fenster().SpeichernClick();
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(platform.fileDialogs[0].filter,
              QStringLiteral("RichTextFormat(*.rtf)|*.rtf|Alle Dateien(*.*)|*.*"));
    EXPECT_EQ(fenster().windowTitle(), QStringLiteral("ergebnis.rtf"));
    QTextDocument gelesen;
    readRtf(dateiLesen(ziel + QStringLiteral(".rtf")), gelesen);
    EXPECT_EQ(gelesen.toPlainText().split(QLatin1Char('\n')), fenster().Anzeigezeilen());
    EXPECT_TRUE(formatVon(gelesen, QString::fromUtf8("pünktlcih")).fontUnderline());
    EXPECT_FALSE(formatVon(gelesen, QStringLiteral("heute")).fontUnderline());
    EXPECT_FALSE(formatVon(gelesen, QStringLiteral("heute")).fontItalic());
    EXPECT_TRUE(formatVon(gelesen, QStringLiteral("steigen")).fontItalic());
    EXPECT_FALSE(formatVon(gelesen, QString::fromUtf8("Anschläge")).fontItalic());

    // Saved: neither "Speichern" nor "Beenden" asks again.
    fenster().SpeichernClick();
    EXPECT_EQ(platform.fileDialogs.size(), 1u);
    fenster().BeendenClick();
    EXPECT_EQ(platform.messages.size(), 1u); // only the question of "Beenden" in the trainer
    EXPECT_TRUE(fenster().isHidden());
    EXPECT_FALSE(anwendung->FensterStart().Startmenue->isHidden());
}

TEST_F(Ergebnis, TheNameStandsAtTheTopAndInThePrintHeader) {
    abschreiben(kGetippt1);
    QStringList druck = fenster().Druckzeilen();
    ASSERT_GT(druck.size(), 6);
    EXPECT_EQ(druck[3], QStringLiteral("        Namenlos   Seite 1/1   ") + datum());
    EXPECT_TRUE(druck[4].startsWith(QStringLiteral("        Ohne Korrektur  ")));
    // The print text carries the same styles without the marks.
    EXPECT_TRUE(druck.join(QLatin1Char('\n')).contains(kGetippt1));
    EXPECT_FALSE(druck.join(QLatin1Char('\n')).contains(QLatin1Char('|')));

    name()->setText(QStringLiteral("Anna Berg"));
    EXPECT_EQ(fenster().Anzeigezeilen().first(), QStringLiteral("Anna Berg"));
    druck = fenster().Druckzeilen();
    EXPECT_EQ(druck[3], QStringLiteral("        Anna Berg   Seite 1/1   ") + datum());
    name()->clear();
    EXPECT_EQ(fenster().Anzeigezeilen().first(), QStringLiteral("Namenlos"));

    // Typing a name alone is no change of the result: after a save it is
    // not asked for again.
    platform.fileAnswers = {verzeichnis.filePath(QStringLiteral("a.rtf"))};
    fenster().SpeichernClick();
    name()->setText(QStringLiteral("Anna"));
    const std::size_t vorher = platform.messages.size();
    fenster().BeendenClick();
    EXPECT_EQ(platform.messages.size(), vorher);
    EXPECT_TRUE(fenster().isHidden());
}

TEST_F(Ergebnis, UnalignedTextIsHintedInThePrintHeaderUntilTheNameChangesTwice) {
    abschreiben(QString::fromUtf8("Der Zug kommt nie an fährt heute pünktlich ab."));
    EXPECT_EQ(fenster().ErrorCount(), 0);
    EXPECT_EQ(fenster().Anzeigezeilen()[3],
              QString::fromUtf8("Der Zug kommt nie an fährt heute pünktlich ab. "));
    // The stretch typed beyond the reference is bold when read back.
    const QString ziel = verzeichnis.filePath(QStringLiteral("fett.rtf"));
    platform.fileAnswers = {ziel};
    fenster().SpeichernClick();
    QTextDocument gelesen;
    readRtf(dateiLesen(ziel), gelesen);
    EXPECT_TRUE(formatVon(gelesen, QStringLiteral("kommt")).font().bold());
    EXPECT_TRUE(formatVon(gelesen, QStringLiteral("nie")).font().bold());
    EXPECT_FALSE(formatVon(gelesen, QStringLiteral("heute")).font().bold());
    EXPECT_FALSE(formatVon(gelesen, QStringLiteral("heute")).fontItalic());

    const QString hinweis = QStringLiteral("  Nicht erkannte Fehler!");
    EXPECT_TRUE(fenster().Druckzeilen()[3].endsWith(hinweis));
    name()->setText(QStringLiteral("A"));
    EXPECT_EQ(fenster().Druckzeilen()[3],
              QStringLiteral("        A   Seite 1/1   ") + datum() + hinweis);
    name()->setText(QStringLiteral("An"));
    EXPECT_EQ(fenster().Druckzeilen()[3], QStringLiteral("        An   Seite 1/1   ") + datum());

    // The next exercise starts without the hint.
    fenster().BeendenClick();
    abschreiben(kGetippt1);
    EXPECT_FALSE(fenster().Druckzeilen()[3].contains(hinweis));
    EXPECT_EQ(fenster().Anzeigezeilen().first(), QStringLiteral("An"));
}

TEST_F(Ergebnis, ALongResultIsPrintedPageByPageEachWithItsHeader) {
    st().TrainerEvaluation = true;
    st().TrainerCorrection = true;
    st().TrainerMinutes = 10;
    QStringList text;
    for (int a = 0; a < 45; ++a) {
        if (a > 0) {
            text << QString();
        }
        text << QStringLiteral("Absatz %1 hat genug Worte, um in der Druckfassung auf zwei "
                               "Zeilen umzubrechen, und endet hier.")
                    .arg(a);
    }
    fenster().FehlerAuswertung(text, text);
    const QStringList druck = fenster().Druckzeilen();
    EXPECT_EQ(druck[4],
              QString::fromUtf8("        Mit Korrektur  0 Anschläge  0 Fehler  10 Minuten"));
    EXPECT_GT(druck.size(), 3 * 63);
    EXPECT_EQ(druck[3], QStringLiteral("        Namenlos   Seite 1/4"));
    EXPECT_EQ(druck[66], QStringLiteral("        Namenlos   Seite 2/4"));
    EXPECT_EQ(druck[129], QStringLiteral("        Namenlos   Seite 3/4"));
    EXPECT_EQ(druck[192], QStringLiteral("        Namenlos   Seite 4/4"));

    platform.pdfPath = verzeichnis.filePath(QStringLiteral("ergebnis.pdf"));
    fenster().DruckenClick();
    ASSERT_EQ(platform.printJobs.size(), 1u);
    for (int seite = 1; seite <= 4; ++seite) {
        const QString inhalt = pdfSeite(platform.pdfPath, seite);
        EXPECT_TRUE(inhalt.contains(QStringLiteral("Seite %1/4").arg(seite)))
            << seite << inhalt.toStdString();
        // No page carries the header of another.
        EXPECT_EQ(inhalt.count(QStringLiteral("Seite ")), 1) << seite;
    }
    EXPECT_TRUE(pdfSeite(platform.pdfPath, 5).trimmed().isEmpty());
}

TEST_F(Ergebnis, AFailedOrCancelledSaveKeepsTheResult) {
    abschreiben(kGetippt1);
    const std::size_t vorher = platform.messages.size();
    platform.fileAnswers = {verzeichnis.filePath(QStringLiteral("fehlt/ergebnis.rtf"))};
    fenster().SpeichernClick();
    ASSERT_EQ(platform.messages.size(), vorher + 1);
    EXPECT_EQ(platform.messages.back().kind, MessageKind::Error);
    EXPECT_EQ(fenster().windowTitle(), QStringLiteral(" ... Textanzeige"));

    // "Beenden" asks; Yes with a cancelled dialog stays, No leaves.
    platform.messageAnswers = {MessageAnswer::Yes};
    fenster().BeendenClick();
    EXPECT_EQ(meldung(), QStringLiteral("Wollen Sie den Text speichern?"));
    EXPECT_EQ(platform.messages.back().buttons, MessageButtons::YesNo);
    EXPECT_FALSE(fenster().isHidden());
    platform.messageAnswers = {MessageAnswer::No};
    fenster().close();
    EXPECT_TRUE(fenster().isHidden());
    EXPECT_FALSE(anwendung->FensterStart().isHidden());
}

TEST_F(Ergebnis, ADrillResultShowsTheNameEntryOnlyWhenAsked) {
    fenster().TextZeigen(QStringLiteral("asdf\njkl"), false);
    fenster().Anzeigen();
    EXPECT_EQ(fenster().Anzeigezeilen(),
              QStringList({QString(), QString(), QStringLiteral("asdf"), QStringLiteral("jkl")}));
    EXPECT_TRUE(name()->isHidden());
    EXPECT_FALSE(fenster().findChild<QPushButton*>(QStringLiteral("Drucken"))->isHidden());
    EXPECT_EQ(fenster().Druckzeilen()[3],
              QStringLiteral("        Namenlos   Seite 1/1   ") + datum());
    // Printing puts "Namenlos" on the empty first line.
    fenster().DruckenClick();
    EXPECT_EQ(fenster().Anzeigezeilen().first(), QStringLiteral("Namenlos"));
    ASSERT_EQ(platform.printJobs.size(), 1u);
    EXPECT_TRUE(platform.printJobs[0].text.contains(QStringLiteral("        asdf")));

    fenster().TextZeigen(QStringLiteral("qwer"), true);
    EXPECT_FALSE(name()->isHidden());
    EXPECT_TRUE(fenster().Anzeigezeilen().first().isEmpty());
}

TEST_F(Ergebnis, WithoutEvaluationTheTextStandsAsTypedWithoutStyles) {
    st().TrainerEvaluation = false;
    st().KeystrokeCount = 17;
    fenster().FehlerAuswertung({QStringLiteral("und |so| @hier")}, {QStringLiteral("anders ")});
    EXPECT_EQ(fenster().Anzeigezeilen(),
              QStringList({QStringLiteral("Namenlos"),
                           QString::fromUtf8("Ohne Korrektur  17 Anschläge  Ohne Auswertung  "),
                           QString(), QStringLiteral("und |so| @hier ")}));
    EXPECT_EQ(fenster().ErrorCount(), 0);
    const QString ziel = verzeichnis.filePath(QStringLiteral("ohne.rtf"));
    platform.fileAnswers = {ziel};
    fenster().SpeichernClick();
    QTextDocument gelesen;
    readRtf(dateiLesen(ziel), gelesen);
    EXPECT_FALSE(formatVon(gelesen, QStringLiteral("so")).fontItalic());
    EXPECT_FALSE(formatVon(gelesen, QStringLiteral("hier")).fontUnderline());
}
