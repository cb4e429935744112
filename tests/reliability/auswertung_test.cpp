#include "../trainer/uebung.h"

#include "evaluation/Textanzeige.h"

#include <QElapsedTimer>
#include <QLineEdit>

#include <iostream>

// A copy text whose one paragraph has 50,000 words, evaluated in the result
// window against its reference: the evaluation ends, shows every typed word
// and counts the errors within its bound.

namespace {

constexpr int kWoerter = 50000;

QStringList vorgabewoerter() {
    const QStringList satz = QString::fromUtf8("Wer blind schreibt schaut auf den Text und nicht "
                                               "auf die Tasten der Hände")
                                 .split(QLatin1Char(' '));
    QStringList woerter;
    woerter.reserve(kWoerter);
    for (int i = 0; i < kWoerter; ++i) {
        // Numbered now and then, so that the text does not repeat itself
        // exactly and a lost or shifted word would show.
        woerter << satz.at(i % satz.size()) + (i % 101 == 0 ? QString::number(i) : QString());
    }
    return woerter;
}

class LangerAbsatz : public Uebung {
protected:
    TFensterTextanzeige& fenster() { return anwendung->FensterTextanzeige(); }

    // Evaluates the typed words against the reference and says how long it took.
    qint64 auswerten(const QStringList& getippt) {
        st().TrainerEvaluation = true;
        st().TrainerCorrection = false;
        st().TrainerMinutes = 10;
        QElapsedTimer uhr;
        uhr.start();
        fenster().FehlerAuswertung({getippt.join(QLatin1Char(' '))},
                                   {vorgabe.join(QLatin1Char(' ')) + QLatin1Char(' ')});
        const qint64 ms = uhr.elapsed();
        std::cout << "[          ] " << kWoerter << " words evaluated in " << ms << " ms"
                  << std::endl;
        RecordProperty("ms", static_cast<int>(ms));
        return ms;
    }

    const QStringList vorgabe = vorgabewoerter();
};

} // namespace

TEST_F(LangerAbsatz, TyposAreCountedWithinTheBoundAndEveryWordIsShown) {
    QStringList getippt = vorgabe;
    // Three slips within the first 4000 word positions, two far behind them.
    for (const int i : {10, 1000, 3000, 20000, 45000}) {
        getippt[i] += QLatin1Char('x');
    }
    auswerten(getippt);

    ASSERT_FALSE(fenster().isHidden());
    // Word positions past 4000 are not compared: the bound that lets every
    // evaluation end.
    EXPECT_EQ(fenster().ErrorCount(), 3);
    const QStringList zeilen = fenster().Anzeigezeilen();
    ASSERT_GE(zeilen.size(), 4);
    EXPECT_EQ(zeilen[1], QString::fromUtf8("Ohne Korrektur  0 Anschläge  3 Fehler  10 Minuten"));
    // The marks became underlines: the paragraph reads as typed.
    EXPECT_EQ(zeilen[3], getippt.join(QLatin1Char(' ')) + QLatin1Char(' '));

    // The window goes on working: a name, and the print text with its pages.
    fenster()
        .findChild<QLineEdit*>(QStringLiteral("NameEingabe"))
        ->setText(QStringLiteral("Anna Berg"));
    EXPECT_EQ(fenster().Anzeigezeilen().first(), QStringLiteral("Anna Berg"));
    EXPECT_GT(fenster().Druckzeilen().size(), 1000);
}

TEST_F(LangerAbsatz, TextThatMatchesNothingEndsTooAndLosesNoWord) {
    // Every word wrong: each search runs to its limit.
    QStringList getippt;
    getippt.reserve(kWoerter);
    for (int i = 0; i < kWoerter; ++i) {
        getippt << QStringLiteral("qx%1").arg(i);
    }
    auswerten(getippt);

    ASSERT_FALSE(fenster().isHidden());
    QString angezeigt = fenster().Anzeigezeilen().mid(3).join(QLatin1Char(' '));
    // Whatever the marks left, every typed word is there, in its order.
    qsizetype ab = 0;
    for (const QString& wort : getippt) {
        ab = angezeigt.indexOf(wort, ab);
        ASSERT_GE(ab, 0) << wort.toStdString();
        ab += wort.size();
    }
}
