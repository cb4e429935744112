#include "ui/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, DecodesGermanLettersAndTheSpecialRange) {
    const QByteArray bytes("\xe4\xf6\xfc\xc4\xd6\xdc\xdf \x80 \x84\x93 \x96 \xab\xbb");
    EXPECT_EQ(cp1252::decode(bytes), QString::fromUtf8("äöüÄÖÜß € „“ – «»"));
}

TEST(Cp1252, EveryByteSurvivesDecodeAndEncode) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    const QString text = cp1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    bool lossless = false;
    EXPECT_EQ(cp1252::encode(text, &lossless), all);
    EXPECT_TRUE(lossless);
}

TEST(Cp1252, CharactersOutsideTheCodeBecomeQuestionMarks) {
    bool lossless = true;
    EXPECT_EQ(cp1252::encode(QString::fromUtf8("a→ő€"), &lossless), QByteArray("a??\x80"));
    EXPECT_FALSE(lossless);
    // U+0080 is not a Windows-1252 character: byte 0x80 is the euro sign.
    EXPECT_EQ(cp1252::byteFor(QChar(0x80)), -1);
    EXPECT_EQ(cp1252::byteFor(QChar(0x20AC)), 0x80);
    EXPECT_EQ(cp1252::byteFor(QChar(0x81)), 0x81);
}
