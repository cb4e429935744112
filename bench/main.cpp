#include "auswertungszeit.h"
#include "tastenlatenz.h"

#include <QApplication>
#include <QStringList>
#include <QTextStream>

#include <exception>

// kasparo-bench: prints, for each case, the median, the 99th percentile and
// the maximum in milliseconds. "--kurz" runs every case a few times only, to
// see that each still works; its figures say nothing.

namespace {

void ausgeben(QTextStream& aus, const QString& titel, const std::vector<Messreihe>& reihen) {
    aus << Messreihe::kopf(titel) << '\n';
    for (const Messreihe& reihe : reihen) {
        aus << reihe.zeile() << '\n';
    }
    aus << '\n';
    aus.flush();
}

} // namespace

int main(int argc, char** argv) {
    // Measured as the tests run: without a display, on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const bool kurz = QApplication::arguments().contains(QStringLiteral("--kurz"));
    Tastenumfang tasten;
    Auswertungsumfang auswertung;
    if (kurz) {
        tasten = {.richtig = 40, .falsch = 4, .trainer = 40, .trainerAbsaetze = 3};
        auswertung = {.wiederholungen = 1, .anschlaege = 400, .absatzWoerter = {100}};
    }
    QTextStream aus(stdout);
    try {
        ausgeben(aus, QStringLiteral("Anschlag bis zum fertigen Bild (ms)"),
                 tastenlatenzMessen(tasten));
        ausgeben(aus, QStringLiteral("Fehlerauswertung (ms)"), auswertungMessen(auswertung));
    } catch (const std::exception& fehler) {
        QTextStream(stderr) << "kasparo-bench: " << fehler.what() << '\n';
        return 1;
    }
    return 0;
}
