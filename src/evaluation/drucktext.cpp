#include "evaluation/drucktext.h"

#include "evaluation/fehlerauswertung.h"

namespace auswertung {

namespace {

const QString kEinzug(8, QLatin1Char(' '));
constexpr int kZeilenbreite = 75;
constexpr int kRestbreite = 67;
// The last line of a page before the blank lines and the header of the next.
constexpr int kUmbruchNach = kSeitenzeilen - 1;
constexpr int kLeerVorKopf = 4;
// Name, summary and the empty line stand unwrapped below three blank lines.
constexpr int kKopfbereich = 2;

// Where a line longer than `breite` is cut: after its last blank within
// `breite` characters beyond `ab`, else hard at `breite`.
qsizetype schnitt(const QString& s, qsizetype breite, qsizetype ab) {
    const qsizetype leer = s.lastIndexOf(QLatin1Char(' '), breite - 1);
    return leer > ab ? leer + 1 : breite;
}

class Seitenbau {
public:
    void zeile(const QString& text) {
        // A page ends only when text follows it.
        if (d_.zeilen.size() == naechsterUmbruch_) {
            for (int n = 0; n < kLeerVorKopf; ++n) {
                d_.zeilen << kEinzug;
            }
            d_.kopfzeilen << static_cast<int>(d_.zeilen.size());
            d_.zeilen << kEinzug << kEinzug;
            naechsterUmbruch_ += kSeitenzeilen;
        }
        d_.zeilen << text;
    }
    void kopf() { d_.kopfzeilen << static_cast<int>(d_.zeilen.size()); }
    Drucktext ergebnis() { return d_; }

private:
    Drucktext d_;
    qsizetype naechsterUmbruch_ = kUmbruchNach;
};

} // namespace

QList<int> Drucktext::seitenanfaenge() const {
    QList<int> anfaenge;
    for (qsizetype s = 1; s < kopfzeilen.size(); ++s) {
        anfaenge << static_cast<int>(s) * kSeitenzeilen;
    }
    return anfaenge;
}

Drucktext drucktextBauen(const QStringList& anzeige) {
    Seitenbau bau;
    for (int n = 0; n < 3; ++n) {
        bau.zeile(kEinzug);
    }
    bau.kopf();
    for (qsizetype z = 0; z < anzeige.size() && z < kKopfbereich; ++z) {
        bau.zeile(kEinzug + anzeige[z]);
    }
    QString rest;
    for (qsizetype z = kKopfbereich; z < anzeige.size(); ++z) {
        if (anzeige[z].isEmpty() && rest.isEmpty()) {
            bau.zeile(kEinzug);
            continue;
        }
        const QString arbeit = kEinzug + rest + anzeige[z];
        rest.clear();
        if (arbeit.size() <= kZeilenbreite) {
            bau.zeile(arbeit);
            continue;
        }
        const qsizetype erster = schnitt(arbeit, kZeilenbreite, kEinzug.size() - 1);
        bau.zeile(arbeit.left(erster));
        rest = arbeit.mid(erster);
        while (rest.size() > kRestbreite) {
            const qsizetype s = schnitt(rest, kRestbreite, 0);
            bau.zeile(kEinzug + rest.left(s));
            rest = rest.mid(s);
        }
        const bool naechsteLeer = z + 1 >= anzeige.size() || anzeige[z + 1].isEmpty();
        if (rest.size() == kRestbreite || naechsteLeer) {
            bau.zeile(kEinzug + rest);
            rest.clear();
        }
    }
    if (!rest.isEmpty()) {
        bau.zeile(kEinzug + rest);
    }
    return bau.ergebnis();
}

QStringList kopfzeilen(int seiten, const QString& name, const QString& datum, bool hinweis) {
    const QString kopfname = kEinzug + (name.isEmpty() ? kNamenlos : name);
    QStringList k;
    for (int s = 1; s <= seiten; ++s) {
        QString zeile = kopfname + QStringLiteral("   Seite %1/%2").arg(s).arg(seiten);
        if (seiten == 1) {
            zeile += QStringLiteral("   ") + datum;
        }
        if (s == 1 && hinweis) {
            zeile += kNichtErkannt;
        }
        k << zeile;
    }
    return k;
}

} // namespace auswertung
