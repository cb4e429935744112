#include "drill/tastaturbelegung.h"

#include <array>

namespace tastaturbelegung {

namespace {

struct Ort {
    quint32 scancode;
    char16_t deutsch;
    const char16_t* beschreibung;
};

// evdev codes + 8; the character without shift on a German keyboard.
constexpr std::array<Ort, 7> kOrte{{
    {29, u'z', u"die Taste rechts neben T"},
    {52, u'y', u"die Taste links neben X"},
    {34, u'ü', u"die Taste rechts neben P"},
    {47, u'ö', u"die Taste rechts neben L"},
    {48, u'ä', u"die Taste rechts neben Ö"},
    {20, u'ß', u"die Taste rechts neben der 0"},
    {61, u'-', u"die Taste links neben der rechten Umschalttaste"},
}};

// The shifted characters of the same keys on a German keyboard.
QChar umgeschaltet(QChar c) {
    switch (c.unicode()) {
    case u'ß':
        return QLatin1Char('?');
    case u'-':
        return QLatin1Char('_');
    default:
        return c.toUpper();
    }
}

} // namespace

Befund pruefen(quint32 scancode, const QString& text) {
    if (text.size() != 1 || !text.at(0).isPrint()) {
        return {};
    }
    for (const Ort& ort : kOrte) {
        if (ort.scancode != scancode) {
            continue;
        }
        const QChar deutsch(ort.deutsch);
        const QChar bekommen = text.at(0);
        const bool passt = bekommen == deutsch || bekommen == umgeschaltet(deutsch);
        return {passt ? Urteil::Deutsch : Urteil::Fremd, QString::fromUtf16(ort.beschreibung),
                deutsch, bekommen};
    }
    return {};
}

QString meldung(const Befund& b) {
    return QString::fromUtf8(
               "Die Tastaturbelegung Ihres Systems ist offenbar nicht deutsch: %1 schreibt "
               "\"%2\" statt \"%3\".\rKasparo übt auf der deutschen Tastatur und würde richtige "
               "Anschläge als Fehler zählen. Stellen Sie die Tastaturbelegung auf Deutsch um, "
               "in den Einstellungen Ihrer Arbeitsumgebung unter Tastatur oder mit dem "
               "Befehl \"setxkbmap de\", und beginnen Sie die Lerneinheit dann neu.")
        .arg(b.ort, QString(b.bekommen), QString(b.deutsch));
}

} // namespace tastaturbelegung
