#include "evaluation/markierung.h"

#include <gtest/gtest.h>

using namespace auswertung;

namespace {

// The text with each run of a style written around it: [k ...] italic,
// [f ...] bold, [u ...] underlined, combined as [fu ...].
QString sichtbar(const Darstellung& d) {
    QString aus;
    unsigned char vorher = Schlicht;
    for (qsizetype p = 0; p <= d.text.size(); ++p) {
        const unsigned char stil = p < d.text.size() ? d.stile[static_cast<std::size_t>(p)] : 0;
        if (stil != vorher) {
            if (vorher != Schlicht) {
                aus += QLatin1Char(']');
            }
            if (stil != Schlicht) {
                aus += QLatin1Char('[');
                aus += (stil & Kursiv) ? QStringLiteral("k") : QString();
                aus += (stil & Fett) ? QStringLiteral("f") : QString();
                aus += (stil & Unterstrichen) ? QStringLiteral("u") : QString();
                aus += QLatin1Char(' ');
            }
            vorher = stil;
        }
        if (p < d.text.size()) {
            aus += d.text[p];
        }
    }
    return aus;
}

} // namespace

TEST(Markierung, EachMarkBecomesItsStyleAndGoes) {
    EXPECT_EQ(sichtbar(markierungenUmsetzen(QStringLiteral("|Alles richtig.| "))),
              QStringLiteral("[k Alles richtig.] "));
    EXPECT_EQ(sichtbar(markierungenUmsetzen(QStringLiteral("Die @Kraft~werke liefern "))),
              QStringLiteral("Die [u Kraft~werke] liefern "));
    EXPECT_EQ(sichtbar(markierungenUmsetzen(QStringLiteral("der @<--> Hund "))),
              QStringLiteral("der [u <-->] Hund "));
    EXPECT_EQ(sichtbar(markierungenUmsetzen(QStringLiteral("Wir \\<-- bald -->\\mit dem "))),
              QStringLiteral("Wir [f <-- bald -->]mit dem "));
    // An error inside a fenced stretch is bold and underlined.
    EXPECT_EQ(sichtbar(markierungenUmsetzen(QStringLiteral("a \\b @c d\\ e"))),
              QStringLiteral("a [f b ][fu c][f  d] e"));
}

TEST(Markierung, StylesReachAcrossLinesButAnErrorEndsWithItsLine) {
    EXPECT_EQ(sichtbar(markierungenUmsetzen(QStringLiteral("|eins\nzwei|\n@drei\nvier "))),
              QStringLiteral("[k eins\nzwei]\n[u drei]\nvier "));
}

TEST(Markierung, AnUnpairedMarkGoesAndStylesNothing) {
    EXPECT_EQ(sichtbar(markierungenUmsetzen(QStringLiteral("|a| b |c"))),
              QStringLiteral("[k a] b c"));
    EXPECT_EQ(sichtbar(markierungenUmsetzen(QStringLiteral("a \\b"))), QStringLiteral("a b"));
}
