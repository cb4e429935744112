#pragma once

#include <QString>

#include <vector>

// The marks of an evaluated text turned into character styles: the text
// between two "|" is italic (a paragraph without error), between two "\"
// bold (a stretch not aligned), from an "@" to the next blank underlined (a
// counted error). The "|", "\" and "@" themselves go.
namespace auswertung {

enum Stil : unsigned char { Schlicht = 0, Kursiv = 1, Fett = 2, Unterstrichen = 4 };

struct Darstellung {
    QString text;
    std::vector<unsigned char> stile; // one set of `Stil` bits per character of `text`
};

// `text` holds its lines separated by "\n".
Darstellung markierungenUmsetzen(const QString& text);

} // namespace auswertung
