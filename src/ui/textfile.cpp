#include "ui/textfile.h"

#include <algorithm>

#include "ui/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <optional>

namespace {

// The text of a file whose byte-order mark says UTF-16, when it is that: an
// odd length or a NUL character (UTF-32 begins with the same two bytes) make
// it something else.
std::optional<QString> utf16Text(const QByteArray& bytes) {
    const bool le = bytes.startsWith("\xFF\xFE");
    const bool be = bytes.startsWith("\xFE\xFF");
    if ((!le && !be) || bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    QStringDecoder utf16(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                         QStringDecoder::Flag::Stateless);
    QString text = utf16.decode(QByteArrayView(bytes).sliced(2));
    if (utf16.hasError() || text.contains(QChar(0))) {
        return std::nullopt;
    }
    return text;
}

} // namespace

QString decodeFileText(const QByteArray& bytes, bool* wasUtf8) {
    if (std::optional<QString> text = utf16Text(bytes)) {
        if (wasUtf8) {
            *wasUtf8 = false;
        }
        return *text;
    }
    QByteArray body = bytes;
    const bool bom = body.startsWith("\xEF\xBB\xBF");
    if (bom) {
        body.remove(0, 3);
    }
    const bool nonAscii =
        std::any_of(body.cbegin(), body.cend(), [](char b) { return (b & 0x80) != 0; });
    if (nonAscii || bom) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(body);
        if (!utf8.hasError()) {
            if (wasUtf8) {
                *wasUtf8 = true;
            }
            return text;
        }
    }
    if (wasUtf8) {
        *wasUtf8 = false;
    }
    return cp1252::decode(bytes);
}

FileBytes readFileBytes(const QString& path) {
    FileBytes result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.status = TextFileStatus::Missing;
        return result;
    }
    if (!info.isFile()) {
        result.status = TextFileStatus::Unreadable;
        return result;
    }
    if (info.size() > kMaxTextFileBytes) {
        result.status = TextFileStatus::TooLarge;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = TextFileStatus::Unreadable;
        return result;
    }
    result.bytes = file.read(kMaxTextFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.status = TextFileStatus::Unreadable;
    } else if (result.bytes.size() > kMaxTextFileBytes) {
        result.status = TextFileStatus::TooLarge;
    }
    if (result.status != TextFileStatus::Ok) {
        result.bytes.clear();
    }
    return result;
}

bool looksBinary(const QByteArray& bytes) {
    return bytes.contains('\0') && !utf16Text(bytes);
}

TextFile readTextFile(const QString& path) {
    TextFile result;
    const FileBytes file = readFileBytes(path);
    result.status = file.status;
    if (result.status == TextFileStatus::Ok && looksBinary(file.bytes)) {
        result.status = TextFileStatus::Binary;
    }
    if (result.status == TextFileStatus::Ok) {
        result.text = decodeFileText(file.bytes, &result.wasUtf8);
    }
    return result;
}

QString withoutFinalLineBreak(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    return text;
}

QString readFailureMessage(TextFileStatus status, const QString& path) {
    const QString name = QDir::toNativeSeparators(path);
    switch (status) {
    case TextFileStatus::Ok:
        return {};
    case TextFileStatus::Missing:
        return QStringLiteral("Die Datei \"%1\" ist nicht vorhanden.").arg(name);
    case TextFileStatus::Unreadable:
        return QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.").arg(name);
    case TextFileStatus::TooLarge:
        return QStringLiteral("Die Datei \"%1\" ist zu groß (mehr als %2 MB).")
            .arg(name)
            .arg(kMaxTextFileBytes / (1024 * 1024));
    case TextFileStatus::Binary:
        return QStringLiteral("Die Datei \"%1\" ist keine Textdatei.").arg(name);
    case TextFileStatus::LineTooLong:
        static_assert(kMaxLineChars == 1'000'000, "the message names the limit");
        return QString::fromUtf8("Die Datei \"%1\" enthält eine Zeile mit mehr als einer "
                                 "Million Zeichen.")
            .arg(name);
    }
    return {};
}

QByteArray windowsText(const QString& textWithNewlines) {
    QString text = textWithNewlines;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QByteArray bytes;
    if (text.isEmpty()) {
        return bytes;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        bytes += cp1252::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    QString reason;
    // The bytes wait in a buffer: a disk that fills up while it is emptied
    // shows only in flush(), and commit() would rename the cut-off file over
    // the old one and report success. Without a commit the temporary file goes.
    if (ok && (file.write(bytes) != bytes.size() || !file.flush())) {
        ok = false;
        reason = QStringLiteral("Die Daten konnten nicht vollständig geschrieben werden.");
    }
    ok = ok && file.commit();
    if (!ok && error) {
        *error = QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\r%2")
                     .arg(QDir::toNativeSeparators(path),
                          reason.isEmpty() ? file.errorString() : reason);
    }
    return ok;
}
