#include "auswertungszeit.h"

#include "evaluation/fehlerauswertung.h"

#include <random>
#include <stdexcept>

namespace {

constexpr unsigned kSaat = 20261209;
// One word in so many is mistyped.
constexpr int kFehlerAbstand = 20;
constexpr int kWoerterJeAbsatz = 60;
constexpr int kMinuten = 10;

const QStringList kWortschatz =
    QString::fromUtf8(
        "der die das und ist nicht ein eine mit auf für sich dem den von zu im Haus Garten Schule "
        "Lehrerin Tastatur Finger schreiben lernen Übung Zeile Taste richtig schnell langsam heute "
        "morgen Abend Wasser Straße Brücke fährt läuft sieht Fenster Tür Buch Seite Stunde Minute "
        "Woche Sommer Winter Frühling Herbst Bahnhof Zeitung Brief Freundin Familie arbeiten "
        "kochen "
        "Küche Tisch Stuhl grün blau gelb rot weiß klein groß alt neu jung Mädchen Junge Stadt "
        "Dorf "
        "Wiese Wald Berg Fluss Meer Insel Reise Koffer Karte Frage Antwort Wetter Regen Sonne")
        .split(QLatin1Char(' '));

// A word mistyped in one of the ways the evaluation names: two letters
// swapped, one left out, one doubled, one wrong, or the first letter's case.
QString vertippt(const QString& wort, int art) {
    QString w = wort;
    if (w.size() < 3) {
        return w + QLatin1Char('x');
    }
    switch (art % 5) {
    case 0:
        std::swap(w[1], w[2]);
        break;
    case 1:
        w.remove(1, 1);
        break;
    case 2:
        w.insert(1, w.at(1));
        break;
    case 3:
        w[1] = w.at(1) == QLatin1Char('e') ? QLatin1Char('a') : QLatin1Char('e');
        break;
    default:
        w[0] = w.at(0).isUpper() ? w.at(0).toLower() : w.at(0).toUpper();
        break;
    }
    return w;
}

class Woerter {
public:
    QString naechstes() {
        return kWortschatz.at(
            std::uniform_int_distribution<int>(0, kWortschatz.size() - 1)(zufall_));
    }

private:
    std::mt19937 zufall_{kSaat};
};

// The reference in paragraphs of a few lines' length, and the typed text with
// one word in twenty mistyped, until the keystrokes are reached.
struct Aufgabe {
    auswertung::Uebung uebung;
    // The errors the evaluation must find; none for an unrelated text, which
    // it may also fence off uncounted.
    int fehler = 0;
};

Aufgabe zehnMinuten(int anschlaege) {
    auswertung::Uebung uebung;
    uebung.korrektur = false;
    uebung.minuten = kMinuten;
    Woerter woerter;
    QStringList vorgabe;
    QStringList getippt;
    int zeichen = 0;
    int nummer = 0;
    while (zeichen < anschlaege) {
        const QString wort = woerter.naechstes();
        vorgabe << wort;
        getippt << (++nummer % kFehlerAbstand == 0 ? vertippt(wort, nummer / kFehlerAbstand)
                                                   : wort);
        zeichen += int(getippt.last().size()) + 1;
        if (nummer % kWoerterJeAbsatz == 0) {
            uebung.vorgabe << vorgabe.join(QLatin1Char(' ')) + QLatin1Char(' ') << QString();
            uebung.getippt << getippt.join(QLatin1Char(' ')) << QString();
            vorgabe.clear();
            getippt.clear();
        }
    }
    uebung.vorgabe << vorgabe.join(QLatin1Char(' ')) + QLatin1Char(' ');
    uebung.getippt << getippt.join(QLatin1Char(' '));
    uebung.anschlaege = zeichen;
    return {uebung, nummer / kFehlerAbstand};
}

// One paragraph of `woerter` words against a typed paragraph of as many
// other words: nothing matches, every search runs to its end.
Aufgabe fremderAbsatz(int woerter) {
    static const QStringList kFremd =
        QString::fromUtf8("Qualm Xylofon Yak Jux Pfiff Quiz Zwetschge Vlies Knick Hymne")
            .split(QLatin1Char(' '));
    auswertung::Uebung uebung;
    Woerter vorgabe;
    QStringList v;
    QStringList g;
    for (int i = 0; i < woerter; ++i) {
        v << vorgabe.naechstes();
        g << kFremd.at(i % kFremd.size());
    }
    uebung.vorgabe = {v.join(QLatin1Char(' ')) + QLatin1Char(' ')};
    uebung.getippt = {g.join(QLatin1Char(' '))};
    uebung.anschlaege = int(uebung.getippt.first().size());
    return {uebung, 0};
}

Messreihe messreihe(const QString& name, const Aufgabe& aufgabe, int wiederholungen) {
    Messreihe reihe(name);
    for (int i = 0; i < wiederholungen; ++i) {
        auswertung::Ergebnis ergebnis;
        reihe.hinzu(messen([&] { ergebnis = auswertung::fehlerAuswertung(aufgabe.uebung); }));
        const bool stimmt = aufgabe.fehler > 0 ? ergebnis.fehler == aufgabe.fehler
                                               : ergebnis.fehler > 0 || ergebnis.unerkannt;
        if (!stimmt) {
            throw std::runtime_error(QStringLiteral("%1: %2 errors counted, %3 made")
                                         .arg(name)
                                         .arg(ergebnis.fehler)
                                         .arg(aufgabe.fehler)
                                         .toStdString());
        }
    }
    return reihe;
}

} // namespace

std::vector<Messreihe> auswertungMessen(const Auswertungsumfang& umfang) {
    std::vector<Messreihe> reihen;
    reihen.push_back(
        messreihe(QStringLiteral("Zehn-Minuten-Übung, %1 Anschläge").arg(umfang.anschlaege),
                  zehnMinuten(umfang.anschlaege), umfang.wiederholungen));
    for (int woerter : umfang.absatzWoerter) {
        reihen.push_back(
            messreihe(QStringLiteral("Ein Absatz, %1 Wörter, fremder Text").arg(woerter),
                      fremderAbsatz(woerter), umfang.wiederholungen));
    }
    return reihen;
}
