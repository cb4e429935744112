#include "editor/konvertierung.h"
#include "ui/cp1252.h"

#include <gtest/gtest.h>

using konvertierung::asciiNachAnsi;

namespace {

// A line as a DOS editor wrote it, read as Windows-1252.
QString dos(const char* bytes) {
    return cp1252::decode(QByteArray(bytes));
}

} // namespace

TEST(Konvertierung, TheDosUmlautsBecomeWindowsUmlauts) {
    EXPECT_EQ(asciiNachAnsi(dos("Gr\x81\xe1"
                                "e aus K\x94ln, \x84hnlich \x8e\x99\x9a \x15 3")),
              QString::fromUtf8("Grüße aus Köln, ähnlich ÄÖÜ § 3"));
}

TEST(Konvertierung, LineNumbersGoOnlyFromLongerLines) {
    EXPECT_EQ(asciiNachAnsi(QStringLiteral("12)Erster Punkt")), QStringLiteral("Erster Punkt"));
    EXPECT_EQ(asciiNachAnsi(QStringLiteral(" 3) Dritter")), QStringLiteral(" Dritter"));
    // Exactly three characters of that form stay.
    EXPECT_EQ(asciiNachAnsi(QStringLiteral("12)")), QStringLiteral("12)"));
    // Not a digit before the parenthesis, or no parenthesis: kept.
    EXPECT_EQ(asciiNachAnsi(QStringLiteral("ab) Text")), QStringLiteral("ab) Text"));
    EXPECT_EQ(asciiNachAnsi(QStringLiteral("12. Text")), QStringLiteral("12. Text"));
}

TEST(Konvertierung, BytesOutsideTheTableStayAsTheyWere) {
    // Box-drawing characters of the DOS code page and Windows characters alike.
    const QString rahmen = dos("\xb3\xc4\xda\xbf\xc0\xd9 \x80 \xe4");
    EXPECT_EQ(asciiNachAnsi(rahmen), rahmen);
    EXPECT_EQ(asciiNachAnsi(QString::fromUtf8("schon richtig: äöü €")),
              QString::fromUtf8("schon richtig: äöü €"));
}
