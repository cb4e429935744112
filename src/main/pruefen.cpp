#include "lessons/pruefung.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

void ausgeben(std::FILE* ziel, const QString& zeile) {
    std::fputs(zeile.toUtf8().constData(), ziel);
    std::fputc('\n', ziel);
}

} // namespace

// Checks the lesson scripts named on the command line. Exit status: 0 without
// errors, 1 with errors, 2 when a file could not be read.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList pfade = QCoreApplication::arguments().mid(1);
    if (pfade.isEmpty()) {
        ausgeben(stderr, QStringLiteral("Aufruf: kasparo-pruefen DATEI..."));
        return 2;
    }
    bool fehler = false;
    bool unlesbar = false;
    for (const QString& pfad : pfade) {
        const Skriptdatei datei = skriptLesen(pfad);
        if (datei.status != TextFileStatus::Ok) {
            ausgeben(stderr, readFailureMessage(datei.status, pfad));
            unlesbar = true;
            continue;
        }
        const Pruefbericht bericht = pruefbericht(pfad, datei.zeilen);
        for (const QString& zeile : bericht.zeilen) {
            ausgeben(stdout, zeile);
        }
        fehler = fehler || bericht.fehler;
    }
    if (unlesbar) {
        return 2;
    }
    return fehler ? 1 : 0;
}
