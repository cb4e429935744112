#pragma once

#include <QByteArray>
#include <QString>

// Text as RTF body bytes in Windows-1252: ASCII as is, other Windows-1252
// characters as \'hh, the rest as \uN with '?' for readers without Unicode.
// Braces and backslashes are escaped, tabs and line separators become
// \tab and \line; control characters and images are left out.
QByteArray rtfEscaped(const QString& text);
