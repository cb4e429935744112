#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252 is the single-byte code of every lesson file, text and saved
// result. In memory each byte is one QChar, so positions stay those of the file.
namespace cp1252 {

QString decode(const QByteArray& bytes);

// Characters that Windows-1252 lacks become '?'; `lossless` tells whether any did.
QByteArray encode(const QString& text, bool* lossless = nullptr);

// The byte for `c`, or -1 when Windows-1252 has no such character.
int byteFor(QChar c);

} // namespace cp1252
