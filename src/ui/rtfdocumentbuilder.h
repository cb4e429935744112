#pragma once

#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;
class QTextList;

// Puts the paragraphs the RTF reader finishes into a document. Text waits
// until its paragraph ends, because RTF may set paragraph properties after
// the text began, and a final paragraph mark must not leave an empty block.
class RtfDocumentBuilder {
public:
    explicit RtfDocumentBuilder(QTextDocument& document);
    // The document is laid out once, when the builder is done with it.
    ~RtfDocumentBuilder();
    RtfDocumentBuilder(const RtfDocumentBuilder&) = delete;
    RtfDocumentBuilder& operator=(const RtfDocumentBuilder&) = delete;

    void appendText(QString text, const QTextCharFormat& format);
    bool paragraphHasText() const { return !runs_.isEmpty(); }
    // `charFormat` is what an empty paragraph keeps for its height. A `list`
    // other than 0 makes the paragraph a bullet item; consecutive items with
    // the same `list` share one list.
    void endParagraph(const QTextBlockFormat& format, const QTextCharFormat& charFormat, int list);

private:
    struct Run {
        QString text;
        QTextCharFormat format;
    };

    void placeInList(int list);

    QTextCursor cursor_;
    QList<Run> runs_;
    bool firstParagraph_ = true;
    QTextList* list_ = nullptr;
    int listId_ = 0;
};
