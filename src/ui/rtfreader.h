#pragma once

#include <QByteArray>

class QTextDocument;

// Reads RTF as WordPad, Word and LibreOffice write it: text, character and
// paragraph formatting, bullet lists. Whatever else the file holds is
// skipped, and damaged files give the text that could be read.

// True when the bytes begin like an RTF file.
bool looksLikeRtf(const QByteArray& bytes);

// Replaces the document's content with what `bytes` hold.
void readRtf(const QByteArray& bytes, QTextDocument& document);
