#pragma once

#include <QString>

// German text typed in a DOS code page and read as Windows-1252: its umlauts,
// "ß" and "§" stand as other characters. The conversion puts them right and
// removes line numbers of the form "1) ".
namespace konvertierung {

// One line converted: the bytes of the table replaced, every other character
// kept; a line longer than three characters whose second character is a
// digit and whose third is ")" loses its first three.
QString asciiNachAnsi(const QString& zeile);

} // namespace konvertierung
