#include "lessons/pruefung.h"

#include "drill/steuerzeile.h"
#include "keyboard/hervorhebung.h"
#include "keyboard/schemes.h"
#include "lessons/lektionsdatei.h"
#include "ui/rtfreader.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <climits>
#include <optional>

namespace {

const QString kOhneUebung = QStringLiteral("das Übungsfenster bleibt ohne Übung.");

struct Teiltastei {
    int zeile;
    QString tasten;
};

// Invisible characters are named by their code so that the teacher can find them.
QString zeichenName(QChar zeichen) {
    if (zeichen.isPrint() && !zeichen.isSpace()) {
        return QStringLiteral("\"%1\"").arg(zeichen);
    }
    return QStringLiteral("U+") +
           QString::number(zeichen.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

bool erzeugbar(QChar zeichen) {
    return tastei::tasteFuer(zeichen).has_value() || tastei::istAkzentbuchstabe(zeichen);
}

// Shown means labelled in the partial scheme; the keys without a character
// of their own (space bar, Return, Tab, Backspace, the shift keys) always are.
bool gezeigt(QChar zeichen, const QString& tasten) {
    if (tastei::istAkzentbuchstabe(zeichen)) {
        // Typed with the accent key and then the vowel: the learner needs both.
        return gezeigt(QChar(u'´'), tasten) && gezeigt(tastei::grundvokal(zeichen), tasten);
    }
    const std::optional<tastei::KeyId> taste = tastei::tasteFuer(zeichen);
    return taste && tastei::teilKeyLook(*taste, tasten).look == tastei::KeyLook::Shown;
}

void ersteZeilePruefen(const QStringList& zeilen, std::vector<Befund>& befunde) {
    // Loading drops the leading lines of length 0; the next one is the first.
    const auto erste = std::find_if(zeilen.begin(), zeilen.end(),
                                    [](const QString& zeile) { return !zeile.isEmpty(); });
    if (erste == zeilen.end()) {
        befunde.push_back({0, true, QStringLiteral("Das Skript ist leer; ") + kOhneUebung});
        return;
    }
    const int nummer = int(erste - zeilen.begin()) + 1;
    const QString zeile = SteuerStringNetto(*erste);
    if (zeile.isEmpty()) {
        befunde.push_back(
            {nummer, true,
             QStringLiteral("Die erste Zeile enthält nur Leerzeichen; ") + kOhneUebung});
    } else if (zeile.size() < 4) {
        befunde.push_back(
            {nummer, true,
             QStringLiteral("Die erste Zeile ist kürzer als vier Zeichen; ") + kOhneUebung});
    }
}

void wegPruefen(const QStringList& zeilen, int index, const QString& befehl,
                std::vector<Befund>& befunde) {
    if (!wegZeichen(befehl)) {
        befunde.push_back({index + 1, true,
                           QStringLiteral("Beim Kommandowort //Weg fehlt das Zeichen, dessen Weg "
                                          "erklärt werden soll.")});
        return;
    }
    const QString folgende = SteuerStringNetto(zeilen.value(index + 1));
    if (!folgende.isEmpty() && !istBefehlszeile(folgende)) {
        befunde.push_back({index + 1, true,
                           QStringLiteral("Auf //Weg folgt eine Übungszeile statt eines Tastei- "
                                          "oder Übungsbefehls; als Ersatz wird eine Volltastei "
                                          "verwendet.")});
    }
}

void uebungszeilePruefen(int index, const QString& zeile, const std::optional<Teiltastei>& teil,
                         std::vector<Befund>& befunde) {
    QString gesehen;
    QStringList verborgen;
    for (QChar zeichen : zeile) {
        if (gesehen.contains(zeichen)) {
            continue;
        }
        gesehen += zeichen;
        if (!erzeugbar(zeichen)) {
            befunde.push_back({index + 1, true,
                               QStringLiteral("Zeichen %1 wird von keiner Taste erzeugt.")
                                   .arg(zeichenName(zeichen))});
        } else if (teil && !gezeigt(zeichen, teil->tasten)) {
            verborgen << zeichenName(zeichen);
        }
    }
    if (!verborgen.isEmpty()) {
        befunde.push_back(
            {index + 1, true,
             QStringLiteral("Die Teiltastei aus Zeile %1 zeigt keine Taste für %2.")
                 .arg(QString::number(teil->zeile), verborgen.join(QStringLiteral(", ")))});
    }
}

} // namespace

std::vector<Befund> pruefeSkript(const QStringList& zeilen) {
    std::vector<Befund> befunde;
    ersteZeilePruefen(zeilen, befunde);
    bool handImpairedMode = false;
    bool ende = false;
    bool befehle = false;
    // The partial keyboard stays through info and correction lines, until the
    // next keyboard or exercise command or a finger path replaces it.
    std::optional<Teiltastei> teil;
    for (int index = 0; index < zeilen.size(); ++index) {
        const QString zeile = SteuerStringNetto(zeilen.at(index));
        if (zeile.isEmpty()) {
            continue;
        }
        if (!istBefehlszeile(zeile)) {
            uebungszeilePruefen(index, zeile, teil, befunde);
            continue;
        }
        befehle = true;
        const QString befehl = ohneBlankNachSlashes(zeile);
        if (befehl.size() < 4) {
            befunde.push_back(
                {index + 1, true,
                 QStringLiteral("Die Befehlszeile \"%1\" ist kürzer als vier Zeichen und wird "
                                "nicht als Kommandowort erkannt.")
                     .arg(zeile)});
            continue;
        }
        switch (befehlVon(befehl)) {
        case Befehl::Unbekannt:
            befunde.push_back(
                {index + 1, true,
                 QStringLiteral("Das Kommandowort \"%1\" hat unbekannte Kennbuchstaben \"%2\"; "
                                "die Zeile wird als Übungszeile geschrieben.")
                     .arg(zeile, befehl.mid(2, 2))});
            break;
        case Befehl::Hand:
            handImpairedMode = true;
            break;
        case Befehl::Teiltastei:
            teil = Teiltastei{index + 1, teilKeySet(befehl, handImpairedMode)};
            break;
        case Befehl::Weg:
            teil.reset();
            wegPruefen(zeilen, index, befehl, befunde);
            break;
        case Befehl::Ende:
            ende = true;
            teil.reset();
            break;
        case Befehl::Info:
        case Befehl::Korrektur:
        case Befehl::Grundstellung:
            break;
        default:
            teil.reset();
            break;
        }
    }
    // A copy text has no command at all and simply ends with its last line.
    if (befehle && !ende) {
        befunde.push_back({0, false, QStringLiteral("//Ende fehlt.")});
    }
    std::stable_sort(befunde.begin(), befunde.end(), [](const Befund& a, const Befund& b) {
        const auto rang = [](const Befund& befund) {
            return befund.zeile > 0 ? befund.zeile : INT_MAX;
        };
        return rang(a) < rang(b);
    });
    return befunde;
}

Skriptdatei skriptLesen(const QString& pfad) {
    Skriptdatei datei;
    const FileBytes roh = readFileBytes(pfad);
    datei.status = roh.status;
    if (datei.status != TextFileStatus::Ok) {
        return datei;
    }
    if (looksLikeRtf(roh.bytes)) {
        QTextDocument dokument;
        readRtf(roh.bytes, dokument);
        if (dokument.isEmpty()) {
            return datei;
        }
        for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
            datei.zeilen << block.text();
        }
        // The last paragraph mark ends the last line; it opens no new one.
        if (datei.zeilen.size() > 1 && datei.zeilen.last().isEmpty()) {
            datei.zeilen.removeLast();
        }
        return datei;
    }
    if (looksBinary(roh.bytes)) {
        datei.status = TextFileStatus::Binary;
        return datei;
    }
    const QString text = withoutFinalLineBreak(decodeFileText(roh.bytes));
    if (!text.isEmpty()) {
        datei.zeilen = text.split(QLatin1Char('\n'));
    }
    return datei;
}

Pruefbericht pruefbericht(const QString& name, const QStringList& skript) {
    Pruefbericht bericht;
    bericht.zeilen << QStringLiteral("%1: %2 Übungszeilen (Katalog), %3 (eigene Datei)")
                          .arg(name, QString::number(katalogUebungszeilen(skript)),
                               QString::number(eigeneUebungszeilen(skript)));
    for (const Befund& befund : pruefeSkript(skript)) {
        const QString ort = befund.zeile > 0
                                ? QStringLiteral("%1:%2").arg(name, QString::number(befund.zeile))
                                : name;
        bericht.zeilen << QStringLiteral("%1: %2: %3")
                              .arg(ort,
                                   befund.fehler ? QStringLiteral("Fehler")
                                                 : QStringLiteral("Hinweis"),
                                   befund.text);
        bericht.fehler = bericht.fehler || befund.fehler;
    }
    return bericht;
}
