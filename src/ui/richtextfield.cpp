#include "ui/richtextfield.h"

#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/rtfreader.h"
#include "ui/rtfwriter.h"
#include "ui/textfile.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace {

// Selections and blocks hold paragraph and line separators; callers see "\n".
QString withNewlines(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

// The length of the longest of the lines, which end in "\n" or in a
// paragraph separator.
qsizetype longestLine(const QString& text) {
    qsizetype longest = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text.at(i) == QLatin1Char('\n') ||
            text.at(i) == QChar::ParagraphSeparator) {
            longest = std::max(longest, i - start);
            start = i + 1;
        }
    }
    return longest;
}

} // namespace

RichTextField::RichTextField(Platform& platform, QWidget* parent, const QString& name)
    : QTextEdit(parent), platform_(platform) {
    setObjectName(name);
}

int RichTextField::lineCount() const {
    return document()->isEmpty() ? 0 : document()->blockCount();
}

QString RichTextField::line(int index) const {
    return document()->findBlockByNumber(index).text();
}

QStringList RichTextField::lines() const {
    QStringList result;
    const int count = lineCount();
    for (int i = 0; i < count; ++i) {
        result << line(i);
    }
    return result;
}

void RichTextField::setLine(int index, const QString& text) {
    if (index < 0 || index > lineCount()) {
        return;
    }
    if (index == lineCount()) {
        appendLine(text);
        return;
    }
    QTextCursor cursor(document()->findBlockByNumber(index));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

void RichTextField::appendLine(const QString& text) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (!document()->isEmpty()) {
        cursor.insertBlock();
    }
    cursor.insertText(text);
}

void RichTextField::setLines(const QStringList& lines) {
    setPlainText(lines.join('\n'));
}

void RichTextField::clearText() {
    clear();
}

void RichTextField::ensureLayout() {
    if (lineWrapMode() == QTextEdit::WidgetWidth) {
        document()->setTextWidth(viewport()->width());
    }
    document()->documentLayout()->documentSize();
}

int RichTextField::displayLineCount() {
    ensureLayout();
    int count = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        count += std::max(1, block.layout()->lineCount());
    }
    return count;
}

QString RichTextField::displayLine(int index) {
    ensureLayout();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const int lines = layout->lineCount();
        if (index < std::max(1, lines)) {
            if (lines == 0) {
                return {};
            }
            const QTextLine textLine = layout->lineAt(index);
            return withNewlines(block.text().mid(textLine.textStart(), textLine.textLength()));
        }
        index -= std::max(1, lines);
    }
    return {};
}

int RichTextField::displayLineOfPosition(int position) {
    ensureLayout();
    int before = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int lines = std::max(1, block.layout()->lineCount());
        if (block.contains(position) || !block.next().isValid()) {
            const int inBlock = position - block.position();
            const int lineInBlock = block.layout()->lineCount() > 0
                                        ? block.layout()->lineForTextPosition(inBlock).lineNumber()
                                        : 0;
            return before + std::max(0, lineInBlock);
        }
        before += lines;
    }
    return before;
}

int RichTextField::displayColumnOfPosition(int position) {
    ensureLayout();
    const QTextBlock block = document()->findBlock(position);
    if (!block.isValid() || block.layout()->lineCount() == 0) {
        return 0;
    }
    const int inBlock = position - block.position();
    const QTextLine textLine = block.layout()->lineForTextPosition(inBlock);
    return textLine.isValid() ? inBlock - textLine.textStart() : inBlock;
}

int RichTextField::paragraphOfDisplayLine(int index) {
    ensureLayout();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int lines = std::max(1, block.layout()->lineCount());
        if (index < lines) {
            return block.blockNumber();
        }
        index -= lines;
    }
    return -1;
}

int RichTextField::caretPosition() const {
    return textCursor().position();
}

void RichTextField::setCaretPosition(int position) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(position, 0, document()->characterCount() - 1));
    setTextCursor(cursor);
}

int RichTextField::caretLine() const {
    return textCursor().blockNumber();
}

int RichTextField::caretColumn() const {
    return textCursor().positionInBlock();
}

int RichTextField::selectionStart() const {
    return textCursor().selectionStart();
}

int RichTextField::selectionLength() const {
    return textCursor().selectionEnd() - textCursor().selectionStart();
}

void RichTextField::setSelection(int start, int length) {
    const int last = document()->characterCount() - 1;
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(start, 0, last));
    cursor.setPosition(std::clamp(start + length, 0, last), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString RichTextField::selectedPlainText() const {
    return withNewlines(textCursor().selectedText());
}

void RichTextField::replaceSelection(const QString& text) {
    textCursor().insertText(text);
}

void RichTextField::deleteSelection() {
    textCursor().removeSelectedText();
}

void RichTextField::cutToClipboard() {
    if (textCursor().hasSelection() && !isReadOnly()) {
        platform_.setClipboardText(selectedPlainText());
        deleteSelection();
    }
}

void RichTextField::copyToClipboard() {
    if (textCursor().hasSelection()) {
        platform_.setClipboardText(selectedPlainText());
    }
}

void RichTextField::pasteFromClipboard() {
    if (!isReadOnly()) {
        replaceSelection(platform_.clipboardText());
    }
}

void RichTextField::setWordWrap(bool on) {
    setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void RichTextField::setFixedWrapWidth(int width) {
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    setLineWrapColumnOrWidth(width);
    document()->setTextWidth(width);
}

bool RichTextField::wordWrap() const {
    return lineWrapMode() != QTextEdit::NoWrap;
}

bool RichTextField::isModified() const {
    return document()->isModified();
}

void RichTextField::setModified(bool modified) {
    document()->setModified(modified);
}

void RichTextField::setTextFont(const QString& family, int height, const QColor& color) {
    QFont font(family);
    font.setPixelSize(pixelSizeForHeight(height));
    setFont(font);
    document()->setDefaultFont(font);
    QTextCharFormat format;
    format.setFont(font);
    format.setForeground(color);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    setCurrentCharFormat(format);
}

bool RichTextField::loadFile(const QString& path, QString* error,
                             const std::function<void()>& beforeFilling) {
    const FileBytes file = readFileBytes(path);
    TextFileStatus status = file.status;
    const bool rtf = status == TextFileStatus::Ok && looksLikeRtf(file.bytes);
    if (status == TextFileStatus::Ok && !rtf && looksBinary(file.bytes)) {
        status = TextFileStatus::Binary;
    }
    QString text;
    if (status == TextFileStatus::Ok && !rtf) {
        text = withoutFinalLineBreak(decodeFileText(file.bytes));
        if (longestLine(text) > kMaxLineChars) {
            status = TextFileStatus::LineTooLong;
        }
    } else if (status == TextFileStatus::Ok && file.bytes.size() > kMaxLineChars) {
        // Only a file of more bytes than the limit can hold so long a paragraph.
        QTextDocument probe;
        readRtf(file.bytes, probe);
        if (longestLine(probe.toPlainText()) > kMaxLineChars) {
            status = TextFileStatus::LineTooLong;
        }
    }
    if (status != TextFileStatus::Ok) {
        if (error) {
            *error = readFailureMessage(status, path);
        }
        return false;
    }
    if (beforeFilling) {
        beforeFilling();
    }
    if (rtf) {
        readRtf(file.bytes, *document());
        dropFinalEmptyParagraph();
        // As after plain text: the file is where undoing stops, else one
        // undo would take the whole document away.
        document()->clearUndoRedoStacks();
    } else {
        setPlainText(text);
    }
    document()->setModified(false);
    return true;
}

void RichTextField::dropFinalEmptyParagraph() {
    // Like the last line break of a plain file, the last paragraph mark of an
    // RTF file ends the last line and opens no new one.
    if (document()->blockCount() > 1 && document()->lastBlock().text().isEmpty()) {
        QTextCursor cursor(document()->lastBlock());
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
}

bool RichTextField::savePlainText(const QString& path, QString* error) const {
    return writeFileSafely(path, windowsText(withNewlines(toPlainText())), error);
}

bool RichTextField::saveRtf(const QString& path, QString* error) const {
    return writeFileSafely(path, writeRtf(*document()), error);
}

bool RichTextField::print(const QString& title) {
    return platform_.print(*document(), title);
}
