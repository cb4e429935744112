#pragma once

#include <QByteArray>

class QTextDocument;

// The document as RTF in Windows-1252 with CR LF line ends, for WordPad,
// Word, LibreOffice and readRtf: text, fonts, sizes, colours, bold, italic,
// underline, strike-out, alignment, indents and bullet lists.
QByteArray writeRtf(const QTextDocument& document);
