#include "evaluation/fehlerauswertung.h"

#include "evaluation/wortvergleich.h"

namespace auswertung {

namespace {

// The repetition separator and the end marker of the reference begin with
// "[--"; this many characters of them are cut out.
const QString kMarkeAnfang = QStringLiteral("[--");
constexpr int kMarkenlaenge = 67;

// Lines as paragraphs: a run of lines ended by one empty line. Reading past
// the last line ends the paragraph too.
class Absatzleser {
public:
    explicit Absatzleser(const QStringList& zeilen) : zeilen_(zeilen) {}

    QString naechster() {
        QString absatz;
        for (;;) {
            absatz += zeile(index_);
            ++index_;
            if (index_ < zeilen_.size() && zeile(index_).isEmpty()) {
                ++index_;
                return absatz;
            }
            if (index_ > zeilen_.size()) {
                return absatz;
            }
        }
    }
    // The reference skips an empty line instead of reading a paragraph.
    QString naechsterOderLeer() {
        if (zeile(index_).isEmpty()) {
            ++index_;
            return {};
        }
        return naechster();
    }
    int index() const { return static_cast<int>(index_); }
    int anzahl() const { return static_cast<int>(zeilen_.size()); }

private:
    QString zeile(qsizetype i) const {
        return i >= 0 && i < zeilen_.size() ? zeilen_[i] : QString();
    }
    const QStringList& zeilen_;
    qsizetype index_ = 0;
};

void rechtsKuerzen(QString& s) {
    while (s.size() > 1 && s.endsWith(QLatin1Char(' '))) {
        s.chop(1);
    }
}

void markenEntfernen(QString& vorgabe) {
    const qsizetype marke = vorgabe.indexOf(kMarkeAnfang);
    if (marke < 0) {
        return;
    }
    vorgabe.remove(marke, kMarkenlaenge);
    const qsizetype klammer = vorgabe.indexOf(QLatin1Char(']'));
    if (klammer >= 0) {
        vorgabe[klammer] = QLatin1Char(' ');
    }
}

} // namespace

Ergebnis fehlerAuswertung(const Uebung& uebung) {
    Ergebnis e;
    QStringList text;
    const auto absatzAnhaengen = [&text](const QString& absatz) {
        text << absatz + QLatin1Char(' ') << QString() << QString();
    };
    Absatzleser getippt(uebung.getippt);
    Absatzleser vorgabe(uebung.vorgabe);
    bool fertig = false;
    while (!fertig) {
        QString eingabe = getippt.naechster();
        if (vorgabe.anzahl() < vorgabe.index()) {
            fertig = true;
        }
        QString referenz = uebung.auswertung ? vorgabe.naechsterOderLeer() : QString();
        if (getippt.index() >= getippt.anzahl()) {
            fertig = true;
        }
        rechtsKuerzen(referenz);
        markenEntfernen(referenz);
        rechtsKuerzen(eingabe);
        if (uebung.auswertung && !eingabe.isEmpty() && referenz.isEmpty()) {
            // The reference is used up: the rest stands as typed, uncounted.
            e.unerkannt = true;
            text << kUeberschuss << QString();
            absatzAnhaengen(eingabe);
            while (getippt.index() < getippt.anzahl()) {
                QString absatz = getippt.naechster();
                rechtsKuerzen(absatz);
                absatzAnhaengen(absatz);
            }
            break;
        }
        if (uebung.auswertung && !eingabe.isEmpty()) {
            // An exercise stopped inside this paragraph is not blamed for
            // the part nobody could type.
            const bool imAbsatzBeendet = getippt.anzahl() < getippt.index();
            if (imAbsatzBeendet && eingabe.size() < referenz.size() &&
                referenz.startsWith(eingabe)) {
                referenz.truncate(eingabe.size());
            }
            if (eingabe == referenz) {
                eingabe = QLatin1Char('|') + eingabe + QLatin1Char('|');
            } else {
                const Absatzvergleich v =
                    absatzVergleichen(eingabe, referenz, getippt.anzahl() > getippt.index());
                eingabe = v.absatz;
                e.fehler += v.fehler;
                e.unerkannt = e.unerkannt || v.unerkannt;
            }
        }
        absatzAnhaengen(eingabe);
    }
    while (text.size() > 1 && text.last().isEmpty()) {
        text.removeLast();
    }
    e.zeilen << kNamenlos
             << zusammenfassung(uebung.korrektur, uebung.anschlaege, uebung.auswertung, e.fehler,
                                uebung.minuten)
             << QString() << text;
    return e;
}

QString zusammenfassung(bool korrektur, int anschlaege, bool auswertung, int fehler, int minuten) {
    QString s = korrektur ? QStringLiteral("Mit Korrektur  ") : QStringLiteral("Ohne Korrektur  ");
    if (anschlaege >= 0) {
        s += QString::number(anschlaege) + QString::fromUtf8(" Anschläge  ");
    }
    if (!auswertung) {
        s += QStringLiteral("Ohne Auswertung  ");
    } else if (fehler >= 0) {
        s += QString::number(fehler) + QStringLiteral(" Fehler  ");
    }
    if (minuten == 1) {
        s += QStringLiteral("1 Minute");
    } else if (minuten > 0) {
        s += QString::number(minuten) + QStringLiteral(" Minuten");
    }
    return s;
}

} // namespace auswertung
