#include "ui/rtfdocumentbuilder.h"

#include <QTextDocument>
#include <QTextList>

#include <utility>

namespace {

QTextDocument* cleared(QTextDocument& document) {
    document.clear();
    return &document;
}

// Characters QTextDocument would turn into blocks or frames of their own;
// paragraphs come from the paragraph marks only.
bool isStructural(QChar c) {
    return (c.unicode() < 0x20 && c != u'\t') || c == QChar::ParagraphSeparator ||
           c == QChar(0xFDD0) || c == QChar(0xFDD1);
}

} // namespace

// Outside an edit block every insertion lays out its whole paragraph again,
// so a paragraph of many formatted runs would take time by the square of its
// length.
RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument& document) : cursor_(cleared(document)) {
    cursor_.beginEditBlock();
}

RtfDocumentBuilder::~RtfDocumentBuilder() {
    cursor_.endEditBlock();
}

void RtfDocumentBuilder::appendText(QString text, const QTextCharFormat& format) {
    text.removeIf(isStructural);
    if (text.isEmpty()) {
        return;
    }
    if (!runs_.isEmpty() && runs_.last().format == format) {
        runs_.last().text += text;
    } else {
        runs_.append({text, format});
    }
}

void RtfDocumentBuilder::endParagraph(const QTextBlockFormat& format,
                                      const QTextCharFormat& charFormat, int list) {
    if (firstParagraph_) {
        cursor_.setBlockFormat(format);
        cursor_.setBlockCharFormat(charFormat);
        firstParagraph_ = false;
    } else {
        cursor_.insertBlock(format, charFormat);
    }
    for (const Run& run : std::as_const(runs_)) {
        cursor_.insertText(run.text, run.format);
    }
    runs_.clear();
    placeInList(list);
}

// Consecutive items of one list share a QTextList, as in the word processor.
void RtfDocumentBuilder::placeInList(int list) {
    if (list == 0) {
        list_ = nullptr;
    } else if (list_ && list == listId_) {
        list_->add(cursor_.block());
    } else {
        QTextListFormat format;
        format.setStyle(QTextListFormat::ListDisc);
        format.setIndent(1);
        list_ = cursor_.createList(format);
    }
    listId_ = list;
}
