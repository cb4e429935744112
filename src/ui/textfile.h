#pragma once

#include <QByteArray>
#include <QString>

// Reading and writing text files at the file boundary: Windows-1252 with CR LF,
// but a file written as UTF-8 in a Linux editor is read as UTF-8.

enum class TextFileStatus { Ok, Missing, Unreadable, TooLarge, Binary, LineTooLong };

struct TextFile {
    TextFileStatus status = TextFileStatus::Ok;
    QString text;
    bool wasUtf8 = false;
};

// Nothing the program reads legitimately comes near this size.
inline constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;

// Nor this length of one line: a paragraph of a copy text has a few thousand
// characters, and a text field takes seconds to lay out a line of millions.
inline constexpr qsizetype kMaxLineChars = 1'000'000;

// Text that begins with the byte-order mark of UTF-16 (either byte order) and
// decodes cleanly is UTF-16. Text with non-ASCII bytes that is valid UTF-8 is
// taken as UTF-8 (a leading byte-order mark is dropped); everything else is
// Windows-1252.
QString decodeFileText(const QByteArray& bytes, bool* wasUtf8 = nullptr);

struct FileBytes {
    TextFileStatus status = TextFileStatus::Ok;
    QByteArray bytes;
};

// The raw bytes of a file that exists, is readable and not too large.
FileBytes readFileBytes(const QString& path);

// A NUL byte never occurs in text, and always in images and programs; in
// UTF-16 text it is half of a character.
bool looksBinary(const QByteArray& bytes);

TextFile readTextFile(const QString& path);

// Line ends as "\n"; a text file's last line break ends its last line and
// opens no new one.
QString withoutFinalLineBreak(QString text);

// The German sentence for a failed read, naming the file.
QString readFailureMessage(TextFileStatus status, const QString& path);

// Lines joined by CR LF, each line ended, in Windows-1252.
QByteArray windowsText(const QString& textWithNewlines);

// Writes to a temporary file beside `path` and renames it over the target, so
// a failed save never leaves a half-written file. On failure `error` gets a
// German sentence and false is returned.
bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* error);
