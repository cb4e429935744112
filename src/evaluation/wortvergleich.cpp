#include "evaluation/wortvergleich.h"

#include <vector>

namespace auswertung {

namespace {

// Every search gives up after this many passes, and a paragraph is left
// after this many word positions, so that an evaluation always ends.
constexpr int kSuchlaeufe = 4000;
constexpr int kWortpositionen = 4000;

const QChar kLeer = QLatin1Char(' ');
const QChar kDoppelLeer = QLatin1Char('~');
const QChar kFehler = QLatin1Char('@');
const QChar kZaun = QLatin1Char('\\');
// Stands in the reference for typed words beyond its end; no typed word
// ends in "* " after a star.
const QString kFueller = QStringLiteral("* ");
const QString kAbsatzAbgebrochen = QStringLiteral(" <------>");

// Words of a paragraph from index 1; every word keeps its trailing blank. A
// slot beyond the end reads as empty, so the rules can look ahead freely.
class Woerter {
public:
    QString& operator[](int i) {
        if (i < 0) {
            leer_.clear();
            return leer_;
        }
        if (static_cast<std::size_t>(i) >= w_.size()) {
            w_.resize(static_cast<std::size_t>(i) + 1);
        }
        return w_[static_cast<std::size_t>(i)];
    }
    bool voll(int i) { return !(*this)[i].isEmpty(); }
    // Slot p is taken out; the words behind it move down.
    void entfernen(int p) {
        for (int q = p; q + 1 < groesse(); ++q) {
            (*this)[q] = (*this)[q + 1];
        }
        if (p < groesse()) {
            w_.back().clear();
        }
    }
    // The words from p on move up; slot p is free.
    void einfuegen(int p) {
        (*this)[groesse()];
        for (int q = groesse() - 1; q > p; --q) {
            (*this)[q] = (*this)[q - 1];
        }
        (*this)[p].clear();
    }

private:
    int groesse() const { return static_cast<int>(w_.size()); }
    std::vector<QString> w_;
    QString leer_;
};

bool endetLeer(const QString& s) {
    return s.endsWith(kLeer);
}

// Trailing blanks go, one character always stays.
void rechtsKuerzen(QString& s) {
    while (s.size() > 1 && s.endsWith(kLeer)) {
        s.chop(1);
    }
}

// Case folded as the comparison of case errors sees it: ASCII letters, and
// the first "ä", "ü" and "ö" of the word.
QString falten(const QString& wort) {
    QString f;
    f.reserve(wort.size());
    for (const QChar c : wort) {
        f += c.unicode() < 128 ? c.toUpper() : c;
    }
    for (const auto& [klein, gross] : {std::pair{u'ä', u'Ä'}, {u'ü', u'Ü'}, {u'ö', u'Ö'}}) {
        const qsizetype p = f.indexOf(QChar(klein));
        if (p >= 0) {
            f[p] = QChar(gross);
        }
    }
    return f;
}

// Positions where two words of equal length differ.
std::vector<int> abweichungen(const QString& a, const QString& b) {
    std::vector<int> p;
    for (int k = 0; k < a.size() && k < b.size(); ++k) {
        if (a[k] != b[k]) {
            p.push_back(k);
        }
    }
    return p;
}

// The first position within `laenge` where the two differ, else `laenge`.
int ersteAbweichung(const QString& a, const QString& b, int laenge) {
    for (int k = 0; k < laenge; ++k) {
        if (a[k] != b[k]) {
            return k;
        }
    }
    return laenge;
}

QString ohneErstesLeer(QString s) {
    const qsizetype p = s.indexOf(kLeer);
    if (p >= 0) {
        s.remove(p, 1);
    }
    return s;
}

class Vergleich {
public:
    Vergleich(const QString& eingabe, const QString& vorgabe) { aufteilen(eingabe, vorgabe); }

    Absatzvergleich ausfuehren(bool weitereEingabe) {
        woerterVergleichen();
        Absatzvergleich e;
        int w = 1;
        while (w <= nT_ && T[w].size() > 0) {
            e.absatz += T[w];
            ++w;
        }
        // Only a word of the reference is left out; a filler pushed beyond
        // the typed words by the alignment is none.
        if (!e.absatz.isEmpty() && weitereEingabe && !T.voll(w) && R.voll(w) && R[w] != kFueller) {
            e.absatz += kAbsatzAbgebrochen;
            ++fehler_;
        }
        e.fehler = fehler_;
        e.unerkannt = unerkannt_;
        return e;
    }

private:
    void aufteilen(const QString& eingabe, const QString& vorgabe) {
        nT_ = eingabe.isEmpty() ? 0 : 1;
        for (int p = 0; p < eingabe.size(); ++p) {
            T[nT_] += eingabe[p];
            if (eingabe[p] == kLeer && p + 1 < eingabe.size()) {
                if (eingabe[p + 1] == kLeer) {
                    T[nT_].back() = kDoppelLeer;
                } else {
                    ++nT_;
                }
            }
        }
        nR_ = vorgabe.isEmpty() ? 0 : 1;
        for (const QChar c : vorgabe) {
            R[nR_] += c;
            if (c == kLeer) {
                ++nR_;
            }
        }
        if (nT_ > nR_) {
            if (!endetLeer(R[nR_])) {
                R[nR_] += kLeer;
            }
            if (nT_ > nR_ + 1) {
                for (int k = nR_ + 1; k <= nT_; ++k) {
                    R[k] = kFueller;
                }
                nR_ = nT_;
            }
        }
    }

    void markieren(int i) {
        T[i] = kFehler + T[i];
        ++fehler_;
        gesetzt_ = true;
    }

    void referenzEntfernen(int p) {
        R.entfernen(p);
        --nR_;
    }

    void woerterVergleichen() {
        int i = 1;
        for (;;) {
            gesetzt_ = false;
            if (i == nT_) {
                letztesWortAngleichen(i);
            }
            if (T[i].isEmpty()) {
                return;
            }
            if (T[i] != R[i]) {
                if (fehlerFinden(i)) {
                    return;
                }
            }
            if (++i > kWortpositionen) {
                return;
            }
        }
    }

    // The learner may have stopped inside the last word: it is compared with
    // as much of the reference word as was typed.
    void letztesWortAngleichen(int i) {
        for (QString* w : {&T[i], &R[i]}) {
            if (w->size() > 1 && endetLeer(*w)) {
                w->chop(1);
            }
        }
        if (T.voll(i) && T[i].size() < R[i].size()) {
            R[i].truncate(T[i].size());
        }
    }

    // The rules for a word that differs from its reference word, in order;
    // true when the paragraph is finished.
    bool fehlerFinden(int& i) {
        if (i == nT_ && !R.voll(i)) {
            markieren(i);
        }
        if (!gesetzt_ && T[i].contains(kDoppelLeer)) {
            markieren(i);
        }
        if (!gesetzt_ && R.voll(i) && falten(T[i]) == falten(R[i])) {
            markieren(i);
        }
        if (!gesetzt_) {
            einzelneBuchstaben(i);
        }
        if (!gesetzt_ && i >= nT_) {
            letztesWort(i);
            return true;
        }
        if (!gesetzt_) {
            naechsteWoerter(i);
        }
        if (!gesetzt_) {
            getrenntOderZusammen(i);
        }
        if (!gesetzt_) {
            fehlendOderZusaetzlich(i);
        }
        if (!gesetzt_) {
            vorwaertsFinden(i);
        }
        if (!gesetzt_) {
            uebersprungenFinden(i);
        }
        if (!gesetzt_) {
            drittesSuchen(i);
        }
        if (!gesetzt_) {
            aufgeben(i);
            return true;
        }
        return false;
    }

    // One wrong, swapped, extra or missing letter.
    void einzelneBuchstaben(int i) {
        const QString& t = T[i];
        const QString& r = R[i];
        const bool beideLeer = endetLeer(t) && endetLeer(r);
        if (t.size() > 1 && r.size() > 1 && t.size() == r.size() && beideLeer &&
            abweichungen(t, r).size() == 1) {
            markieren(i);
            return;
        }
        if (t.size() <= 3 || r.size() <= 3 || !beideLeer) {
            return;
        }
        if (t.size() == r.size()) {
            const std::vector<int> p = abweichungen(t, r);
            if (p.size() != 2) {
                return;
            }
            for (const int k : p) {
                if (k + 1 < t.size() && t[k + 1] == r[k] && t[k] == r[k + 1]) {
                    markieren(i);
                    return;
                }
            }
        } else if (t.size() == r.size() + 1) {
            QString kopie = t;
            kopie.remove(ersteAbweichung(t, r, static_cast<int>(r.size())), 1);
            if (kopie == r) {
                markieren(i);
            }
        } else if (t.size() + 1 == r.size()) {
            QString kopie = r;
            kopie.remove(ersteAbweichung(t, r, static_cast<int>(t.size())), 1);
            if (kopie == t) {
                markieren(i);
            }
        }
    }

    void letztesWort(int& i) {
        if (i > nT_) {
            i = nT_;
        }
        if (T.voll(i) && R.voll(i) && T[i] != R[i]) {
            if (!T[i].startsWith(kFehler)) {
                T[i] = kFehler + T[i];
            }
            ++fehler_;
        }
    }

    // A wrong word after which the text agrees again.
    void naechsteWoerter(int i) {
        if (T.voll(i + 1) && R.voll(i + 1)) {
            const QString& t = T[i + 1];
            const QString& r = R[i + 1];
            if (t == r ||
                (t.size() >= 4 && t.size() == r.size() && abweichungen(t, r).size() == 1)) {
                markieren(i);
                return;
            }
        }
        if (nT_ > i + 2 && i + 2 < nR_ && T.voll(i + 2) && R.voll(i + 2) && T[i + 2] == R[i + 2]) {
            markieren(i);
        }
    }

    void getrenntOderZusammen(int i) {
        if (nT_ > i && T.voll(i) && T.voll(i + 1) && ohneErstesLeer(T[i] + T[i + 1]) == R[i]) {
            // A word split in two: both halves become one marked word.
            T[i] = kFehler + T[i].chopped(1) + kDoppelLeer + T[i + 1];
            ++fehler_;
            gesetzt_ = true;
            for (int p = i + 1; p < nT_; ++p) {
                T[p] = T[p + 1];
            }
            T[nT_].clear();
            --nT_;
            return;
        }
        if (i < nR_ && R[i].size() > 1 && R[i + 1].size() > 1 &&
            ohneErstesLeer(R[i] + R[i + 1]) == T[i]) {
            // Two words typed as one: the reference closes up, its count stays.
            markieren(i);
            R.entfernen(i);
        }
    }

    void fehlendOderZusaetzlich(int i) {
        if (R.voll(i + 1) && T.voll(i) && i < nR_ && T[i] == R[i + 1]) {
            T[i] = QStringLiteral("@<--> ") + T[i];
            ++fehler_;
            gesetzt_ = true;
            referenzEntfernen(i);
            return;
        }
        if (T.voll(i + 1) && R.voll(i) && i < nT_ && T[i + 1] == R[i]) {
            if (!endetLeer(T[nT_ - 1])) {
                T[nT_ - 1] += kLeer;
            }
            R.einfuegen(i);
            R[i] = T[i];
            if (endetLeer(T[i])) {
                T[i].chop(1);
            }
            T[i] = QStringLiteral("@<") + T[i] + QStringLiteral("> ");
            ++fehler_;
            ++nR_;
            gesetzt_ = true;
        }
    }

    // Extra typed text: further on, two typed words agree with two reference
    // words again. The stretch between is fenced off, not counted.
    void vorwaertsFinden(int& i) {
        int k = i;
        int j = i;
        for (int lauf = 0; lauf <= kSuchlaeufe; ++lauf) {
            if (R.voll(k) && R[k] == T[j] && T.voll(j + 1)) {
                if (!endetLeer(T[j + 1])) {
                    T[j + 1] += kLeer;
                }
                if (R.voll(k + 1) && R[k + 1] == T[j + 1]) {
                    T[i] = kZaun + T[i];
                    T[j - 1] += kZaun;
                    unerkannt_ = true;
                    while (T.voll(j) && R.voll(i) && T[j] != R[i]) {
                        R.entfernen(i);
                    }
                    for (int t = i; t < j; ++t) {
                        R.einfuegen(t);
                        QString wort = T[t];
                        const qsizetype zaun = wort.indexOf(kZaun);
                        if (zaun >= 0) {
                            wort.remove(zaun, 1);
                        }
                        R[t] = wort;
                    }
                    i = j;
                    gesetzt_ = true;
                    return;
                }
            }
            if (!R.voll(k) || k == nT_) {
                return;
            }
            if (j == nT_) {
                ++k;
                j = k;
            } else {
                ++j;
            }
        }
    }

    // Reference words the learner skipped, or replaced by one word.
    void uebersprungenFinden(int i) {
        int j = i;
        int k = i;
        for (int lauf = 0; lauf <= kSuchlaeufe; ++lauf) {
            if (R.voll(k) && R[k] == T[j] && R.voll(k + 1) && T.voll(j + 1) &&
                R[k + 1] == T[j + 1] && T.voll(i - 1) && R.voll(i - 1) && T.voll(i)) {
                if (T[i - 1] == R[i - 1] && T[i] == R[k]) {
                    T[i - 1] += QStringLiteral("\\<----->\\ ");
                    for (int n = 0; n < k - j; ++n) {
                        referenzEntfernen(i);
                    }
                    ++fehler_;
                    gesetzt_ = true;
                    return;
                }
                if (R.voll(i) && T.voll(i + 1) && T[i] != R[i] && T[i + 1] == R[k]) {
                    T[i] = QStringLiteral("\\<-- ") + T[i] + QStringLiteral("-->\\");
                    for (int n = 0; n < k - j; ++n) {
                        referenzEntfernen(i + 1);
                    }
                    ++fehler_;
                    gesetzt_ = true;
                    return;
                }
            }
            if (!R.voll(k) || j >= nT_) {
                return;
            }
            if (k == nR_) {
                ++j;
                k = j;
            } else {
                ++k;
            }
        }
    }

    // The last search for a place where two words agree again.
    void drittesSuchen(int& i) {
        int k = i;
        int j = i;
        const auto passen = [&] { return R.voll(k) && T.voll(j) && R[k] == T[j]; };
        for (int lauf = 0; lauf <= kSuchlaeufe; ++lauf) {
            while (R.voll(k) && T.voll(j) && R[k] != T[j] && k < nR_ && k < nT_) {
                ++k;
            }
            if (R.voll(k) && T.voll(j) && R[k] != T[j] && j < nT_) {
                k = i;
                ++j;
            }
            if (passen()) {
                if (j >= nT_ || k >= nR_) {
                    ++i;
                } else if (wiederGefunden(i, j, k)) {
                    return;
                }
            }
            if (j >= nT_) {
                return;
            }
        }
    }

    // Two words agree at typed j and reference k; true when the search ends.
    bool wiederGefunden(int& i, int j, int k) {
        if (j + 1 >= nT_) {
            rechtsKuerzen(T[j + 1]);
            rechtsKuerzen(R[k + 1]);
        }
        bool ende = false;
        if (R.voll(k + 1) && T.voll(j + 1) && R[k + 1] == T[j + 1]) {
            T[i] = kZaun + T[i];
            T[j - 1] += kZaun;
            unerkannt_ = true;
            gesetzt_ = true;
            ende = true;
        }
        if (T.voll(j) && R.voll(j)) {
            if (T[j] == R[j]) {
                i = j;
            } else {
                for (int n = 0; n < j - i + 1; ++n) {
                    referenzEntfernen(i + 1);
                }
            }
        }
        ++i;
        return ende;
    }

    // Nothing aligns: the rest of the paragraph is fenced off, uncounted.
    void aufgeben(int i) {
        while (!T.voll(i) && i > 1) {
            --i;
        }
        if (T.voll(i)) {
            T[i] = kZaun + T[i];
        }
        for (int m = nT_; m >= 1; --m) {
            if (T.voll(m)) {
                T[m] += kZaun;
                break;
            }
        }
        unerkannt_ = true;
    }

    Woerter T;
    Woerter R;
    int nT_ = 0;
    int nR_ = 0;
    int fehler_ = 0;
    bool unerkannt_ = false;
    bool gesetzt_ = false;
};

} // namespace

Absatzvergleich absatzVergleichen(const QString& eingabe, const QString& vorgabe,
                                  bool weitereEingabe) {
    return Vergleich(eingabe, vorgabe).ausfuehren(weitereEingabe);
}

} // namespace auswertung
