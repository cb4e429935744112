#include "evaluation/ergebnisdokument.h"

#include "evaluation/markierung.h"

#include <QFont>
#include <QTextCursor>
#include <QTextDocument>

namespace auswertung {

void ergebnisSetzen(QTextDocument& dokument, const QStringList& zeilen, bool markiert,
                    const QFont& schrift) {
    const QString text = zeilen.join(QLatin1Char('\n'));
    const Darstellung d =
        markiert ? markierungenUmsetzen(text)
                 : Darstellung{text, std::vector<unsigned char>(
                                         static_cast<std::size_t>(text.size()), Schlicht)};
    dokument.setDefaultFont(schrift);
    dokument.setPlainText(d.text);
    QTextCursor cursor(&dokument);
    QTextCharFormat grund;
    grund.setFont(schrift);
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(grund);
    std::size_t anfang = 0;
    while (anfang < d.stile.size()) {
        std::size_t ende = anfang;
        while (ende < d.stile.size() && d.stile[ende] == d.stile[anfang]) {
            ++ende;
        }
        if (const unsigned char stil = d.stile[anfang]; stil != Schlicht) {
            QTextCharFormat format;
            format.setFontItalic((stil & Kursiv) != 0);
            format.setFontWeight((stil & Fett) != 0 ? QFont::Bold : QFont::Normal);
            format.setFontUnderline((stil & Unterstrichen) != 0);
            cursor.setPosition(static_cast<int>(anfang));
            cursor.setPosition(static_cast<int>(ende), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(format);
        }
        anfang = ende;
    }
}

} // namespace auswertung
