#include "ui/rtfreader.h"
#include "ui/rtfwriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <gtest/gtest.h>

#include <functional>

namespace {

QString colorName(const QBrush& brush) {
    return brush.style() == Qt::NoBrush ? u"-"_qs : brush.color().name();
}

// Every fragment with what a reader sees of it, and every paragraph's layout.
std::string describe(const QTextDocument& document) {
    QString out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        const QString indent =
            block.textList() ? u"bullet"_qs : QString::number(format.textIndent());
        out += u"\n["_qs +
               QStringList({QString::number(int(format.alignment() & Qt::AlignHorizontal_Mask)),
                            QString::number(format.leftMargin()),
                            QString::number(format.rightMargin()), indent})
                   .join(u' ') +
               u']';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat charFormat = it.fragment().charFormat();
            const QFont font = charFormat.font().resolve(document.defaultFont());
            out += u" <"_qs + it.fragment().text() + u"|"_qs +
                   QStringList(
                       {font.family(), QString::number(font.pointSizeF()),
                        QString::number(font.bold()), QString::number(font.italic()),
                        QString::number(font.underline()), QString::number(font.strikeOut()),
                        colorName(charFormat.foreground()), colorName(charFormat.background())})
                       .join(u',') +
                   u'>';
        }
    }
    return out.toStdString();
}

class RtfRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        block(Qt::AlignHCenter, 0, 0, 0);
        run(u"Übung: äöüÄÖÜ ß « » – € ő → 😀 "_qs, "Arial", 12, [](auto&) {});
        run(u"fett"_qs, "Arial", 12, [](auto& f) { f.setFontWeight(QFont::Bold); });
        run(u" kursiv"_qs, "Arial", 12, [](auto& f) { f.setFontItalic(true); });
        run(u" unter"_qs, "Arial", 12, [](auto& f) { f.setFontUnderline(true); });
        run(u" durch"_qs, "Times New Roman", 12, [](auto& f) {
            f.setFontStrikeOut(true);
            f.setForeground(QColor(200, 0, 0));
        });
        block(Qt::AlignRight, 0, 0, 0);
        run(u"Groß und rechts"_qs, "Courier New", 18,
            [](auto& f) { f.setForeground(QColor(200, 0, 0)); });
        block(Qt::AlignJustify, 48, 15.2, -24);
        run(u"Eingerückt\tmit Tab\u2028neue Zeile {\\Klammern}"_qs, "Arial", 10.5,
            [](auto& f) { f.setBackground(QColor(255, 255, 0)); });
        block(Qt::AlignLeft, 0, 0, 0);
        run(u"Erster Punkt"_qs, "Arial", 12, [](auto&) {});
        cursor.createList(QTextListFormat::ListDisc);
        cursor.insertBlock();
        QTextBlockFormat deeper;
        deeper.setLeftMargin(24);
        cursor.mergeBlockFormat(deeper);
        run(u"Zweiter Punkt"_qs, "Arial", 12, [](auto& f) { f.setFontWeight(QFont::Bold); });
        block(Qt::AlignLeft, 0, 0, 0);
        block(Qt::AlignLeft, 0, 0, 0);
        run(u"Ende"_qs, "Arial", 9, [](auto& f) { f.setForeground(QColor(0, 0, 255)); });
    }

    void block(Qt::Alignment alignment, qreal left, qreal right, qreal indent) {
        QTextBlockFormat format;
        format.setAlignment(alignment);
        format.setLeftMargin(left);
        format.setRightMargin(right);
        format.setTextIndent(indent);
        if (original.isEmpty()) {
            cursor.setBlockFormat(format);
        } else {
            cursor.insertBlock(format);
        }
    }

    void run(const QString& text, const char* family, qreal points,
             const std::function<void(QTextCharFormat&)>& adjust) {
        QTextCharFormat format;
        format.setFontFamilies({QString::fromLatin1(family)});
        format.setFontPointSize(points);
        adjust(format);
        cursor.insertText(text, format);
    }

    QTextDocument original;
    QTextCursor cursor{&original};
};

TEST_F(RtfRoundTrip, KeepsTextFormatsParagraphsAndBullets) {
    const QByteArray rtf = writeRtf(original);
    QTextDocument copy;
    readRtf(rtf, copy);

    EXPECT_EQ(copy.toPlainText(), original.toPlainText());
    EXPECT_EQ(describe(copy), describe(original));
    const QTextList* list = copy.findBlockByNumber(3).textList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(copy.findBlockByNumber(4).textList(), list);
    EXPECT_EQ(writeRtf(copy), rtf);
}

TEST_F(RtfRoundTrip, WritesWindows1252WithCrLf) {
    const QByteArray rtf = writeRtf(original);

    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    EXPECT_TRUE(rtf.endsWith("}\r\n"));
    EXPECT_EQ(rtf.count('\n'), rtf.count("\r\n"));
    EXPECT_EQ(rtf.count('\r'), rtf.count("\r\n"));
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0; }));
    // The forms WordPad understands: \'hh for Windows-1252, \uN? for the rest.
    for (const char* escape : {"\\'dc", "\\'df", "\\'ab", "\\'96", "\\'80", "\\u337?", "\\u8594?",
                               "\\u-10179?\\u-8704?", "\\{\\\\Klammern\\}"}) {
        EXPECT_TRUE(rtf.contains(escape)) << escape;
    }
}

TEST_F(RtfRoundTrip, WritesBulletsForWordPadAndLibreOffice) {
    const QByteArray rtf = writeRtf(original);

    EXPECT_EQ(rtf.count("{\\pntext"), 2);
    EXPECT_EQ(rtf.count("{\\*\\pn\\pnlvlblt"), 2);
    EXPECT_EQ(rtf.count("\\fi-360\\li720 "), 1);
    EXPECT_EQ(rtf.count("\\fi-360\\li1080 "), 1);
}

TEST(RtfWriter, KeepsEmptyParagraphs) {
    for (const QString& text : {QString(), u"\nMitte\n\n"_qs}) {
        QTextDocument original;
        original.setPlainText(text);
        QTextDocument copy;
        copy.setPlainText(u"alt"_qs);
        readRtf(writeRtf(original), copy);
        EXPECT_EQ(copy.toPlainText(), text);
        EXPECT_EQ(copy.blockCount(), original.blockCount());
    }
}

} // namespace
