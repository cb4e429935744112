#include "trainer/anschlaege.h"

#include "ui/tasten.h"

#include <algorithm>

namespace anschlaege {
namespace {

const QString kOhneUmschalt = QString::fromUtf8(" #+,-.0123456789abcdefghijklmnopqrstuvwxyzßäöü");
const QString kMitUmschalt = QString::fromUtf8("!\"$%'()*/:;=?ABCDEFGHIJKLMNOPQRSTUVWXYZ_§°ÄÖÜ");

// Keys that type nothing and are not counted.
bool zaehltNicht(int key) {
    switch (key) {
    case 0:
    case Qt::Key_Tab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_Pause:
    case Qt::Key_Escape:
    case Qt::Key_Print:
    case Qt::Key_SysReq:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Clear:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Menu:
        return true;
    default:
        return istBewegungstaste(key);
    }
}

// While typing, "<" and ">" count like their keys.
int geloeschterWert(QChar zeichen) {
    if (zeichen == QLatin1Char('<')) {
        return 1;
    }
    if (zeichen == QLatin1Char('>')) {
        return 2;
    }
    return wert(zeichen);
}

} // namespace

int wert(QChar zeichen) {
    if (kOhneUmschalt.contains(zeichen)) {
        return 1;
    }
    return kMitUmschalt.contains(zeichen) ? 2 : 0;
}

int neuZaehlen(const QStringList& zeilen) {
    int summe = 0;
    for (const QString& zeile : zeilen) {
        if (zeile.isEmpty()) {
            summe += 2;
            continue;
        }
        for (QChar zeichen : zeile) {
            summe += wert(zeichen);
        }
    }
    return summe;
}

void Zaehler::taste(int key, Qt::KeyboardModifiers modifiers) {
    if (zaehltNicht(key)) {
        return;
    }
    const bool nurUmschalt = (modifiers & ~Qt::KeypadModifier) == Qt::ShiftModifier;
    stand_ += nurUmschalt ? 2 : 1;
}

void Zaehler::loeschen(const QString& zeile, int spalte, bool rueckwaerts) {
    if (zeile.isEmpty()) {
        return;
    }
    int abzug = 0;
    if (rueckwaerts && spalte == 0) {
        // The line break goes, and is then judged like a removed blank.
        abzug = 1 + wert(QLatin1Char(' '));
    } else {
        const int stelle = rueckwaerts ? spalte - 1 : spalte;
        if (stelle >= 0 && stelle < zeile.size()) {
            abzug = geloeschterWert(zeile.at(stelle));
        }
    }
    stand_ = std::max(0, stand_ - abzug);
}

} // namespace anschlaege
