#pragma once

#include <QColor>
#include <QStringList>
#include <QTextEdit>

#include <functional>

class Platform;

// The rich-text field of the windows: lines by index (paragraphs, and the
// wrapped lines as the screen shows them), selection, clipboard, caret, flags,
// and loading and saving files.
class RichTextField : public QTextEdit {
    Q_OBJECT
public:
    RichTextField(Platform& platform, QWidget* parent = nullptr, const QString& name = {});

    // Paragraph lines. An empty field has no lines.
    int lineCount() const;
    QString line(int index) const;
    QStringList lines() const;
    // Writing the line just past the last one appends it.
    void setLine(int index, const QString& text);
    void appendLine(const QString& text);
    void setLines(const QStringList& lines);
    void clearText();

    // Lines as they are displayed, after word wrap.
    int displayLineCount();
    QString displayLine(int index);
    int displayLineOfPosition(int position);
    // The position within its displayed line.
    int displayColumnOfPosition(int position);
    // The paragraph that holds displayed line `index`, -1 past the end.
    int paragraphOfDisplayLine(int index);

    int caretPosition() const;
    void setCaretPosition(int position);
    // Paragraph index and 0-based column of the caret.
    int caretLine() const;
    int caretColumn() const;

    int selectionStart() const;
    int selectionLength() const;
    void setSelection(int start, int length);
    QString selectedPlainText() const;
    void replaceSelection(const QString& text);
    void deleteSelection();

    void cutToClipboard();
    void copyToClipboard();
    void pasteFromClipboard();

    void setWordWrap(bool on);
    // Lines wrap at `width` pixels whatever the field's size, so that two
    // fields of the same width, font and margin break a text alike.
    void setFixedWrapWidth(int width);
    bool wordWrap() const;
    bool isModified() const;
    void setModified(bool modified);

    // The font of the whole text; heights are written negative (-16).
    void setTextFont(const QString& family, int height, const QColor& color = Qt::black);

    // Loads a file: one that starts with "{\rtf" as rich text, any other as
    // plain text; a line longer than kMaxLineChars is refused. On failure the
    // field is unchanged and `error` holds the German reason; `beforeFilling`
    // runs once the file has been read, just before the field takes it.
    bool loadFile(const QString& path, QString* error,
                  const std::function<void()>& beforeFilling = {});
    // Plain text is Windows-1252 with CR LF. A save replaces the file only when
    // it succeeded; on failure `error` holds the German reason.
    bool savePlainText(const QString& path, QString* error) const;
    bool saveRtf(const QString& path, QString* error) const;

    // Prints the whole text as one job named `title`; false when the learner
    // cancelled or printing failed.
    bool print(const QString& title);

private:
    void ensureLayout();
    void dropFinalEmptyParagraph();

    Platform& platform_;
};
