#include "ui/cp1252.h"
#include "ui/rtfreader.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <gtest/gtest.h>

namespace {

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(KASPARO_TEST_DATA "/rtf/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// Unlike toPlainText(), keeps non-breaking spaces and line separators.
std::string textOf(const QByteArray& rtf) {
    QTextDocument document;
    readRtf(rtf, document);
    return document.toRawText().replace(QChar::ParagraphSeparator, u'\n').toStdString();
}

QTextCursor find(const QTextDocument& document, const char* text) {
    const QTextCursor found =
        document.find(QString::fromUtf8(text), 0, QTextDocument::FindCaseSensitively);
    EXPECT_FALSE(found.isNull()) << text;
    return found;
}

// What a reader sees at the last character of `text`: "Arial 10pt b i u s #ff0000 on #ffff00".
std::string look(const QTextDocument& document, const char* text) {
    const QTextCharFormat format = find(document, text).charFormat();
    QStringList parts = {format.fontFamilies().toStringList().value(0),
                         QString::number(format.fontPointSize()) + u"pt"_qs};
    const std::pair<bool, const char16_t*> flags[] = {{format.font().bold(), u"b"},
                                                      {format.fontItalic(), u"i"},
                                                      {format.fontUnderline(), u"u"},
                                                      {format.fontStrikeOut(), u"s"}};
    for (const auto& [on, name] : flags) {
        if (on) {
            parts.append(QString::fromUtf16(name));
        }
    }
    if (format.hasProperty(QTextFormat::ForegroundBrush)) {
        parts.append(format.foreground().color().name());
    }
    if (format.hasProperty(QTextFormat::BackgroundBrush)) {
        parts.append(u"on "_qs + format.background().color().name());
    }
    return parts.join(u' ').toStdString();
}

QTextBlockFormat paragraph(const QTextDocument& document, const char* text) {
    return find(document, text).blockFormat();
}

const QTextList* list(const QTextDocument& document, const char* text) {
    return find(document, text).block().textList();
}

TEST(RtfReader, RecognisesRtfByItsOpening) {
    EXPECT_TRUE(looksLikeRtf("{\\rtf1\\ansi Text}"));
    EXPECT_FALSE(looksLikeRtf("//Teiltastei: asdf\r\n"));
    EXPECT_FALSE(looksLikeRtf(" {\\rtf1 Text}"));
    EXPECT_FALSE(looksLikeRtf("{\\rt"));
}

TEST(RtfReader, ReadsWordPadDocument) {
    QTextDocument document;
    readRtf("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031{\\fonttbl{\\f0\\fswiss\\fcharset0 "
            "Arial;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
            "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\f0\\fs20 "
            "Gr\\'fc\\'dfe aus \\b M\\'fcnchen\\b0  und \\cf1 rot\\cf0 .\\par\r\n"
            "\\pard\\qc\\fs28 Mitte\\fs20\\par\r\n"
            "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}"
            "\\fi-720\\li720 Erster\\par\r\n"
            "{\\pntext\\f1\\'B7\\tab}Zweiter \\i kursiv\\i0\\par\r\n"
            "\\pard\\li1440\\ri300\\fi-300 Einger\\'fcckt\\tab Tab\\par\r\n}\r\n",
            document);

    EXPECT_EQ(document.toPlainText().toStdString(),
              "Grüße aus München und rot.\nMitte\nErster\nZweiter kursiv\nEingerückt\tTab");
    EXPECT_EQ(look(document, "Grüße"), "Arial 10pt");
    EXPECT_EQ(look(document, "München"), "Arial 10pt b");
    EXPECT_EQ(look(document, " und"), "Arial 10pt");
    EXPECT_EQ(look(document, "rot"), "Arial 10pt #ff0000");
    EXPECT_EQ(look(document, "rot."), "Arial 10pt");
    EXPECT_EQ(look(document, "Mitte"), "Arial 14pt");
    EXPECT_EQ(look(document, "kursiv"), "Arial 10pt i");
    EXPECT_EQ(paragraph(document, "Mitte").alignment(), Qt::AlignHCenter);
    EXPECT_EQ(paragraph(document, "Grüße").alignment(), Qt::AlignLeft);

    // Indents in twips become pixels; a bullet's indent belongs to its list.
    EXPECT_EQ(paragraph(document, "Eingerückt").leftMargin(), 96.0);
    EXPECT_EQ(paragraph(document, "Eingerückt").rightMargin(), 20.0);
    EXPECT_EQ(paragraph(document, "Eingerückt").textIndent(), -20.0);
    EXPECT_EQ(paragraph(document, "Erster").leftMargin(), 0.0);

    ASSERT_NE(list(document, "Erster"), nullptr);
    EXPECT_EQ(list(document, "Erster")->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(list(document, "Zweiter"), list(document, "Erster"));
    EXPECT_EQ(list(document, "Mitte"), nullptr);
    EXPECT_EQ(list(document, "Eingerückt"), nullptr);
}

class LibreOfficeDocument : public ::testing::Test {
protected:
    void SetUp() override { readRtf(fixture("libreoffice-writer.rtf"), document); }

    QTextDocument document;
};

TEST_F(LibreOfficeDocument, GivesTheTextLibreOfficeReads) {
    QString expected = QString::fromUtf8(fixture("libreoffice-writer.txt"));
    expected.remove(QChar(0xFEFF));
    // LibreOffice writes list markers into its text; here they belong to the lists.
    expected.remove(QRegularExpression(u"^ +(•|\\d+\\.) "_qs, QRegularExpression::MultilineOption));
    EXPECT_EQ(document.toPlainText().toStdString() + '\n', expected.toStdString());
}

TEST_F(LibreOfficeDocument, KeepsFormats) {
    EXPECT_EQ(look(document, "Tastaturschreiben"), "Liberation Sans Unicode MS 24pt b");
    EXPECT_EQ(look(document, " mit "), "Liberation Serif 12pt");
    EXPECT_EQ(look(document, "blind"), "Liberation Serif 12pt b");
    EXPECT_EQ(look(document, "allen zehn"), "Liberation Serif 12pt i");
    EXPECT_EQ(look(document, "Unterstrichen"), "Liberation Serif 12pt u");
    EXPECT_EQ(look(document, "fett kursiv"), "Liberation Serif 12pt b i");
    EXPECT_EQ(look(document, "ß « » €"), "Liberation Serif 12pt #ff0000");
    EXPECT_EQ(look(document, "rechtsbündig"), "Liberation Serif 18pt");
    EXPECT_EQ(look(document, "mit Fett"), "Liberation Serif 12pt b");
    EXPECT_EQ(look(document, "//Teiltastei: asdf"), "Courier New 12pt");

    EXPECT_EQ(paragraph(document, "Rot und").alignment(), Qt::AlignHCenter);
    EXPECT_EQ(paragraph(document, "Groß und").alignment(), Qt::AlignRight);
    EXPECT_EQ(paragraph(document, "Eingerückter Absatz").leftMargin(), 1134 / 15.0);
    ASSERT_NE(list(document, "Erster Punkt"), nullptr);
    EXPECT_EQ(list(document, "Zweiter Punkt"), list(document, "Erster Punkt"));
    ASSERT_NE(list(document, "Nummer eins"), nullptr);
    EXPECT_NE(list(document, "Nummer eins"), list(document, "Erster Punkt"));
    EXPECT_EQ(list(document, "Nummer zwei"), list(document, "Nummer eins"));
    EXPECT_EQ(list(document, "Eingerückter Absatz"), nullptr);
}

TEST(RtfReader, LessonScriptGivesTheLinesOfItsPlainTextTwin) {
    QTextDocument document;
    readRtf(fixture("lektion.rtf"), document);
    EXPECT_EQ(document.toPlainText().split(u'\n'),
              cp1252::decode(fixture("lektion.txt")).split(u"\r\n"_qs));
    EXPECT_EQ(look(document, "//Ende"), "Courier New 10pt");
}

TEST(RtfReader, DecodesCharactersAndEscapes) {
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1252 \\'e4\\'80\\'96 \\\\ \\{\\} a\\~b c\\-d e\\_f "
                     "\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet"
                     " x\\tab y\\line z\\page neu\\par}"),
              "ä€– \\ {} a\u00A0b c\u00ADd e\u2011f —–‘’“”•x\ty\u2028z\nneu");
}

TEST(RtfReader, SkipsUnicodeFallbacks) {
    QTextDocument document;
    readRtf("{\\rtf1 \\u337?\\u8594\\'3f|{\\uc2\\u8364\\'80\\'80}|{\\uc0\\u223 x}|"
            "{\\uc3\\u8364 ab}c|\\u-3913?|\\u252 {\\b fett}}",
            document);
    EXPECT_EQ(document.toPlainText().toStdString(), "ő→|€|ßx|€c|\uF0B7|üfett");
    EXPECT_EQ(look(document, "fett"), " 12pt b");
}

TEST(RtfReader, SkipsWhatIsNoBodyText) {
    EXPECT_EQ(textOf("{\\rtf1{\\info{\\title Titel}{\\author Autor}}{\\stylesheet{\\s0 Normal;}}"
                     "{\\header Kopf\\par}{\\footer Fu\\'df\\par}{\\*\\unbekannt Geheim}"
                     "{\\listtable{\\list{\\leveltext \\'01\\u8226 ?;}}}"
                     "{\\listoverridetable{\\listoverride\\ls1}}{\\*\\generator Programm;}"
                     "A{\\pict\\pngblip 89504e47}B{\\object{\\*\\objdata 0102}{\\result}}C"
                     "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt D}}"
                     "E\\bin5 {}\\}xF{\\pntext 1.\\tab}G{\\listtext 2.}H\\par}"),
              "ABCDEFGH");
}

TEST(RtfReader, ScopesCharacterFormatsToGroups) {
    QTextDocument document;
    readRtf("{\\rtf1{\\fonttbl\\f0\\fswiss Arial;{\\f1 Courier New}}\\f1\\fs30\\i "
            "{\\b\\ul\\strike\\f0\\fs40 a}b\\b c\\b0 d\\ul e\\ulnone f\\uldb g\\ul0 h"
            "\\strike i\\strike0 j\\plain k}",
            document);

    const char* const expected[][2] = {{"a", "Arial 20pt b i u s"},
                                       {"b", "Courier New 15pt i"},
                                       {"c", "Courier New 15pt b i"},
                                       {"d", "Courier New 15pt i"},
                                       {"e", "Courier New 15pt i u"},
                                       {"f", "Courier New 15pt i"},
                                       {"g", "Courier New 15pt i u"},
                                       {"h", "Courier New 15pt i"},
                                       {"i", "Courier New 15pt i s"},
                                       {"j", "Courier New 15pt i"},
                                       {"k", "Arial 12pt"}};
    for (const auto& [text, format] : expected) {
        EXPECT_EQ(look(document, text), format) << text;
    }
}

TEST(RtfReader, ReadsForegroundAndBackgroundColours) {
    QTextDocument document;
    readRtf("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;"
            "\\red255\\green255\\blue0;;}\\cf1 a\\cf2\\highlight3 b\\cb1 c\\cf0\\highlight0 d"
            "\\cf4\\highlight4 e\\cf7\\highlight7 f}",
            document);

    EXPECT_EQ(look(document, "a"), " 12pt #ff0000");
    EXPECT_EQ(look(document, "b"), " 12pt #0000ff on #ffff00");
    EXPECT_EQ(look(document, "c"), " 12pt #0000ff on #ff0000");
    for (const char* uncoloured : {"d", "e", "f"}) {
        EXPECT_EQ(look(document, uncoloured), " 12pt") << uncoloured;
    }
}

TEST(RtfReader, ParagraphFormatsLastUntilPard) {
    QTextDocument document;
    readRtf("{\\rtf1\\qr\\li300 a\\par {\\qj b}\\par\\pard c\\par\\qc d\\par\\ql e\\par}",
            document);

    EXPECT_EQ(paragraph(document, "a").alignment(), Qt::AlignRight);
    EXPECT_EQ(paragraph(document, "b").alignment(), Qt::AlignJustify);
    EXPECT_EQ(paragraph(document, "c").alignment(), Qt::AlignLeft);
    EXPECT_EQ(paragraph(document, "d").alignment(), Qt::AlignHCenter);
    EXPECT_EQ(paragraph(document, "e").alignment(), Qt::AlignLeft);
    EXPECT_EQ(paragraph(document, "b").leftMargin(), 20.0);
    EXPECT_EQ(paragraph(document, "c").leftMargin(), 0.0);
}

TEST(RtfReader, ParagraphMarksMakeBlocks) {
    EXPECT_EQ(textOf("{\\rtf1 a\\par b\\par}"), "a\nb");
    EXPECT_EQ(textOf("{\\rtf1 a\\par b}"), "a\nb");
    EXPECT_EQ(textOf("{\\rtf1 a\\par\\par}"), "a\n");
    EXPECT_EQ(textOf("{\\rtf1 a\\par\\page b\\sect}"), "a\nb");
    EXPECT_EQ(textOf("{\\rtf1 a\\\r\nb\\\nc}"), "a\nb\nc");
    EXPECT_EQ(textOf("{\\rtf1 a\r\nb\rc\nd}"), "abcd");
}

} // namespace
