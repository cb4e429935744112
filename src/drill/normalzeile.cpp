#include "drill/normalzeile.h"

#include "drill/steuerzeile.h"

namespace {

bool istUmbruch(QChar c) {
    return c == QLatin1Char(' ') || c == kZeilenfuge || c == QLatin1Char('\t');
}

// The last break within the cells in view; a line without one in view
// scrolls at the last cell, so the current cell never leaves the window.
int letzterUmbruch(const QString& zellen) {
    for (int i = kNormalzellen; i >= 1; --i) {
        if (istUmbruch(zellen.at(i - 1))) {
            return i;
        }
    }
    return kNormalzellen;
}

QString aufgefuellt(QString text) {
    if (text.size() < kNormalzellen) {
        text += QString(kNormalzellen - text.size(), QLatin1Char(' '));
    }
    return text;
}

} // namespace

Normalzeilenfenster normalzeileBeginnen(const QString& scriptLine) {
    Normalzeilenfenster fenster;
    fenster.zellen = aufgefuellt(scriptLine);
    fenster.umbruch = scriptLine.size() >= kNormalzellen ? letzterUmbruch(fenster.zellen) : 0;
    return fenster;
}

void normalzeileWeiter(Normalzeilenfenster& fenster) {
    ++fenster.aktuell;
    if (fenster.umbruch > 0 && fenster.aktuell > fenster.umbruch) {
        const int weg = fenster.umbruch;
        // Padded to a full window: a break in the last cell scrolls it all off.
        fenster.zellen =
            aufgefuellt(fenster.zellen.mid(weg) + QString(kNormalzellen - 1, QLatin1Char(' ')));
        fenster.aktuell -= weg;
        fenster.umbruch = letzterUmbruch(fenster.zellen);
    }
}

QString normalzellenText(QChar zeichen, bool aktuell) {
    if (zeichen == kZeilenfuge) {
        return QStringLiteral(" ");
    }
    if (zeichen == QLatin1Char('@')) {
        return QStringLiteral("«");
    }
    if (zeichen == QLatin1Char('-')) {
        return QStringLiteral("–");
    }
    if (zeichen == QLatin1Char('\t')) {
        return aktuell ? QStringLiteral(">") : QStringLiteral(" ");
    }
    if (zeichen == QLatin1Char('\r')) {
        return QStringLiteral(" ");
    }
    return QString(zeichen);
}

QString normalzeileVorbereiten(const QStringList& skript, int index, const QString& scriptLine,
                               Zeilenvorbereitung art) {
    const auto zeile = [&skript](int i) {
        return i >= 0 && i < skript.size() ? SteuerStringNetto(skript.at(i)) : QString();
    };
    QString text = scriptLine;
    int letzte = index;
    if (art.abschreibtext) {
        for (int i = index + 1; i < skript.size(); ++i) {
            const QString folgende = zeile(i);
            if (folgende.isEmpty() || folgende.startsWith(QLatin1Char('/'))) {
                break;
            }
            if (text.endsWith(QLatin1Char(' '))) {
                text.chop(1);
            }
            text += kZeilenfuge + folgende;
            letzte = i;
        }
    }
    const QString naechste = zeile(letzte + 1);
    if (!naechste.isEmpty() && !naechste.startsWith(QLatin1Char('/')) && !art.numpadMode) {
        text += QLatin1Char(' ');
    }
    if (art.abschreibtext) {
        while (text.endsWith(QLatin1Char(' '))) {
            text.chop(1);
        }
    }
    // On the keypad Return closes each line that another one follows.
    if (art.numpadMode && !naechste.isEmpty() && !text.endsWith(QLatin1Char('\r'))) {
        text += QLatin1Char('\r');
    }
    return text;
}
