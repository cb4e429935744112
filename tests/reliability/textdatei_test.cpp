#include "vollerdatentraeger.h"

#include "../support/dateien.h"
#include "ui/textfile.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The file boundary itself: which bytes are text in which encoding, and a
// save that runs out of disk.

namespace {

QByteArray utf16(const QString& text, bool le) {
    QStringEncoder encoder(le ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
    return (le ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF")) +
           QByteArray(encoder.encode(text));
}

} // namespace

TEST(Utf16, WithItsByteOrderMarkIsTextInEitherOrder) {
    const QString text = QString::fromUtf8("Grüße\r\n€ 5 „gut“ 漢字");
    for (const bool le : {true, false}) {
        const QByteArray bytes = utf16(text, le);
        ASSERT_TRUE(bytes.contains('\0'));
        EXPECT_FALSE(looksBinary(bytes)) << le;
        bool wasUtf8 = true;
        EXPECT_EQ(decodeFileText(bytes, &wasUtf8), text) << le;
        EXPECT_FALSE(wasUtf8);
    }
    // Characters whose code units hold no NUL byte at all.
    EXPECT_EQ(decodeFileText(utf16(QString::fromUtf8("漢字"), true)), QString::fromUtf8("漢字"));
    // The mark alone is an empty text.
    EXPECT_EQ(decodeFileText("\xFF\xFE"), QString());
}

TEST(Utf16, WhatOnlyBeginsLikeItIsNoText) {
    const QByteArray text = utf16(QStringLiteral("asdf"), true);
    // Cut in the middle of a character.
    EXPECT_TRUE(looksBinary(text.chopped(1)));
    // UTF-32 begins with the same two bytes and has NUL characters.
    QStringEncoder utf32(QStringEncoder::Utf32LE);
    EXPECT_TRUE(looksBinary("\xFF\xFE\0\0" + QByteArray(utf32.encode(u"asdf"))));
    // Without a mark NUL bytes stay binary.
    EXPECT_TRUE(looksBinary(text.mid(2)));
}

TEST(Utf16, FilesAreReadThroughTheSameRoad) {
    QTemporaryDir dir;
    const QString pfad =
        dateiSchreiben(dir, "lektion.ts", utf16(u"//Volltastei\r\nasdf\r\n"_qs, false));
    const TextFile datei = readTextFile(pfad);
    EXPECT_EQ(datei.status, TextFileStatus::Ok);
    EXPECT_EQ(withoutFinalLineBreak(datei.text), QStringLiteral("//Volltastei\nasdf"));
}

TEST(Lesefehler, ALineTooLongIsNamedWithTheLimit) {
    EXPECT_EQ(readFailureMessage(TextFileStatus::LineTooLong, "/tmp/a.ts"),
              QString::fromUtf8("Die Datei \"/tmp/a.ts\" enthält eine Zeile mit mehr als einer "
                                "Million Zeichen."));
    EXPECT_LT(kMaxLineChars, kMaxTextFileBytes);
}

TEST(SicheresSchreiben, AFullDiskLeavesTheOldFileAndNoTemporaryOne) {
    QTemporaryDir dir;
    const QString pfad = dateiSchreiben(dir, "ergebnis.rtf", "alt");
    QString fehler;
    bool geschrieben = true;
    {
        const VollerDatentraeger voll(100);
        ASSERT_TRUE(voll.ok());
        geschrieben = writeFileSafely(pfad, QByteArray(5000, 'x'), &fehler);
    }
    EXPECT_FALSE(geschrieben);
    EXPECT_EQ(fehler, QString::fromUtf8("Die Datei \"%1\" konnte nicht gespeichert werden.\r"
                                        "Die Daten konnten nicht vollständig geschrieben werden.")
                          .arg(QDir::toNativeSeparators(pfad)));
    EXPECT_EQ(dateiLesen(pfad), QByteArray("alt"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("ergebnis.rtf")});

    // With room again the same save goes through.
    EXPECT_TRUE(writeFileSafely(pfad, QByteArray(5000, 'x'), &fehler));
    EXPECT_EQ(dateiLesen(pfad), QByteArray(5000, 'x'));
}

TEST(SicheresSchreiben, AFileThatFitsIsWrittenWhole) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("klein.txt"));
    QString fehler;
    const VollerDatentraeger voll(100);
    ASSERT_TRUE(voll.ok());
    EXPECT_TRUE(writeFileSafely(pfad, "passt", &fehler));
    EXPECT_EQ(dateiLesen(pfad), QByteArray("passt"));
}
