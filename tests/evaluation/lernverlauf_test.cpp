#include "evaluation/lernverlauf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using lernverlauf::Ergebnis;

namespace {

Ergebnis ergebnis(const QString& einheit, double tempo, double quote, int tag = 9) {
    return {QDateTime(QDate(2026, 12, tag), QTime(10, 15)),
            QStringLiteral("Schule"),
            einheit,
            9.5,
            tempo,
            quote};
}

QByteArray inhalt(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void gleich(const Ergebnis& a, const Ergebnis& b) {
    EXPECT_EQ(a.zeitpunkt, b.zeitpunkt);
    EXPECT_EQ(a.ausgabe, b.ausgabe);
    EXPECT_EQ(a.einheit, b.einheit);
    EXPECT_DOUBLE_EQ(a.minuten, b.minuten);
    EXPECT_DOUBLE_EQ(a.anschlaegeJeMinute, b.anschlaegeJeMinute);
    EXPECT_DOUBLE_EQ(a.fehlerquote, b.fehlerquote);
}

class Lernverlauf : public ::testing::Test {
protected:
    QString pfad() const { return QDir(ordner.path()).filePath(QStringLiteral("a/b/verlauf.txt")); }

    QTemporaryDir ordner;
    QString fehler;
};

} // namespace

TEST_F(Lernverlauf, AResultIsOneLineInTheDocumentedFormat) {
    const Ergebnis e = ergebnis(QString::fromUtf8("Lerneinheit 03 G H und Ä"), 143.2, 0.8);
    EXPECT_EQ(lernverlauf::zeile(e),
              QString::fromUtf8(
                  "2026-12-09T10:15:00\tSchule\tLerneinheit 03 G H und Ä\t9.5\t143.2\t0.8"));
    // Tabs and breaks in a name cannot split the record.
    Ergebnis seltsam = e;
    seltsam.einheit = QStringLiteral("Text\tmit\nUmbruch");
    const auto gelesen = lernverlauf::lesen(lernverlauf::zeile(seltsam));
    ASSERT_TRUE(gelesen.has_value());
    EXPECT_EQ(gelesen->einheit, QStringLiteral("Text mit Umbruch"));
}

TEST_F(Lernverlauf, TwoRunsAppendAndAreReadBackInOrderIntoAFolderMadeOnTheWay) {
    EXPECT_FALSE(QFile::exists(pfad()));
    EXPECT_TRUE(lernverlauf::lesenAus(pfad()).ergebnisse.empty());
    const Ergebnis erstes = ergebnis(QStringLiteral("Lerneinheit 01"), 80, 4.5, 8);
    const Ergebnis zweites = ergebnis(QStringLiteral("Abschrift Brief"), 120.5, 1.26, 9);
    ASSERT_TRUE(lernverlauf::anhaengen(pfad(), erstes, &fehler)) << fehler.toStdString();
    const QByteArray nachErstem = inhalt(pfad());
    ASSERT_TRUE(lernverlauf::anhaengen(pfad(), zweites, &fehler)) << fehler.toStdString();
    // The first line stays as it was written.
    EXPECT_TRUE(inhalt(pfad()).startsWith(nachErstem));

    const lernverlauf::Verlauf verlauf = lernverlauf::lesenAus(pfad());
    EXPECT_TRUE(verlauf.beschaedigt.empty());
    EXPECT_TRUE(verlauf.fehler.isEmpty());
    ASSERT_EQ(verlauf.ergebnisse.size(), 2u);
    gleich(verlauf.ergebnisse[0], erstes);
    // One decimal is kept.
    EXPECT_DOUBLE_EQ(verlauf.ergebnisse[1].fehlerquote, 1.3);
    EXPECT_EQ(verlauf.ergebnisse[1].einheit, zweites.einheit);
}

TEST_F(Lernverlauf, ADamagedLineIsReportedAndKeptAndTheRestIsRead) {
    ASSERT_TRUE(lernverlauf::anhaengen(pfad(), ergebnis(QStringLiteral("Eins"), 90, 2), &fehler));
    {
        QFile datei(pfad());
        ASSERT_TRUE(datei.open(QIODevice::Append));
        // A damaged record and a last line without its break.
        datei.write("2026-12-09T10:15:00\tSchule\tkaputt\tviel\t1\t2\n# Kommentar\nhalb");
    }
    const QByteArray vorher = inhalt(pfad());
    ASSERT_TRUE(lernverlauf::anhaengen(pfad(), ergebnis(QStringLiteral("Zwei"), 95, 1), &fehler));
    EXPECT_TRUE(inhalt(pfad()).startsWith(vorher));

    const lernverlauf::Verlauf verlauf = lernverlauf::lesenAus(pfad());
    EXPECT_EQ(verlauf.beschaedigt, (std::vector<int>{2, 4}));
    ASSERT_EQ(verlauf.ergebnisse.size(), 2u);
    EXPECT_EQ(verlauf.ergebnisse[0].einheit, QStringLiteral("Eins"));
    EXPECT_EQ(verlauf.ergebnisse[1].einheit, QStringLiteral("Zwei"));
}

TEST_F(Lernverlauf, AFolderThatCannotBeMadeIsReportedInGerman) {
    // A file stands where the folder should be.
    const QString sperre = QDir(ordner.path()).filePath(QStringLiteral("a"));
    QFile datei(sperre);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    EXPECT_FALSE(lernverlauf::anhaengen(pfad(), ergebnis(QStringLiteral("Eins"), 90, 2), &fehler));
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Der Ordner"))) << fehler.toStdString();
}

TEST_F(Lernverlauf, AUnitIsNamedWithoutProgramAndEdition) {
    EXPECT_EQ(lernverlauf::einheitsname(QStringLiteral(
                  " Kasparo 2003        Lerneinheit  brief               Version  MiniKasp")),
              QStringLiteral("Lerneinheit brief"));
    EXPECT_EQ(lernverlauf::einheitsname(QStringLiteral(
                  "  -  Ziffernreihe  A  4  5  8  9                    Version  MiniKasp")),
              QStringLiteral("Ziffernreihe A 4 5 8 9"));
    EXPECT_EQ(lernverlauf::einheitsname(QStringLiteral(" Kasparo - Tastaturschulung")),
              QStringLiteral("Tastaturschulung"));
    EXPECT_EQ(lernverlauf::einheitsname(QString::fromUtf8("Lerneinheit 03 G H und Ä")),
              QString::fromUtf8("Lerneinheit 03 G H und Ä"));
}
