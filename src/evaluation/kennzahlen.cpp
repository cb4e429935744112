#include "evaluation/kennzahlen.h"

#include <QLocale>

#include <algorithm>
#include <vector>

namespace kennzahlen {

namespace {

constexpr double kMsJeMinute = 60000.0;
// The wrong keys named below a drill result, most often missed first.
constexpr std::size_t kGenannteTasten = 10;

QString dezimal(double wert) {
    return QLocale(QLocale::German, QLocale::Germany).toString(wert, 'f', 1);
}

} // namespace

Kennzahlen von(int anschlaege, int fehler, qint64 schreibzeitMs) {
    Kennzahlen k;
    k.anschlaege = anschlaege;
    k.fehler = fehler;
    k.schreibzeitMs = schreibzeitMs;
    return k;
}

double anschlaegeJeMinute(const Kennzahlen& k) {
    return k.schreibzeitMs > 0 ? k.anschlaege * kMsJeMinute / double(k.schreibzeitMs) : 0.0;
}

double fehlerquote(const Kennzahlen& k) {
    return k.anschlaege > 0 ? 100.0 * k.fehler / k.anschlaege : 0.0;
}

QString tastenname(char16_t zeichen) {
    switch (zeichen) {
    case u' ':
        return QStringLiteral("Leertaste");
    case u'\r':
        return QStringLiteral("Eingabetaste");
    case u'\t':
        return QStringLiteral("Tabulator");
    case u'@':
        return QString::fromUtf8("Rücktaste");
    default:
        return QString(QChar(zeichen));
    }
}

QStringList zeilen(const Kennzahlen& k) {
    if (k.schreibzeitMs <= 0 || k.anschlaege <= 0) {
        return {};
    }
    QStringList ergebnis{QString(),
                         QString::fromUtf8("Tempo: %1 Anschläge je Minute   Fehlerquote: %2 %")
                             .arg(dezimal(anschlaegeJeMinute(k)), dezimal(fehlerquote(k)))};
    if (!k.falschJeTaste.empty()) {
        std::vector<std::pair<char16_t, int>> tasten(k.falschJeTaste.begin(),
                                                     k.falschJeTaste.end());
        std::stable_sort(tasten.begin(), tasten.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        QStringList genannt;
        for (std::size_t i = 0; i < std::min(kGenannteTasten, tasten.size()); ++i) {
            genannt
                << QStringLiteral("%1 %2").arg(tastenname(tasten[i].first)).arg(tasten[i].second);
        }
        ergebnis << QString::fromUtf8("Falsche Anschläge je Taste: ") +
                        genannt.join(QStringLiteral(", "));
    }
    return ergebnis;
}

} // namespace kennzahlen
