#pragma once

#include <QString>

#include <ostream>

// Readable QStrings in failed expectations.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
