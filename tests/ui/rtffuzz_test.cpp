#include "ui/rtfreader.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(KASPARO_TEST_DATA "/rtf/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QString readText(const QByteArray& rtf) {
    QTextDocument document;
    readRtf(rtf, document);
    return document.toPlainText();
}

QTextCharFormat lastFormat(const QTextDocument& document, const QString& text) {
    const QTextCursor found = document.find(text, 0, QTextDocument::FindCaseSensitively);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    return found.charFormat();
}

// A few random edits: bytes dropped, inserted or flipped, the end cut off,
// stray syntax, and control words with outsized numbers.
QByteArray mutated(QByteArray bytes, QRandomGenerator& random) {
    static const QByteArray kSyntax = "{}\\'*";
    static const QByteArray kNumbered[] = {"\\u", "\\uc", "\\bin", "\\fs", "\\li", "\\f"};
    for (int edits = random.bounded(1, 9); edits > 0; --edits) {
        const auto at = static_cast<qsizetype>(random.bounded(int(bytes.size()) + 1));
        switch (random.bounded(6)) {
        case 0:
            bytes.remove(at, random.bounded(1, 40));
            break;
        case 1:
            bytes.insert(at, static_cast<char>(random.bounded(256)));
            break;
        case 2:
            if (at < bytes.size()) {
                bytes[at] = static_cast<char>(bytes.at(at) ^ (1 << random.bounded(8)));
            }
            break;
        case 3:
            bytes.truncate(at);
            break;
        case 4:
            bytes.insert(at, QByteArray(random.bounded(1, 4),
                                        kSyntax.at(random.bounded(int(kSyntax.size())))));
            break;
        default:
            bytes.insert(at,
                         kNumbered[random.bounded(6)] + QByteArray::number(random.generate64()));
            break;
        }
    }
    return bytes;
}

// Each character of the document comes from at least one byte of the file:
// whatever the input, reading it stays within the work the input gives.
void expectReadWithinInput(const QByteArray& rtf) {
    QTextDocument document;
    readRtf(rtf, document);
    EXPECT_LE(document.characterCount(), rtf.size() + 1);
}

TEST(RtfMalformed, SurvivesRandomDamage) {
    const QByteArray sources[] = {fixture("libreoffice-writer.rtf"), fixture("lektion.rtf")};
    QRandomGenerator random(20031);
    for (int round = 0; round < 400; ++round) {
        const QByteArray rtf = mutated(sources[round % 2], random);
        SCOPED_TRACE(round);
        expectReadWithinInput(rtf);
    }
}

TEST(RtfMalformed, SurvivesBinaryJunk) {
    QRandomGenerator random(1252);
    for (int round = 0; round < 20; ++round) {
        QByteArray junk(8192, '\0');
        for (char& byte : junk) {
            byte = static_cast<char>(random.bounded(256));
        }
        SCOPED_TRACE(round);
        expectReadWithinInput(round % 2 ? junk : "{\\rtf1 " + junk);
    }
}

TEST(RtfMalformed, UnbalancedBracesGiveTheirText) {
    EXPECT_EQ(readText("{\\rtf1 {\\b fett} und {\\i kursiv"), u"fett und kursiv"_qs);
    EXPECT_EQ(readText("{\\rtf1 eins}} zwei}}}"), u"eins zwei"_qs);
    EXPECT_EQ(readText("}}{\\rtf1 drei"), u"drei"_qs);

    QTextDocument document;
    readRtf("{\\rtf1 {\\b fett}} normal", document);
    EXPECT_FALSE(lastFormat(document, u"normal"_qs).font().bold());
}

TEST(RtfMalformed, TruncatedFileGivesTheTextReadSoFar) {
    const QByteArray rtf = fixture("lektion.rtf");
    const QString full = readText(rtf);
    for (qsizetype length = 0; length < rtf.size(); ++length) {
        const QString text = readText(rtf.left(length));
        ASSERT_TRUE(full.startsWith(text)) << "cut after " << length << " bytes";
    }
    const qsizetype cut = rtf.indexOf("slsl");
    EXPECT_EQ(readText(rtf.left(cut)).split(u'\n').last(), u"fjfj dkdk "_qs);
}

TEST(RtfMalformed, HugeNumbersAreBounded) {
    QTextDocument document;
    readRtf("{\\rtf1{\\colortbl;\\red99999999999\\green-99999999999\\blue0;}"
            "\\li99999999999\\fi-99999999999 "
            "{\\fs4294967295\\cf1 gross}{\\fs-99999999999\\cf99999999999 klein}"
            "{\\uc99999999999\\u252 ?x}\\u99999999999 a\\u-99999999999 b c"
            "\\bin99999999999 verloren}",
            document);

    EXPECT_EQ(document.toPlainText(), u"grosskleinü c"_qs);
    const QTextCharFormat large = lastFormat(document, u"gross"_qs);
    EXPECT_GT(large.fontPointSize(), 100.0);
    EXPECT_LE(large.fontPointSize(), 1638.0);
    EXPECT_EQ(large.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(lastFormat(document, u"klein"_qs).fontPointSize(), 12.0);
    const QTextBlockFormat block = document.begin().blockFormat();
    EXPECT_LE(block.leftMargin(), 22 * 96.0);
    EXPECT_GE(block.textIndent(), -22 * 96.0);
}

TEST(RtfMalformed, DeepNestingKeepsItsText) {
    const int depth = 100000;
    QTextDocument document;
    readRtf("{\\rtf1 {\\i " + QByteArray(depth, '{') + "\\b tief" + QByteArray(depth, '}') +
                " schief} flach}",
            document);

    EXPECT_EQ(document.toPlainText(), u"tief schief flach"_qs);
    EXPECT_TRUE(lastFormat(document, u"tief"_qs).font().bold());
    EXPECT_FALSE(lastFormat(document, u"schief"_qs).font().bold());
    EXPECT_TRUE(lastFormat(document, u"schief"_qs).fontItalic());
    EXPECT_FALSE(lastFormat(document, u"flach"_qs).fontItalic());
}

} // namespace
