#include "support/dateien.h"
#include "ui/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {} // namespace

TEST(TextFileDecoding, Windows1252AndUtf8AreTold) {
    bool utf8 = true;
    EXPECT_EQ(decodeFileText("Gr\xfc\xdf"
                             "e",
                             &utf8),
              QString::fromUtf8("Grüße"));
    EXPECT_FALSE(utf8);
    EXPECT_EQ(decodeFileText("Gr\xc3\xbc\xc3\x9f"
                             "e",
                             &utf8),
              QString::fromUtf8("Grüße"));
    EXPECT_TRUE(utf8);
    EXPECT_EQ(decodeFileText("\xef\xbb\xbf"
                             "asdf",
                             &utf8),
              QStringLiteral("asdf"));
    EXPECT_TRUE(utf8);
    // Plain ASCII reads the same either way and is taken as Windows-1252.
    EXPECT_EQ(decodeFileText("asdf jkl\xf6", &utf8), QString::fromUtf8("asdf jklö"));
    EXPECT_FALSE(utf8);
}

TEST(TextFileDecoding, BrokenUtf8FallsBackToWindows1252) {
    // A lone lead byte followed by ASCII is no UTF-8.
    EXPECT_EQ(decodeFileText("\xc3 x \xe4"), QString::fromUtf8("Ã x ä"));
}

TEST(TextFileReading, FailuresAreToldApart) {
    QTemporaryDir dir;
    EXPECT_EQ(readTextFile(dir.filePath("fehlt.ts")).status, TextFileStatus::Missing);
    EXPECT_EQ(readTextFile(dir.path()).status, TextFileStatus::Unreadable);
    const QString binary = dateiSchreiben(dir, "bild.ts", QByteArray("PNG\0\x01\x02", 6));
    EXPECT_EQ(readTextFile(binary).status, TextFileStatus::Binary);
    const QString huge = dateiSchreiben(dir, "gross.txt", QByteArray(kMaxTextFileBytes + 1, 'a'));
    EXPECT_EQ(readTextFile(huge).status, TextFileStatus::TooLarge);
    const QString empty = dateiSchreiben(dir, "leer.txt", {});
    const TextFile read = readTextFile(empty);
    EXPECT_EQ(read.status, TextFileStatus::Ok);
    EXPECT_TRUE(read.text.isEmpty());
}

TEST(TextFileReading, MessagesAreGermanAndNameTheFile) {
    EXPECT_EQ(readFailureMessage(TextFileStatus::Missing, "/tmp/a.ts"),
              QString::fromUtf8("Die Datei \"/tmp/a.ts\" ist nicht vorhanden."));
    EXPECT_EQ(readFailureMessage(TextFileStatus::Binary, "b.ts"),
              QString::fromUtf8("Die Datei \"b.ts\" ist keine Textdatei."));
    EXPECT_TRUE(
        readFailureMessage(TextFileStatus::TooLarge, "c").contains(QString::fromUtf8("groß")));
    EXPECT_TRUE(readFailureMessage(TextFileStatus::Ok, "c").isEmpty());
}

TEST(TextFileWriting, LinesEndInCrLfAndUmlautsAreSingleBytes) {
    EXPECT_EQ(windowsText(QString::fromUtf8("Bär\nFuß")), QByteArray("B\xe4r\r\nFu\xdf\r\n"));
    EXPECT_EQ(windowsText("a\r\nb\rc"), QByteArray("a\r\nb\r\nc\r\n"));
    EXPECT_EQ(windowsText(""), QByteArray());
}

TEST(TextFileWriting, SafeWriteReplacesTheFileOrLeavesItAlone) {
    QTemporaryDir dir;
    const QString path = dateiSchreiben(dir, "text.txt", "alt");
    QString error;
    ASSERT_TRUE(writeFileSafely(path, "neu", &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("neu"));

    const QString nowhere = dir.filePath("fehlt/text.txt");
    EXPECT_FALSE(writeFileSafely(nowhere, "x", &error));
    EXPECT_TRUE(error.startsWith(QString::fromUtf8("Die Datei \"")));
    EXPECT_TRUE(error.contains(QString::fromUtf8("konnte nicht gespeichert werden")));
}
