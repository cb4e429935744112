#include "uebung.h"

#include "keyboard/hervorhebung.h"
#include "trainer/vorgabe.h"
#include "ui/cp1252.h"
#include "ui/textfile.h"

#include <QDir>
#include <QRegularExpression>

// Every shipped copy text: read as the trainer reads it, made of keys the
// on-screen keyboard has, and typed through to the evaluation without error.

namespace {

const QString kDaten = QStringLiteral(KASPARO_SOURCE_DIR "/data");

QStringList abschreibtexte() {
    return QDir(kDaten).entryList({QStringLiteral("KP_TXT*.VER"), QStringLiteral("KP_GLS*.VER"),
                                   QStringLiteral("KP_TS??C.VER")},
                                  QDir::Files, QDir::Name);
}

// A key of the on-screen keyboard types it, or an accent key and a letter.
bool tippbar(QChar c) {
    if (c == QLatin1Char('@')) {
        return false; // the at sign stands for Backspace
    }
    if (tastei::tasteFuer(c)) {
        return true;
    }
    const QString zerlegt = QString(c).normalized(QString::NormalizationForm_D);
    return zerlegt.size() == 2 && tastei::tasteFuer(zerlegt[0]) &&
           (zerlegt[1] == QChar(0x0301) || zerlegt[1] == QChar(0x0300));
}

// Words that may follow a word left open with a hyphen.
const QStringList kErgaenzung{QStringLiteral("und"), QStringLiteral("oder"), QStringLiteral("bis"),
                              QStringLiteral("sowie")};

bool istText(const QString& datei) {
    return datei.startsWith(QLatin1String("KP_TXT"));
}

// The unit number of a summary unit ("KP_TS05C.VER" gives 5), else 0.
int cEinheit(const QString& datei) {
    static const QRegularExpression muster(QStringLiteral("^KP_TS(\\d\\d)C\\.VER$"));
    const QRegularExpressionMatch m = muster.match(datei);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The characters taught up to unit `einheit` of the keyboard course: the
// home row, the keys its last partial keyboard adds, the blank, and from the
// unit of the shift keys on their capitals.
QString gelehrteZeichen(int einheit) {
    const TextFile datei = readTextFile(
        QDir(kDaten).filePath(QStringLiteral("KP_TS%1.VER").arg(einheit, 2, 10, QLatin1Char('0'))));
    QString tasten = QStringLiteral("asdfjklö ");
    for (const QString& zeile : datei.text.split(QLatin1Char('\n'))) {
        if (zeile.startsWith(QLatin1String("//Teiltastei:"))) {
            tasten += zeile.mid(zeile.indexOf(QLatin1Char(':')) + 1).trimmed();
        }
    }
    constexpr int kUmschalttasten = 4;
    return einheit >= kUmschalttasten ? tasten + tasten.toUpper() : tasten;
}

} // namespace

class Abschreibtexte : public Uebung {
protected:
    // The reference as the trainer prepared it, up to its repetition.
    QStringList absaetzeLaden(const QString& datei) {
        trainer->TextVorgabe(QDir(kDaten).filePath(datei));
        QStringList absaetze;
        for (const QString& zeile : trainer->Vorgabezeilen()) {
            if (zeile.startsWith(vorgabe::kMarkeAnfang)) {
                break;
            }
            if (!zeile.isEmpty()) {
                absaetze << zeile;
            }
        }
        // The same paragraphs again as the repetition.
        const qsizetype einmal = absaetze.size() / 2;
        return absaetze.size() % 2 == 0 && absaetze.mid(0, einmal) == absaetze.mid(einmal)
                   ? absaetze.mid(0, einmal)
                   : absaetze;
    }
};

TEST_F(Abschreibtexte, AllThirtyTextsEighteenFluencyAndSixNewSummaryUnitsAreShipped) {
    const QStringList texte = abschreibtexte();
    for (int n = 1; n <= 30; ++n) {
        EXPECT_TRUE(texte.contains(QStringLiteral("KP_TXT%1.VER").arg(n, 2, 10, QLatin1Char('0'))))
            << n;
    }
    for (int n = 1; n <= 18; ++n) {
        EXPECT_TRUE(texte.contains(QStringLiteral("KP_GLS%1.VER").arg(n, 2, 10, QLatin1Char('0'))))
            << n;
    }
    for (const char* c : {"02", "03", "05", "06", "08", "09"}) {
        EXPECT_TRUE(texte.contains(QStringLiteral("KP_TS%1C.VER").arg(QLatin1String(c)))) << c;
    }
}

TEST_F(Abschreibtexte, EachTextIsWellFormedAndTypedWithTheKeyboardsKeys) {
    einstellen(true, false, 0, true);
    for (const QString& datei : abschreibtexte()) {
        SCOPED_TRACE(datei.toStdString());
        const QByteArray roh = dateiLesen(QDir(kDaten).filePath(datei));
        // Windows-1252 with CR LF, each line ended, no blank at a line's ends.
        EXPECT_TRUE(roh.endsWith("\r\n"));
        EXPECT_EQ(roh.count("\r"), roh.count("\n"));
        EXPECT_EQ(roh.count("\r\n"), roh.count("\n"));
        const QStringList dateizeilen = cp1252::decode(roh).split(QStringLiteral("\r\n"));
        for (qsizetype z = 0; z < dateizeilen.size(); ++z) {
            const QString& zeile = dateizeilen[z];
            EXPECT_EQ(zeile, zeile.trimmed()) << zeile.toStdString();
            // No word broken over two lines; "Öl- und Gasheizungen" may be.
            const bool trennstrich = zeile.endsWith(QLatin1Char('-')) && zeile.size() > 1 &&
                                     zeile.at(zeile.size() - 2).isLetter();
            const QString weiter = z + 1 < dateizeilen.size()
                                       ? dateizeilen[z + 1].section(QLatin1Char(' '), 0, 0)
                                       : QString();
            EXPECT_FALSE(trennstrich && !kErgaenzung.contains(weiter)) << zeile.toStdString();
        }
        const QStringList absaetze = absaetzeLaden(datei);
        EXPECT_GE(absaetze.size(), istText(datei) ? 4 : 1);
        qsizetype zeichen = 0;
        const QString erlaubt = cEinheit(datei) >= 2 && cEinheit(datei) <= 9
                                    ? gelehrteZeichen(cEinheit(datei))
                                    : QString();
        for (const QString& absatz : absaetze) {
            EXPECT_FALSE(absatz.trimmed().contains(QStringLiteral("  "))) << absatz.toStdString();
            zeichen += absatz.trimmed().size();
            for (const QChar c : absatz) {
                EXPECT_TRUE(tippbar(c)) << QString(c).toStdString();
                if (!erlaubt.isEmpty()) {
                    EXPECT_TRUE(erlaubt.contains(c)) << QString(c).toStdString();
                }
            }
        }
        // Ten minutes at 200 strokes a minute never run out of text.
        if (istText(datei)) {
            EXPECT_GE(zeichen, 2000);
        }
    }
}

TEST_F(Abschreibtexte, EachTextTypedCorrectlyIsEvaluatedWithoutError) {
    for (const QString& datei : abschreibtexte()) {
        SCOPED_TRACE(datei.toStdString());
        einstellen(true, false, 0, true);
        const QStringList absaetze = absaetzeLaden(datei);
        ASSERT_FALSE(absaetze.isEmpty());
        QStringList getippt;
        for (const QString& absatz : absaetze) {
            getippt << absatz.trimmed();
        }
        tippe(getippt.join(QStringLiteral("\r\r")));
        platform.messageAnswers = {MessageAnswer::Yes};
        teil<QPushButton>("BeendenSchreiben")->click();
        ASSERT_EQ(ausgewertet.size(), 1u);
        ausgewertet.clear();
        EXPECT_EQ(
            st().KeystrokeCount,
            anschlaege::neuZaehlen(getippt.join(QStringLiteral("\n\n")).split(QLatin1Char('\n'))));
        TFensterTextanzeige& ergebnis = anwendung->FensterTextanzeige();
        EXPECT_EQ(ergebnis.ErrorCount(), 0);
        ergebnis.hide();
    }
}
