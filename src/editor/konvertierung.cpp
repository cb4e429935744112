#include "editor/konvertierung.h"

#include "ui/cp1252.h"

#include <array>
#include <utility>

namespace konvertierung {

namespace {

// DOS code page 437/850 byte -> Windows-1252 byte.
constexpr std::array<std::pair<unsigned char, unsigned char>, 8> kTabelle{{
    {0x84, 0xE4}, // ä
    {0x94, 0xF6}, // ö
    {0x81, 0xFC}, // ü
    {0x8E, 0xC4}, // Ä
    {0x99, 0xD6}, // Ö
    {0x9A, 0xDC}, // Ü
    {0xE1, 0xDF}, // ß
    {0x15, 0xA7}, // §
}};

constexpr int kNummernlaenge = 3;

QChar umsetzen(QChar c) {
    const int byte = cp1252::byteFor(c);
    for (const auto& [dos, windows] : kTabelle) {
        if (byte == dos) {
            return cp1252::decode(QByteArray(1, static_cast<char>(windows))).front();
        }
    }
    return c;
}

} // namespace

QString asciiNachAnsi(const QString& zeile) {
    QString neu;
    neu.reserve(zeile.size());
    for (const QChar c : zeile) {
        neu += umsetzen(c);
    }
    if (neu.size() > kNummernlaenge && neu[2] == QLatin1Char(')') && neu[1].isDigit() &&
        neu[1].unicode() < 128) {
        neu.remove(0, kNummernlaenge);
    }
    return neu;
}

} // namespace konvertierung
