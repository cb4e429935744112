#include "trainer/assistentdaten.h"

namespace assistent {
namespace {

const char16_t* const kTitel[kTexte] = {
    u"Linkshändigkeit",
    u"Energieversorgung",
    u"Gämsen im ...",
    u"Bundesbaugesetz",
    u"Weihnachtspost",
    u"Währungsgefüge",
    u"Kraftwerke",
    u"Gebrauchtwagenkauf",
    u"Handwerksbetriebe",
    u"Wohnort und Arbeitsplatz",
    u"Umgang mit Geld",
    u"Gleichberechtigung",
    u"Schornsteinfeger",
    u"Alkohol",
    u"Rohstoff Holz",
    u"Testverfahren",
    u"Rohstoffe",
    u"Individuelles Lernen",
    u"Fischfang mit ...",
    u"Filmentwicklung",
    u"Hunger der Menschheit",
    u"Aufschub-Spezialisten",
    u"Geldzählautomaten",
    u"Lebenshaltungskosten",
    u"Briefmarkensammler",
    u"Kinder in der Klinik",
    u"Plastiktüten",
    u"Kaufvertrag",
    u"Sahelzone",
    u"Chinesische Mauer",
};

QString zweistellig(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QStringList texteintraege() {
    QStringList eintraege;
    for (int i = 0; i < kTexte; ++i) {
        eintraege << QStringLiteral(" Text %1  ").arg(zweistellig(i + 1)) +
                         QString::fromUtf16(kTitel[i]);
    }
    return eintraege;
}

QStringList gelaeufigkeitseintraege() {
    QStringList eintraege;
    for (int i = 0; i < kGelaeufigkeitseinheiten; ++i) {
        eintraege << QString::fromUtf8(" Geläufigkeitstraining  ") + zweistellig(i + 1);
    }
    return eintraege << QString() << QString();
}

QString textdatei(int zeile) {
    return zeile >= 0 && zeile < kTexte ? QStringLiteral("KP_TXT%1.VER").arg(zweistellig(zeile + 1))
                                        : QString();
}

QString gelaeufigkeitsdatei(int zeile) {
    return zeile >= 0 && zeile < kGelaeufigkeitseinheiten
               ? QStringLiteral("KP_GLS%1.VER").arg(zweistellig(zeile + 1))
               : QString();
}

} // namespace assistent
