#include "ui/cp1252.h"

#include <array>

namespace cp1252 {
namespace {

// 0x80..0x9F; the five unassigned bytes keep their C1 code points, as Windows does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isReplacedC1(char16_t u) {
    return u >= 0x80 && u <= 0x9F && kHighControls[u - 0x80] != u;
}

} // namespace

QString decode(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        text.append(u >= 0x80 && u <= 0x9F ? QChar(kHighControls[u - 0x80]) : QChar(u));
    }
    return text;
}

int byteFor(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x100) {
        return isReplacedC1(u) ? -1 : u;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == u) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

QByteArray encode(const QString& text, bool* lossless) {
    QByteArray bytes;
    bytes.reserve(text.size());
    bool allKnown = true;
    for (QChar c : text) {
        const int b = byteFor(c);
        if (b < 0) {
            allKnown = false;
            bytes.append('?');
        } else {
            bytes.append(static_cast<char>(b));
        }
    }
    if (lossless) {
        *lossless = allKnown;
    }
    return bytes;
}

} // namespace cp1252
