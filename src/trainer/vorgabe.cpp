#include "trainer/vorgabe.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

namespace vorgabe {
namespace {

constexpr std::array<const char*, 13> kEinmaligeTexte = {
    "03C", "04C", "06C", "07C", "09C", "10C", "12C", "13C", "14C", "15C", "16C", "17C", "18C"};

const QString kTitel = QStringLiteral(" Kasparo  2003          Fließtext-Training    ");
const QString kLerneinheit = QStringLiteral("Lerneinheit  ");
const QString kKatalogtext = QStringLiteral("_TXT");
// The extension letters that the caption of a catalogue text drops.
constexpr int kEndungslaenge = 3;

void leereZeilenAmEndeEntfernen(QStringList& zeilen) {
    while (!zeilen.isEmpty() && zeilen.last().isEmpty()) {
        zeilen.removeLast();
    }
}

QString zweistellig(int zahl) {
    return QStringLiteral("%1").arg(zahl, 2, 10, QLatin1Char('0'));
}

} // namespace

bool ohneWiederholung(const QString& dateiname) {
    const QString name = QFileInfo(dateiname).fileName();
    return std::ranges::any_of(
        kEinmaligeTexte, [&](const char* code) { return name.contains(QLatin1String(code)); });
}

QStringList absaetze(const QStringList& dateizeilen) {
    QStringList ergebnis;
    QString absatz;
    bool imAbsatz = false;
    for (const QString& zeile : dateizeilen) {
        // A line of blanks looks empty and is taken as empty.
        if (zeile.trimmed().isEmpty()) {
            if (imAbsatz) {
                ergebnis << absatz << QString();
                absatz.clear();
                imAbsatz = false;
            }
            continue;
        }
        absatz += zeile.endsWith(QLatin1Char(' ')) ? zeile : zeile + QLatin1Char(' ');
        imAbsatz = true;
    }
    if (imAbsatz) {
        ergebnis << absatz;
    }
    leereZeilenAmEndeEntfernen(ergebnis);
    return ergebnis;
}

QStringList aufbereiten(const QStringList& dateizeilen, const QString& dateiname,
                        bool amBildschirm) {
    const QStringList text = absaetze(dateizeilen);
    QStringList ergebnis = text;
    if (!ohneWiederholung(dateiname)) {
        ergebnis << (amBildschirm ? kWiederholung : QString()) << text;
        leereZeilenAmEndeEntfernen(ergebnis);
    }
    if (amBildschirm) {
        ergebnis << kEndemarke;
    }
    return ergebnis;
}

QString fenstertitel(const QString& pfad, const QString& zusatz) {
    const QString datei = QFileInfo(pfad).fileName();
    QString name = datei.left(std::max<qsizetype>(0, datei.size() - kEndungslaenge));
    if (!name.contains(kKatalogtext)) {
        return kTitel + datei + zusatz;
    }
    // "KP_TXT07." leaves the number of the text.
    name.remove(name.indexOf(QLatin1Char('.')), 1);
    const auto vorNummer = [](QChar c) {
        return c == QLatin1Char('-') || c == QLatin1Char('_') ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    };
    while (!name.isEmpty() && vorNummer(name.front())) {
        name.remove(0, 1);
    }
    return kTitel + kLerneinheit + name + zusatz;
}

QString zeitvorgabe(int minuten) {
    if (minuten <= 0) {
        return QStringLiteral("  Ohne Zeitvorgabe");
    }
    if (minuten == 1) {
        return QStringLiteral("  Zeit: 1 Minute");
    }
    return QStringLiteral("  Zeit: ") + QString::number(minuten) + QStringLiteral(" Minuten");
}

QString restzeit(int sekunden) {
    const int rest = std::max(0, sekunden);
    return QStringLiteral("  Restzeit  ") + zweistellig(rest / 60) + QLatin1Char(':') +
           zweistellig(rest % 60);
}

QString position(int zeile, int spalte, int vorgabezeilen) {
    QString text = QStringLiteral("Zeile ") + zweistellig(zeile + 1);
    if (vorgabezeilen >= 0) {
        text += QStringLiteral(" von ") + QString::number(vorgabezeilen);
    }
    return text + QStringLiteral("   Zeichen ") + zweistellig(spalte);
}

} // namespace vorgabe
