#include "ui/rtfescape.h"

#include "ui/cp1252.h"

namespace {

void appendHexByte(QByteArray& out, int byte) {
    out.append("\\'");
    out.append(QByteArray::number(byte, 16).rightJustified(2, '0'));
}

// RTF parameters are signed 16-bit numbers.
void appendUnicode(QByteArray& out, char16_t unit) {
    out.append("\\u");
    out.append(QByteArray::number(static_cast<qint16>(unit)));
    out.append('?');
}

} // namespace

QByteArray rtfEscaped(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\\' || c == u'{' || c == u'}') {
            out.append('\\');
            out.append(static_cast<char>(c.unicode()));
        } else if (c == u'\t') {
            out.append("\\tab ");
        } else if (c == QChar::LineSeparator) {
            out.append("\\line ");
        } else if (c.unicode() < 0x20 || c == QChar::ObjectReplacementCharacter) {
            continue; // control characters, and the places of images, which are not written
        } else if (const int byte = cp1252::byteFor(c); byte < 0) {
            appendUnicode(out, c.unicode());
        } else if (byte >= 0x80) {
            appendHexByte(out, byte);
        } else {
            out.append(static_cast<char>(byte));
        }
    }
    return out;
}
