#include "lessons/lektionsdatei.h"

#include "drill/steuerzeile.h"

#include <QFileInfo>

QStringList leerzeilenNormalisieren(const QStringList& zeilen) {
    QStringList ergebnis;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QString& zeile = zeilen.at(i);
        if (!zeile.isEmpty()) {
            ergebnis << zeile;
        } else if (!ergebnis.isEmpty() && i + 1 < zeilen.size() && !zeilen.at(i + 1).isEmpty()) {
            ergebnis << QString();
        }
    }
    return ergebnis;
}

int katalogUebungszeilen(const QStringList& zeilen) {
    int anzahl = 0;
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        const QString& zeile = zeilen.at(i);
        if (zeile.size() <= 2) {
            continue;
        }
        if (!zeile.startsWith(QLatin1String("//"))) {
            ++anzahl;
        } else if (kuendigtZusatzuebungAn(zeile)) {
            break;
        }
    }
    return anzahl;
}

int eigeneUebungszeilen(const QStringList& zeilen) {
    return zaehleUebungszeilen(zeilen, 0);
}

QString eigenerTitel(const QString& pfad, bool kompakt) {
    QString name = QFileInfo(pfad).fileName();
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    if (punkt >= 0) {
        name.truncate(punkt);
    }
    QString titel = QStringLiteral(" Kasparo 2003        Lerneinheit  ") + name;
    if (kompakt) {
        titel += QStringLiteral("               Version  MiniKasp");
    }
    return titel;
}
