#include "ui/rtfwriter.h"

#include "ui/rtfescape.h"
#include "ui/rtfunits.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>

namespace {

// The character 0xB7 of the Symbol font is its bullet; WordPad and
// LibreOffice both show it so.
constexpr QLatin1String kBulletFont("Symbol");
constexpr int kDefaultPointSize = 12;

QByteArray word(const char* name, int param) {
    return name + QByteArray::number(param);
}

int twips(qreal pixels) {
    return qRound(pixels * kTwipsPerPixel);
}

class RtfWriter {
public:
    explicit RtfWriter(const QTextDocument& document) : document_(document) {
        fonts_.append(document.defaultFont().family());
    }

    QByteArray write();

private:
    QByteArray paragraph(const QTextBlock& block);
    QByteArray paragraphWords(const QTextBlock& block);
    QByteArray bulletGroups();
    QByteArray run(const QTextFragment& fragment);
    QByteArray fontTable() const;
    QByteArray colorTable() const;
    int fontIndex(const QString& family);
    int colorIndex(const QBrush& brush);

    const QTextDocument& document_;
    QStringList fonts_;
    QList<QColor> colors_;
};

QByteArray RtfWriter::write() {
    QByteArray body;
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        body += paragraph(block);
    }
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n" + fontTable() + colorTable() + body +
           "}\r\n";
}

QByteArray RtfWriter::paragraph(const QTextBlock& block) {
    QByteArray out = paragraphWords(block);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        out += run(it.fragment());
    }
    return out + "\\par\r\n";
}

QByteArray RtfWriter::paragraphWords(const QTextBlock& block) {
    const QTextBlockFormat format = block.blockFormat();
    QByteArray out = "\\pard";
    const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter) {
        out += "\\qc";
    } else if (horizontal & Qt::AlignRight) {
        out += "\\qr";
    } else if (horizontal & Qt::AlignJustify) {
        out += "\\qj";
    }
    const int left = twips(format.leftMargin());
    if (block.textList()) {
        out += bulletGroups() + word("\\fi", kBulletHangTwips) +
               word("\\li", kBulletIndentTwips + left);
    } else {
        if (left != 0) {
            out += word("\\li", left);
        }
        if (const int first = twips(format.textIndent()); first != 0) {
            out += word("\\fi", first);
        }
    }
    if (const int right = twips(format.rightMargin()); right != 0) {
        out += word("\\ri", right);
    }
    return out + ' ';
}

// The marker text for readers of the old bullet words, then the bullet
// itself for those that draw it.
QByteArray RtfWriter::bulletGroups() {
    const QByteArray font = word("f", fontIndex(kBulletFont));
    return "{\\pntext\\" + font + "\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pn" + font +
           "\\pnindent0{\\pntxtb\\'b7}}";
}

QByteArray RtfWriter::run(const QTextFragment& fragment) {
    const QTextCharFormat format = fragment.charFormat();
    const QFont font = format.font().resolve(document_.defaultFont());
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : kDefaultPointSize;
    QByteArray out = '{' + word("\\f", fontIndex(font.family())) + word("\\fs", qRound(points * 2));
    if (font.bold()) {
        out += "\\b";
    }
    if (font.italic()) {
        out += "\\i";
    }
    if (font.underline()) {
        out += "\\ul";
    }
    if (font.strikeOut()) {
        out += "\\strike";
    }
    if (const int color = colorIndex(format.foreground()); color != 0) {
        out += word("\\cf", color);
    }
    if (const int background = colorIndex(format.background()); background != 0) {
        out += word("\\highlight", background);
    }
    return out + ' ' + rtfEscaped(fragment.text()) + '}';
}

QByteArray RtfWriter::fontTable() const {
    QByteArray out = "{\\fonttbl";
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        const QString name = QString(fonts_.at(i)).remove(u';');
        const QByteArray charset =
            name == kBulletFont ? "\\ftech\\fcharset2 " : "\\fnil\\fcharset0 ";
        out += '{' + word("\\f", int(i)) + charset + rtfEscaped(name) + ";}";
    }
    return out + "}\r\n";
}

// Entry 0 is the automatic colour.
QByteArray RtfWriter::colorTable() const {
    QByteArray out = "{\\colortbl ;";
    for (const QColor& color : colors_) {
        out += word("\\red", color.red()) + word("\\green", color.green()) +
               word("\\blue", color.blue()) + ';';
    }
    return out + "}\r\n";
}

int RtfWriter::fontIndex(const QString& family) {
    if (const qsizetype index = fonts_.indexOf(family); index >= 0) {
        return int(index);
    }
    fonts_.append(family);
    return int(fonts_.size() - 1);
}

int RtfWriter::colorIndex(const QBrush& brush) {
    if (brush.style() == Qt::NoBrush) {
        return 0;
    }
    const QColor color = brush.color().toRgb();
    if (const qsizetype index = colors_.indexOf(color); index >= 0) {
        return int(index + 1);
    }
    colors_.append(color);
    return int(colors_.size());
}

} // namespace

QByteArray writeRtf(const QTextDocument& document) {
    return RtfWriter(document).write();
}
