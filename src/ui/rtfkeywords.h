#pragma once

#include <QByteArray>
#include <QChar>

// What the reader knows about control words beyond formatting.
namespace rtfkeywords {

// Groups whose content is no body text: tables, metadata, pictures,
// headers and footers, field instructions, list markers.
bool isSkippedDestination(const QByteArray& word);

// \ul and its styled variants (\uldb, \ulwave, ...); \ulnone and the
// underline colour \ulc are no underline.
bool isUnderline(const QByteArray& word);

// The character a word like \emdash or \tab stands for, or a null QChar.
QChar characterFor(const QByteArray& word);

} // namespace rtfkeywords
