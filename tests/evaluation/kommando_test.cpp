#include "support/dateien.h"
#include "support/qtprinters.h"
#include "ui/rtfreader.h"
#include "ui/textfile.h"

#include <QFileInfo>
#include <QFont>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <utility>

namespace {

struct Lauf {
    int status = -1;
    QString ausgabe;
    QString meldung;
};

Lauf starten(const QStringList& argumente,
             const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment()) {
    QProcess prozess;
    prozess.setProcessEnvironment(umgebung);
    prozess.start(QStringLiteral(KASPARO_AUSWERTUNG), argumente);
    EXPECT_TRUE(prozess.waitForFinished(30000));
    Lauf lauf;
    lauf.status = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
    lauf.ausgabe = QString::fromUtf8(prozess.readAllStandardOutput());
    lauf.meldung = QString::fromUtf8(prozess.readAllStandardError());
    return lauf;
}

// A server without a display, and without a platform chosen for Qt.
QProcessEnvironment ohneBildschirm() {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.remove(QStringLiteral("QT_QPA_PLATFORM"));
    umgebung.remove(QStringLiteral("DISPLAY"));
    umgebung.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return umgebung;
}

const QString kAufruf =
    QStringLiteral("Aufruf: kasparo-auswertung VORGABE EINGABE [--ohne-korrektur] "
                   "[--ohne-auswertung] [--minuten N] [--name NAME] [--rtf DATEI]\n");

class Kommando : public ::testing::Test {
protected:
    // Writes the reference and the typed text and evaluates them with `optionen`.
    Lauf auswerten(const QByteArray& vorgabe, const QByteArray& eingabe,
                   const QStringList& optionen = {},
                   const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment()) {
        const QString v = dateiSchreiben(verzeichnis_, QStringLiteral("vorgabe.txt"), vorgabe);
        const QString e = dateiSchreiben(verzeichnis_, QStringLiteral("eingabe.txt"), eingabe);
        return starten(QStringList{v, e} + optionen, umgebung);
    }
    QString pfad(const QString& name) const { return verzeichnis_.filePath(name); }

    QTemporaryDir verzeichnis_;
};

// Two paragraphs, each of them typed beside a paragraph of `kVorgabe`.
const QByteArray kVorgabe = "Die Kraftwerke liefern Strom.\n\nein alter Baum steht hier.\n";
const QByteArray kEingabe = "Die Kraftwerke liefern Strom.\n\nein altre Baum steht hier.\n";
// 29 characters with the capitals D, K, S; the paragraph break; 26
// characters with the capital B.
constexpr int kAnschlaege = 29 + 3 + 2 + 26 + 1;

QString ergebnis(const QString& name, const QString& zusammenfassung, const QString& text) {
    return name + QLatin1Char('\n') + zusammenfassung + QStringLiteral("\n\n") + text;
}

TEST_F(Kommando, MarksTheErrorOfOneParagraphAndTheOtherAsFaultless) {
    const Lauf lauf = auswerten(kVorgabe, kEingabe);
    EXPECT_EQ(lauf.status, 0) << lauf.meldung.toStdString();
    EXPECT_EQ(
        lauf.ausgabe,
        ergebnis(QStringLiteral("Namenlos"),
                 QString::fromUtf8("Mit Korrektur  %1 Anschläge  1 Fehler  ").arg(kAnschlaege),
                 QStringLiteral("|Die Kraftwerke liefern Strom.| \n\n\n"
                                "ein @altre Baum steht hier. \n")));
    EXPECT_TRUE(lauf.meldung.isEmpty()) << lauf.meldung.toStdString();
}

TEST_F(Kommando, CountsEachKindOfError) {
    struct Fall {
        const char* vorgabe;
        const char* eingabe;
        const char* markiert;
        int anschlaege;
    };
    const Fall faelle[] = {
        {"Die Kraftwerke liefern", "Die Kraft werke liefern", "Die @Kraft~werke liefern", 23 + 2},
        {"der kleine Hund bellt", "der Hund bellt", "der @<--> Hund bellt", 14 + 1},
        {"der Hund bellt", "der ältere Hund bellt", "der @<ältere> Hund bellt", 21 + 1},
    };
    for (const Fall& fall : faelle) {
        const Lauf lauf = auswerten(fall.vorgabe, fall.eingabe);
        EXPECT_EQ(lauf.status, 0);
        EXPECT_EQ(
            lauf.ausgabe,
            ergebnis(
                QStringLiteral("Namenlos"),
                QString::fromUtf8("Mit Korrektur  %1 Anschläge  1 Fehler  ").arg(fall.anschlaege),
                QString::fromUtf8(fall.markiert) + QStringLiteral(" \n")));
    }
}

TEST_F(Kommando, ReadsWindowsFilesAndUtf8Alike) {
    // The reference in Windows-1252 with CR LF, the typed text in UTF-8 with
    // old Mac line ends: read wrongly, "ä" would differ.
    const Lauf lauf = auswerten("Der B\xe4r schl\xe4"
                                "ft.\r\n\r\nZwei Hunde bellen.\r\n",
                                "Der B\xc3\xa4r schl\xc3\xa4"
                                "ft.\r\rZwei Hunde\rbellen.\r");
    EXPECT_EQ(lauf.status, 0);
    // 16 and 18 characters, two capitals each, and the paragraph break.
    EXPECT_EQ(
        lauf.ausgabe,
        ergebnis(
            QStringLiteral("Namenlos"),
            QString::fromUtf8("Mit Korrektur  %1 Anschläge  0 Fehler  ").arg(16 + 2 + 2 + 18 + 2),
            QString::fromUtf8("|Der Bär schläft.| \n\n\n|Zwei Hunde bellen.| \n")));
}

TEST_F(Kommando, TakesALineBreakInsideAParagraphAsOneBlank) {
    // The blanks around a break are not typed twice; a run of empty and
    // blank lines is one paragraph break.
    const Lauf lauf =
        auswerten("der kleine Hund\nbellt laut\n\n\nein alter Baum\n",
                  "\n\nder kleine\nHund   \n   bellt laut\n\n  \n\t\n\nein alter\nBaum\n\n\n");
    EXPECT_EQ(lauf.status, 0);
    // 26 characters with one capital, the break, 14 with one capital.
    EXPECT_EQ(
        lauf.ausgabe,
        ergebnis(
            QStringLiteral("Namenlos"),
            QString::fromUtf8("Mit Korrektur  %1 Anschläge  0 Fehler  ").arg(26 + 1 + 2 + 14 + 1),
            QStringLiteral("|der kleine Hund bellt laut| \n\n\n|ein alter Baum| \n")));
}

TEST_F(Kommando, PutsTheNameInTheFirstLine) {
    const Lauf lauf = auswerten(kVorgabe, kEingabe, {QStringLiteral("--name"), "Anna Berg"});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.ausgabe.section(QLatin1Char('\n'), 0, 0), QStringLiteral("Anna Berg"));
    EXPECT_EQ(lauf.ausgabe.section(QLatin1Char('\n'), 1),
              auswerten(kVorgabe, kEingabe).ausgabe.section(QLatin1Char('\n'), 1));
    const Lauf leer = auswerten(kVorgabe, kEingabe, {QStringLiteral("--name"), QString()});
    EXPECT_EQ(leer.status, 0);
    EXPECT_TRUE(leer.ausgabe.startsWith(QStringLiteral("Namenlos\n")))
        << leer.ausgabe.toStdString();
}

TEST_F(Kommando, WithoutEvaluationLaysOutTheTypedTextUnmarked) {
    const Lauf lauf =
        auswerten(kVorgabe, kEingabe, {QStringLiteral("--ohne-auswertung"), "--ohne-korrektur"});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(
        lauf.ausgabe,
        ergebnis(
            QStringLiteral("Namenlos"),
            QString::fromUtf8("Ohne Korrektur  %1 Anschläge  Ohne Auswertung  ").arg(kAnschlaege),
            QStringLiteral("Die Kraftwerke liefern Strom. \n\n\n"
                           "ein altre Baum steht hier. \n")));
}

TEST_F(Kommando, NamesTheTimeLimit) {
    const auto zusammenfassung = [this](const QString& minuten) {
        const Lauf lauf = auswerten(kVorgabe, kEingabe, {QStringLiteral("--minuten"), minuten});
        EXPECT_EQ(lauf.status, 0) << lauf.meldung.toStdString();
        return lauf.ausgabe.section(QLatin1Char('\n'), 1, 1);
    };
    const QString ohne =
        QString::fromUtf8("Mit Korrektur  %1 Anschläge  1 Fehler  ").arg(kAnschlaege);
    EXPECT_EQ(zusammenfassung(QStringLiteral("10")), ohne + QStringLiteral("10 Minuten"));
    EXPECT_EQ(zusammenfassung(QStringLiteral("1")), ohne + QStringLiteral("1 Minute"));
    EXPECT_EQ(zusammenfassung(QStringLiteral("0")), ohne);
}

TEST_F(Kommando, FencesOffTextBeyondTheReference) {
    const Lauf lauf = auswerten("ein alter Baum\n", "ein alter Baum\n\nNoch mehr\nText.\n");
    EXPECT_EQ(lauf.status, 0);
    // 14 and 15 characters with one and two capitals, the break.
    EXPECT_EQ(
        lauf.ausgabe,
        ergebnis(
            QStringLiteral("Namenlos"),
            QString::fromUtf8("Mit Korrektur  %1 Anschläge  0 Fehler  ").arg(14 + 1 + 2 + 15 + 2),
            QStringLiteral("|ein alter Baum| \n\n\n"
                           "\\Ab hier Text, der nicht in der Vergleichsdatei enthalten ist.\\\n"
                           "\n"
                           "Noch mehr Text. \n")));
}

// The character formats at the first occurrence of `text`.
QTextCharFormat formatBei(QTextDocument& dokument, const QString& text) {
    const qsizetype stelle = dokument.toPlainText().indexOf(text);
    EXPECT_GE(stelle, 0) << text.toStdString();
    QTextCursor cursor(&dokument);
    cursor.setPosition(static_cast<int>(stelle) + 1);
    return cursor.charFormat();
}

TEST_F(Kommando, WritesTheMarksAsStylesIntoRtfWithoutADisplay) {
    const QString rtf = pfad(QStringLiteral("ergebnis.rtf"));
    const Lauf lauf =
        auswerten(kVorgabe, kEingabe + "\nNoch mehr.\n",
                  {QStringLiteral("--rtf"), rtf, "--name", "Anna |Berg"}, ohneBildschirm());
    ASSERT_EQ(lauf.status, 0) << lauf.meldung.toStdString();
    EXPECT_TRUE(lauf.ausgabe.startsWith(QStringLiteral("Anna |Berg\n")));
    const QByteArray bytes = dateiLesen(rtf);
    ASSERT_TRUE(looksLikeRtf(bytes));
    QTextDocument dokument;
    readRtf(bytes, dokument);
    // The marks are gone; a "|" of the name is no mark.
    EXPECT_EQ(dokument.toPlainText(),
              QString::fromUtf8("Anna |Berg\nMit Korrektur  %1 Anschläge  1 Fehler  \n\n"
                                "Die Kraftwerke liefern Strom. \n\n\n"
                                "ein altre Baum steht hier. \n\n\n"
                                "Ab hier Text, der nicht in der Vergleichsdatei enthalten ist.\n\n"
                                "Noch mehr. ")
                  .arg(kAnschlaege + 2 + 11));
    EXPECT_FALSE(formatBei(dokument, QStringLiteral("Anna")).fontItalic());
    EXPECT_FALSE(formatBei(dokument, QStringLiteral("Berg")).fontItalic());
    EXPECT_TRUE(formatBei(dokument, QStringLiteral("Kraftwerke")).fontItalic());
    EXPECT_TRUE(formatBei(dokument, QStringLiteral("altre")).fontUnderline());
    EXPECT_FALSE(formatBei(dokument, QStringLiteral("altre")).fontItalic());
    EXPECT_FALSE(formatBei(dokument, QStringLiteral("Baum")).fontUnderline());
    EXPECT_EQ(formatBei(dokument, QStringLiteral("Ab hier")).fontWeight(), QFont::Bold);
    EXPECT_NE(formatBei(dokument, QStringLiteral("Noch")).fontWeight(), QFont::Bold);
    // Courier New at 16 pixels is 12 points on the page.
    const QTextCharFormat grund = formatBei(dokument, QStringLiteral("Mit Korrektur"));
    EXPECT_TRUE(grund.fontFamilies().toStringList().contains(QStringLiteral("Courier New")));
    EXPECT_EQ(grund.fontPointSize(), 12);
}

TEST_F(Kommando, WithoutEvaluationTheRtfKeepsWhatLooksLikeMarks) {
    const QString rtf = pfad(QStringLiteral("ergebnis.rtf"));
    const Lauf lauf = auswerten(kVorgabe, "ein |alter| Baum\n",
                                {QStringLiteral("--ohne-auswertung"), "--rtf", rtf});
    ASSERT_EQ(lauf.status, 0) << lauf.meldung.toStdString();
    QTextDocument dokument;
    readRtf(dateiLesen(rtf), dokument);
    EXPECT_EQ(dokument.toPlainText().section(QLatin1Char('\n'), 3),
              QStringLiteral("ein |alter| Baum "));
    EXPECT_FALSE(formatBei(dokument, QStringLiteral("alter")).fontItalic());
}

TEST_F(Kommando, RefusesFilesItCannotRead) {
    const QString vorgabe = dateiSchreiben(verzeichnis_, QStringLiteral("vorgabe.txt"), kVorgabe);
    const QString fehlt = pfad(QStringLiteral("fehlt.txt"));
    const QString binaer =
        dateiSchreiben(verzeichnis_, QStringLiteral("bild.png"), QByteArray("\x89PNG\0\0", 6));

    const Lauf ohneEingabe = starten({vorgabe, fehlt});
    EXPECT_EQ(ohneEingabe.status, 2);
    EXPECT_TRUE(ohneEingabe.ausgabe.isEmpty());
    EXPECT_EQ(ohneEingabe.meldung, readFailureMessage(TextFileStatus::Missing, fehlt) + '\n');

    const Lauf ohneVorgabe = starten({fehlt, vorgabe});
    EXPECT_EQ(ohneVorgabe.status, 2);
    EXPECT_EQ(ohneVorgabe.meldung, readFailureMessage(TextFileStatus::Missing, fehlt) + '\n');

    const Lauf bild = starten({vorgabe, binaer});
    EXPECT_EQ(bild.status, 2);
    EXPECT_TRUE(bild.ausgabe.isEmpty());
    EXPECT_EQ(bild.meldung, readFailureMessage(TextFileStatus::Binary, binaer) + '\n');
}

TEST_F(Kommando, ExplainsAWrongCall) {
    const QString v = dateiSchreiben(verzeichnis_, QStringLiteral("vorgabe.txt"), kVorgabe);
    const QString e = dateiSchreiben(verzeichnis_, QStringLiteral("eingabe.txt"), kEingabe);
    const QString minuten =
        QStringLiteral("Die Option --minuten verlangt eine ganze Zahl von 0 bis 999.\n");
    const std::pair<QStringList, QString> faelle[] = {
        {{}, QStringLiteral("Es fehlen die Vorgabedatei und die Eingabedatei.\n")},
        {{v}, QStringLiteral("Es fehlt die Eingabedatei.\n")},
        {{v, e, e}, QString::fromUtf8("Überzähliges Argument: %1\n").arg(e)},
        {{v, e, "--x"}, QStringLiteral("Unbekannte Option: --x\n")},
        {{"-k", v, e}, QStringLiteral("Unbekannte Option: -k\n")},
        {{v, e, "--minuten", "zehn"}, minuten},
        {{v, e, "--minuten", "1000"}, minuten},
        {{v, e, "--minuten", "-1"}, minuten},
        {{v, e, "--minuten"}, minuten},
        {{v, e, "--name"}, QStringLiteral("Die Option --name verlangt einen Namen.\n")},
        {{v, e, "--rtf"}, QStringLiteral("Die Option --rtf verlangt einen Dateinamen.\n")},
    };
    for (const auto& [argumente, grund] : faelle) {
        const Lauf lauf = starten(argumente);
        EXPECT_EQ(lauf.status, 2) << argumente.join(' ').toStdString();
        EXPECT_TRUE(lauf.ausgabe.isEmpty());
        EXPECT_EQ(lauf.meldung, kAufruf + grund);
    }
}

TEST_F(Kommando, ReportsAnRtfFileThatCannotBeWritten) {
    const QString rtf = pfad(QStringLiteral("fehlt/ergebnis.rtf"));
    const Lauf lauf = auswerten(kVorgabe, kEingabe, {QStringLiteral("--rtf"), rtf});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_TRUE(lauf.ausgabe.isEmpty());
    EXPECT_TRUE(lauf.meldung.contains(
        QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\n").arg(rtf)))
        << lauf.meldung.toStdString();
    EXPECT_FALSE(QFileInfo::exists(rtf));
}

} // namespace
