#include "support/dateien.h"
#include "support/testplatform.h"
#include "ui/richtextfield.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RichTextFieldTest : public ::testing::Test {
protected:
    TestPlatform platform;
    RichTextField field{platform};
    QTemporaryDir dir;
};

} // namespace

TEST_F(RichTextFieldTest, LinesAreReadWrittenAndCountedByIndex) {
    EXPECT_EQ(field.lineCount(), 0);
    field.appendLine(QStringLiteral("//Korrektur: ein"));
    field.appendLine(QStringLiteral("asdf jklö"));
    EXPECT_EQ(field.lineCount(), 2);
    field.setLine(1, QStringLiteral("fdsa ölkj"));
    field.setLine(2, QStringLiteral("//Ende"));
    field.setLine(7, QStringLiteral("ignoriert"));
    EXPECT_EQ(field.lines(),
              (QStringList{QStringLiteral("//Korrektur: ein"), QString::fromUtf8("fdsa ölkj"),
                           QStringLiteral("//Ende")}));
    EXPECT_EQ(field.line(5), QString());
    field.clearText();
    EXPECT_EQ(field.lineCount(), 0);
}

TEST_F(RichTextFieldTest, WrappedDisplayLinesFollowTheWidth) {
    field.setTextFont(QStringLiteral("Courier New"), -16);
    field.resize(200, 300);
    field.show();
    const QString longLine =
        QStringLiteral("eins zwei drei vier fuenf sechs sieben acht neun zehn");
    field.setLines({longLine, QStringLiteral("kurz")});
    const int wrapped = field.displayLineCount();
    EXPECT_GT(wrapped, 2);
    QString joined;
    for (int i = 0; i + 1 < wrapped; ++i) {
        joined += field.displayLine(i);
    }
    EXPECT_EQ(joined, longLine);
    EXPECT_EQ(field.displayLine(wrapped - 1), QStringLiteral("kurz"));
    EXPECT_EQ(field.displayLineOfPosition(static_cast<int>(longLine.size()) + 1), wrapped - 1);

    field.setWordWrap(false);
    EXPECT_FALSE(field.wordWrap());
    EXPECT_EQ(field.displayLineCount(), 2);
}

TEST_F(RichTextFieldTest, SelectionCaretAndClipboardGoThroughThePlatform) {
    field.setLines({QStringLiteral("Hallo Welt"), QStringLiteral("zweite Zeile")});
    field.setSelection(6, 4);
    EXPECT_EQ(field.selectionStart(), 6);
    EXPECT_EQ(field.selectionLength(), 4);
    field.copyToClipboard();
    EXPECT_EQ(platform.clipboard, QStringLiteral("Welt"));
    field.cutToClipboard();
    EXPECT_EQ(field.line(0), QStringLiteral("Hallo "));
    platform.clipboard = QStringLiteral("Kasparo");
    field.pasteFromClipboard();
    EXPECT_EQ(field.line(0), QStringLiteral("Hallo Kasparo"));

    field.setSelection(4, 11);
    EXPECT_EQ(field.selectedPlainText(), QStringLiteral("o Kasparo\nz"));
    field.replaceSelection(QStringLiteral("!"));
    EXPECT_EQ(field.lines(), (QStringList{QStringLiteral("Hall!weite Zeile")}));

    field.setCaretPosition(7);
    EXPECT_EQ(field.caretLine(), 0);
    EXPECT_EQ(field.caretColumn(), 7);
    field.setCaretPosition(1000);
    EXPECT_EQ(field.caretPosition(), 16);

    field.setReadOnly(true);
    platform.clipboard = QStringLiteral("x");
    field.pasteFromClipboard();
    EXPECT_EQ(field.line(0), QStringLiteral("Hall!weite Zeile"));
}

TEST_F(RichTextFieldTest, LoadsWindows1252AndUtf8Files) {
    const QString ansi = dir.filePath("ansi.ts");
    dateiSchreiben(ansi, "//Info: Gr\xfc\xdf"
                         "e\r\n\xe4\xf6\xfc \xdf\r\n");
    QString error;
    ASSERT_TRUE(field.loadFile(ansi, &error));
    EXPECT_EQ(field.lines(),
              (QStringList{QString::fromUtf8("//Info: Grüße"), QString::fromUtf8("äöü ß")}));
    EXPECT_FALSE(field.isModified());

    const QString utf8 = dir.filePath("utf8.ts");
    dateiSchreiben(utf8, "\xc3\xa4\xc3\xb6\xc3\xbc\nzwei\n");
    ASSERT_TRUE(field.loadFile(utf8, &error));
    EXPECT_EQ(field.lines(), (QStringList{QString::fromUtf8("äöü"), QStringLiteral("zwei")}));
}

TEST_F(RichTextFieldTest, AFailedLoadLeavesTheFieldAndTellsWhy) {
    field.setLines({QStringLiteral("bleibt")});
    QString error;
    EXPECT_FALSE(field.loadFile(dir.filePath("fehlt.ts"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("nicht vorhanden")));
    const QString binary = dir.filePath("bild.ts");
    dateiSchreiben(binary, QByteArray("\x89PNG\0\0", 6));
    EXPECT_FALSE(field.loadFile(binary, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("keine Textdatei")));
    EXPECT_EQ(field.lines(), QStringList{QStringLiteral("bleibt")});
}

TEST_F(RichTextFieldTest, SavesPlainTextThatLoadsBackTheSame) {
    field.setLines({QString::fromUtf8("Übung 1"), QString(), QString::fromUtf8("Fuß «Bär» – €")});
    const QString path = dir.filePath("text.txt");
    QString error;
    ASSERT_TRUE(field.savePlainText(path, &error));
    EXPECT_EQ(dateiLesen(path), QByteArray("\xdc"
                                           "bung 1\r\n\r\nFu\xdf \xab"
                                           "B\xe4r\xbb \x96 \x80\r\n"));

    RichTextField reread(platform);
    ASSERT_TRUE(reread.loadFile(path, &error));
    EXPECT_EQ(reread.lines(), field.lines());

    EXPECT_FALSE(field.savePlainText(dir.filePath("kein/ordner.txt"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(RichTextFieldTest, ModifiedFlagFollowsEditing) {
    field.setLines({QStringLiteral("a")});
    field.setModified(false);
    field.appendLine(QStringLiteral("b"));
    EXPECT_TRUE(field.isModified());
    field.setModified(false);
    EXPECT_FALSE(field.isModified());
}

TEST_F(RichTextFieldTest, RtfFilesAreRecognisedByTheirStart) {
    const QString path = dir.filePath("skript.ts");
    dateiSchreiben(path, "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 //Korrektur: "
                         "ein\\par asdf j\\'f6l\\par\r\n}");
    QString error;
    ASSERT_TRUE(field.loadFile(path, &error)) << error.toStdString();
    EXPECT_EQ(field.lines(),
              (QStringList{QStringLiteral("//Korrektur: ein"), QString::fromUtf8("asdf jöl")}));
    // A file that merely mentions RTF later on is plain text.
    dateiSchreiben(path, "Text\r\n{\\rtf1 kein RTF}\r\n");
    ASSERT_TRUE(field.loadFile(path, &error));
    EXPECT_EQ(field.line(1), QStringLiteral("{\\rtf1 kein RTF}"));
}

TEST_F(RichTextFieldTest, AScriptSavedAsRtfLoadsAsTheSameLinesAsItsPlainTwin) {
    const QStringList script{QStringLiteral("//Teiltastei: asdfjklö"),
                             QStringLiteral("//Info: Die Grundstellung"),
                             QString::fromUtf8("asdf jklö asdf jklö"),
                             QString(),
                             QStringLiteral("{Klammern} und \\Schrägstrich\\"),
                             QStringLiteral("//Ende")};
    field.setLines(script);
    QString error;
    const QString rtf = dir.filePath("skript.rtf");
    const QString plain = dir.filePath("skript.ts");
    ASSERT_TRUE(field.saveRtf(rtf, &error)) << error.toStdString();
    ASSERT_TRUE(field.savePlainText(plain, &error)) << error.toStdString();
    EXPECT_TRUE(dateiLesen(rtf).startsWith("{\\rtf"));

    RichTextField fromRtf(platform);
    RichTextField fromPlain(platform);
    ASSERT_TRUE(fromRtf.loadFile(rtf, &error));
    ASSERT_TRUE(fromPlain.loadFile(plain, &error));
    EXPECT_EQ(fromRtf.lines(), script);
    EXPECT_EQ(fromPlain.lines(), script);
    EXPECT_FALSE(fromRtf.isModified());
}

TEST_F(RichTextFieldTest, AFailedRtfSaveKeepsTheOldFile) {
    const QString path = dir.filePath("alt.rtf");
    dateiSchreiben(path, "alt");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    field.setLines({QStringLiteral("neu")});
    QString error;
    const bool saved = field.saveRtf(path, &error);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (saved) {
        GTEST_SKIP() << "running as a user who may write anywhere";
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(dateiLesen(path), QByteArray("alt"));
}

TEST_F(RichTextFieldTest, PrintsTheTextAsOneTitledJob) {
    field.setLines({QStringLiteral("Auswertung der Abschrift"), QString::fromUtf8("Fehler: 3")});
    platform.pdfPath = dir.filePath("druck.pdf");
    ASSERT_TRUE(field.print(QStringLiteral("Kasparo - Auswertung")));
    ASSERT_EQ(platform.printJobs.size(), 1u);
    EXPECT_EQ(platform.printJobs[0].title, QStringLiteral("Kasparo - Auswertung"));

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {platform.pdfPath, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(20000)) << "pdftotext is part of the test set-up";
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Auswertung der Abschrift"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Fehler: 3")));

    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {platform.pdfPath});
    ASSERT_TRUE(pdfinfo.waitForFinished(20000));
    EXPECT_TRUE(pdfinfo.readAllStandardOutput().contains("Kasparo - Auswertung"));

    platform.printSucceeds = false;
    EXPECT_FALSE(field.print(QStringLiteral("abgebrochen")));
}
