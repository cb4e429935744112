#include "ui/rtfreader.h"

#include "ui/cp1252.h"
#include "ui/rtfdocumentbuilder.h"
#include "ui/rtfkeywords.h"
#include "ui/rtftables.h"
#include "ui/rtftokenizer.h"
#include "ui/rtfunits.h"

#include <QTextDocument>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Deeper groups are read as part of the innermost one kept.
constexpr int kMaxGroupDepth = 200;
// 22 inches: wider than any page.
constexpr int kMaxIndentTwips = 31680;
constexpr int kDefaultHalfPoints = 24;
// 1638 pt, the largest size word processors offer.
constexpr int kMaxHalfPoints = 3276;

enum class Destination { Body, FontTable, ColorTable, Skipped };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int font = -1; // the document's default font
    int halfPoints = kDefaultHalfPoints;
    int color = 0;
    int background = 0;
};

struct GroupState {
    CharState chars;
    Destination destination = Destination::Body;
    int fallbackLength = 1; // \ucN: bytes that stand in for each \uN
    bool starred = false;   // after \*, an unknown destination is skipped
};

// The list of a WordPad bullet paragraph; \lsN names Word's lists 1, 2, ...
constexpr int kWordPadList = -1;

// Paragraph properties last until \pard, also across groups: WordPad states
// a bullet list once, inside its own {\*\pn ...} group.
struct ParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstTwips = 0;
    int list = 0; // none
};

class RtfParser {
public:
    RtfParser(const QByteArray& bytes, QTextDocument& document)
        : tokens_(bytes), builder_(document) {}

    void run();

private:
    GroupState& state() { return groups_.back(); }
    void openGroup();
    void closeGroup();
    bool skipFallback(RtfToken& token);
    void handleWord(const RtfToken& token);
    bool handleDestination(const QByteArray& word, bool starred);
    void handleBodyWord(const RtfToken& token);
    bool handleCharacterFormat(const RtfToken& token);
    bool handleParagraphFormat(const RtfToken& token);
    void handleSymbol(int symbol);
    void appendText(const QString& text);
    void endParagraph();
    QTextCharFormat charFormat() const;
    QTextBlockFormat blockFormat() const;

    RtfTokenizer tokens_;
    RtfDocumentBuilder builder_;
    RtfTables tables_;
    std::vector<GroupState> groups_{GroupState{}};
    qsizetype overflowDepth_ = 0;
    qsizetype fallbackPending_ = 0;
    ParagraphState paragraph_;
    int defaultFont_ = 0;
};

void RtfParser::run() {
    for (RtfToken token = tokens_.next(); token.kind != RtfToken::Kind::End;
         token = tokens_.next()) {
        if (token.kind == RtfToken::Kind::GroupStart) {
            openGroup();
        } else if (token.kind == RtfToken::Kind::GroupEnd) {
            closeGroup();
        } else if (skipFallback(token)) {
            continue;
        } else if (token.kind == RtfToken::Kind::Word) {
            handleWord(token);
        } else if (token.kind == RtfToken::Kind::Symbol) {
            handleSymbol(token.param);
        } else if (token.kind == RtfToken::Kind::HexByte) {
            appendText(cp1252::decode(QByteArray(1, static_cast<char>(token.param))));
        } else {
            appendText(cp1252::decode(token.word));
        }
    }
    if (builder_.paragraphHasText()) {
        endParagraph();
    }
}

void RtfParser::openGroup() {
    fallbackPending_ = 0;
    if (groups_.size() >= kMaxGroupDepth) {
        ++overflowDepth_;
        return;
    }
    groups_.push_back(state());
}

// A closing brace without its opening one is dropped, and reading goes on.
void RtfParser::closeGroup() {
    fallbackPending_ = 0;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    if (groups_.size() <= 1) {
        return;
    }
    if (state().destination == Destination::FontTable) {
        tables_.finishFont();
    }
    groups_.pop_back();
}

// Drops what stands in for the last \uN; true when the whole token did.
bool RtfParser::skipFallback(RtfToken& token) {
    if (fallbackPending_ == 0) {
        return false;
    }
    if (token.kind == RtfToken::Kind::Text && token.word.size() > fallbackPending_) {
        token.word.remove(0, fallbackPending_);
        fallbackPending_ = 0;
        return false;
    }
    fallbackPending_ -= token.kind == RtfToken::Kind::Text ? token.word.size() : 1;
    return true;
}

void RtfParser::handleWord(const RtfToken& token) {
    const bool starred = std::exchange(state().starred, false);
    if (state().destination == Destination::Skipped || handleDestination(token.word, starred)) {
        return;
    }
    if (token.word == "u" && token.hasParam) {
        // Writers give characters above 32767 as negative numbers.
        if (token.param >= -32768 && token.param <= 65535) {
            appendText(QString(QChar(static_cast<char16_t>(token.param))));
        }
        fallbackPending_ = state().fallbackLength;
    } else if (token.word == "uc") {
        state().fallbackLength = std::max(0, token.param);
    } else if (state().destination == Destination::FontTable) {
        if (token.word == "f") {
            tables_.startFont(token.param);
        }
    } else if (state().destination == Destination::ColorTable) {
        tables_.setColorComponent(token.word, token.param);
    } else {
        handleBodyWord(token);
    }
}

bool RtfParser::handleDestination(const QByteArray& word, bool starred) {
    Destination& destination = state().destination;
    if (word == "fonttbl") {
        destination = Destination::FontTable;
    } else if (word == "colortbl") {
        destination = Destination::ColorTable;
    } else if (word == "pn") {
        paragraph_.list = kWordPadList;
        destination = Destination::Skipped;
    } else if (starred || rtfkeywords::isSkippedDestination(word)) {
        destination = Destination::Skipped;
    } else {
        return false;
    }
    return true;
}

void RtfParser::handleBodyWord(const RtfToken& token) {
    const QByteArray& word = token.word;
    if (const QChar c = rtfkeywords::characterFor(word); !c.isNull()) {
        appendText(QString(c));
    } else if (word == "par" || word == "row") {
        endParagraph();
    } else if (word == "page" || word == "sect") {
        // A break after a paragraph mark starts no paragraph of its own.
        if (builder_.paragraphHasText()) {
            endParagraph();
        }
    } else if (word == "deff") {
        defaultFont_ = token.param;
    } else if (word == "plain") {
        state().chars = CharState{};
    } else if (word == "pard") {
        paragraph_ = ParagraphState{};
    } else if (!handleCharacterFormat(token)) {
        handleParagraphFormat(token);
    }
}

bool RtfParser::handleCharacterFormat(const RtfToken& token) {
    const QByteArray& word = token.word;
    const bool on = !token.hasParam || token.param != 0;
    CharState& chars = state().chars;
    if (word == "b") {
        chars.bold = on;
    } else if (word == "i") {
        chars.italic = on;
    } else if (word == "strike" || word == "striked") {
        chars.strike = on;
    } else if (word == "ulnone" || rtfkeywords::isUnderline(word)) {
        chars.underline = on && word != "ulnone";
    } else if (word == "f") {
        chars.font = token.param;
    } else if (word == "fs") {
        chars.halfPoints =
            token.param > 0 ? std::min(token.param, kMaxHalfPoints) : kDefaultHalfPoints;
    } else if (word == "cf") {
        chars.color = token.param;
    } else if (word == "cb" || word == "highlight" || word == "chcbpat") {
        chars.background = token.param;
    } else {
        return false;
    }
    return true;
}

bool RtfParser::handleParagraphFormat(const RtfToken& token) {
    const QByteArray& word = token.word;
    const int twips = std::clamp(token.param, -kMaxIndentTwips, kMaxIndentTwips);
    if (word == "ql") {
        paragraph_.alignment = Qt::AlignLeft;
    } else if (word == "qc") {
        paragraph_.alignment = Qt::AlignHCenter;
    } else if (word == "qr") {
        paragraph_.alignment = Qt::AlignRight;
    } else if (word == "qj") {
        paragraph_.alignment = Qt::AlignJustify;
    } else if (word == "li") {
        paragraph_.leftTwips = twips;
    } else if (word == "ri") {
        paragraph_.rightTwips = twips;
    } else if (word == "fi") {
        paragraph_.firstTwips = twips;
    } else if (word == "ls") {
        paragraph_.list = token.hasParam ? token.param : 1;
    } else {
        return false;
    }
    return true;
}

void RtfParser::handleSymbol(int symbol) {
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        appendText(QString(QChar(symbol)));
        break;
    case '~':
        appendText(QString(QChar(0x00A0)));
        break;
    case '-':
        appendText(QString(QChar(0x00AD)));
        break;
    case '_':
        appendText(QString(QChar(0x2011)));
        break;
    case '*':
        state().starred = true;
        break;
    default:
        break;
    }
}

void RtfParser::appendText(const QString& text) {
    switch (state().destination) {
    case Destination::Body:
        builder_.appendText(text, charFormat());
        break;
    case Destination::FontTable:
        tables_.addFontText(text);
        break;
    case Destination::ColorTable:
        tables_.addColorText(text);
        break;
    case Destination::Skipped:
        break;
    }
}

void RtfParser::endParagraph() {
    builder_.endParagraph(blockFormat(), charFormat(), paragraph_.list);
}

QTextCharFormat RtfParser::charFormat() const {
    const CharState& chars = groups_.back().chars;
    QTextCharFormat format;
    if (const QString family = tables_.family(chars.font < 0 ? defaultFont_ : chars.font);
        !family.isEmpty()) {
        format.setFontFamilies({family});
    }
    format.setFontPointSize(chars.halfPoints / 2.0);
    if (chars.bold) {
        format.setFontWeight(QFont::Bold);
    }
    if (chars.italic) {
        format.setFontItalic(true);
    }
    if (chars.underline) {
        format.setFontUnderline(true);
    }
    if (chars.strike) {
        format.setFontStrikeOut(true);
    }
    if (const QColor color = tables_.color(chars.color); color.isValid()) {
        format.setForeground(color);
    }
    if (const QColor color = tables_.color(chars.background); color.isValid()) {
        format.setBackground(color);
    }
    return format;
}

// Bullet items take their indent from the list; only what lies beyond the
// usual bullet indent is the paragraph's own margin.
QTextBlockFormat RtfParser::blockFormat() const {
    QTextBlockFormat format;
    if (paragraph_.alignment != Qt::AlignLeft) {
        format.setAlignment(paragraph_.alignment);
    }
    const bool bullet = paragraph_.list != 0;
    const int leftTwips =
        bullet ? std::max(0, paragraph_.leftTwips - kBulletIndentTwips) : paragraph_.leftTwips;
    if (leftTwips != 0) {
        format.setLeftMargin(leftTwips / kTwipsPerPixel);
    }
    if (paragraph_.rightTwips != 0) {
        format.setRightMargin(paragraph_.rightTwips / kTwipsPerPixel);
    }
    if (!bullet && paragraph_.firstTwips != 0) {
        format.setTextIndent(paragraph_.firstTwips / kTwipsPerPixel);
    }
    return format;
}

} // namespace

bool looksLikeRtf(const QByteArray& bytes) {
    return bytes.startsWith("{\\rtf");
}

void readRtf(const QByteArray& bytes, QTextDocument& document) {
    RtfParser(bytes, document).run();
}
