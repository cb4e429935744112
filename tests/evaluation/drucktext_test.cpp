#include "evaluation/drucktext.h"

#include <gtest/gtest.h>

using auswertung::drucktextBauen;
using auswertung::kopfzeilen;

namespace {

const QString kEinzug(8, QLatin1Char(' '));

// Name, summary, an empty line and `absaetze` paragraphs of `woerter` words,
// two empty lines between paragraphs as the evaluation leaves them.
QStringList anzeige(int absaetze, int woerter) {
    QStringList zeilen{QStringLiteral("Namenlos"), QStringLiteral("Mit Korrektur  0 Anschläge  "),
                       QString()};
    for (int a = 0; a < absaetze; ++a) {
        if (a > 0) {
            zeilen << QString() << QString();
        }
        QString absatz;
        for (int w = 0; w < woerter; ++w) {
            absatz += QStringLiteral("w%1x%2 ").arg(a).arg(w);
        }
        zeilen << absatz;
    }
    return zeilen;
}

// The words of the print text's text lines, in order.
QStringList woerterAb(const QStringList& zeilen, qsizetype ab) {
    QStringList w;
    for (qsizetype z = ab; z < zeilen.size(); ++z) {
        w << zeilen[z].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    return w;
}

} // namespace

TEST(Drucktext, ThreeBlankLinesThenTheHeaderAreaThenTheWrappedText) {
    const QStringList quelle = anzeige(2, 30);
    const auswertung::Drucktext d = drucktextBauen(quelle);
    ASSERT_GE(d.zeilen.size(), 8);
    EXPECT_EQ(d.zeilen.mid(0, 6), QStringList({kEinzug, kEinzug, kEinzug, kEinzug + quelle[0],
                                               kEinzug + quelle[1], kEinzug}));
    EXPECT_EQ(d.kopfzeilen, QList<int>({3}));
    EXPECT_TRUE(d.seitenanfaenge().isEmpty());
    for (const QString& zeile : d.zeilen) {
        EXPECT_TRUE(zeile.startsWith(kEinzug)) << zeile.toStdString();
        EXPECT_LE(zeile.size(), 75) << zeile.toStdString();
    }
    // Every word stays, in its order; the first line of a paragraph is cut
    // at 75 characters, its continuation lines at 8 + 67.
    QStringList erwartet;
    for (const QString& z : quelle.mid(3)) {
        erwartet << z.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    EXPECT_EQ(woerterAb(d.zeilen, 6), erwartet);
    EXPECT_GT(d.zeilen[6].trimmed().size(), 60);
    EXPECT_GT(d.zeilen[7].trimmed().size(), 55);
}

TEST(Drucktext, AWordLongerThanALineIsCutHard) {
    const QString lang(150, QLatin1Char('x'));
    const auswertung::Drucktext d =
        drucktextBauen({QStringLiteral("N"), QStringLiteral("S"), QString(), lang});
    EXPECT_EQ(d.zeilen.mid(6), QStringList({kEinzug + lang.left(67), kEinzug + lang.mid(67, 67),
                                            kEinzug + lang.mid(134)}));
}

TEST(Drucktext, APageBreakComesOnlyWhenTextFollows) {
    // Text lines of single short words: six lines of head, then one line each.
    const auto mitZeilen = [](int textzeilen) {
        QStringList quelle{QStringLiteral("N"), QStringLiteral("S"), QString()};
        for (int z = 0; z < textzeilen; ++z) {
            quelle << QStringLiteral("Zeile%1 ").arg(z);
        }
        return drucktextBauen(quelle);
    };
    const auswertung::Drucktext voll = mitZeilen(56);
    EXPECT_EQ(voll.zeilen.size(), 62);
    EXPECT_EQ(voll.kopfzeilen, QList<int>({3}));

    const auswertung::Drucktext zwei = mitZeilen(57);
    EXPECT_EQ(zwei.kopfzeilen, QList<int>({3, 66}));
    EXPECT_EQ(zwei.seitenanfaenge(), QList<int>({63}));
    EXPECT_EQ(zwei.zeilen.mid(62, 6), QStringList(6, kEinzug));
    EXPECT_EQ(zwei.zeilen[68], kEinzug + QStringLiteral("Zeile56 "));

    // Every further page gets its break and header as well.
    const auswertung::Drucktext vier = mitZeilen(56 + 57 + 57 + 1);
    EXPECT_EQ(vier.kopfzeilen, QList<int>({3, 66, 129, 192}));
    EXPECT_EQ(vier.seitenanfaenge(), QList<int>({63, 126, 189}));
    EXPECT_EQ(vier.zeilen.last(), kEinzug + QStringLiteral("Zeile170 "));
    EXPECT_EQ(woerterAb(vier.zeilen, 6).size(), 171);
}

TEST(Drucktext, HeadersNameThePageTheDateAndTheHint) {
    EXPECT_EQ(kopfzeilen(1, QString(), QStringLiteral("09.12.26"), false),
              QStringList({QStringLiteral("        Namenlos   Seite 1/1   09.12.26")}));
    EXPECT_EQ(kopfzeilen(1, QStringLiteral("Anna Berg"), QStringLiteral("09.12.26"), true),
              QStringList({QStringLiteral(
                  "        Anna Berg   Seite 1/1   09.12.26  Nicht erkannte Fehler!")}));
    EXPECT_EQ(kopfzeilen(3, QStringLiteral("Anna"), QStringLiteral("09.12.26"), false),
              QStringList({QStringLiteral("        Anna   Seite 1/3"),
                           QStringLiteral("        Anna   Seite 2/3"),
                           QStringLiteral("        Anna   Seite 3/3")}));
    EXPECT_EQ(kopfzeilen(2, QString(), QString(), true).first(),
              QStringLiteral("        Namenlos   Seite 1/2  Nicht erkannte Fehler!"));
}
