#include "evaluation/markierung.h"

namespace auswertung {

namespace {

const QChar kZeilenende = QLatin1Char('\n');
const QChar kLeer = QLatin1Char(' ');

// The text between pairs of `zeichen` gets `stil`; an opening mark without
// its partner is removed and styles nothing.
void paareUmsetzen(Darstellung& d, QChar zeichen, Stil stil) {
    const qsizetype letzteMarke = d.text.lastIndexOf(zeichen);
    const bool ungerade = d.text.count(zeichen) % 2 != 0;
    Darstellung neu;
    neu.text.reserve(d.text.size());
    bool offen = false;
    for (qsizetype p = 0; p < d.text.size(); ++p) {
        if (d.text[p] == zeichen) {
            offen = !offen && !(ungerade && p == letzteMarke);
            continue;
        }
        neu.text += d.text[p];
        neu.stile.push_back(static_cast<unsigned char>(d.stile[p] | (offen ? stil : 0)));
    }
    d = std::move(neu);
}

// From each "@" to the next blank (or the end of its line) underlined.
void fehlerUmsetzen(Darstellung& d) {
    Darstellung neu;
    neu.text.reserve(d.text.size());
    bool unterstreichen = false;
    for (qsizetype p = 0; p < d.text.size(); ++p) {
        const QChar c = d.text[p];
        if (c == QLatin1Char('@')) {
            unterstreichen = true;
            continue;
        }
        if (c == kLeer || c == kZeilenende) {
            unterstreichen = false;
        }
        neu.text += c;
        neu.stile.push_back(
            static_cast<unsigned char>(d.stile[p] | (unterstreichen ? Unterstrichen : 0)));
    }
    d = std::move(neu);
}

} // namespace

Darstellung markierungenUmsetzen(const QString& text) {
    Darstellung d{text,
                  std::vector<unsigned char>(static_cast<std::size_t>(text.size()), Schlicht)};
    paareUmsetzen(d, QLatin1Char('|'), Kursiv);
    paareUmsetzen(d, QLatin1Char('\\'), Fett);
    fehlerUmsetzen(d);
    return d;
}

} // namespace auswertung
