#include "ui/textfile.h"

#include <algorithm>

#include "ui/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

QString decodeFileText(const QByteArray& bytes, bool* wasUtf8) {
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
    return bytes.contains('\0');
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
    const bool ok =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok && error) {
        *error = QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\r%2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    return ok;
}
