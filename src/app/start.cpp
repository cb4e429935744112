#include "app/start.h"

#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "app/lessondirectory.h"
#include "evaluation/lernverlauf.h"
#include "ui/qtplatform.h"
#include "ui/startmessung.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The program speaks German whatever the machine's locale, Qt's own dialogs
// included.
void deutschEinstellen(QApplication& app, QTranslator& translator) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    if (translator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&translator);
    }
}

void inLektionsverzeichnisWechseln() {
    const QString ziel = lessonDirectoryToUse(
        QDir::currentPath(), shippedLessonDirectories(QCoreApplication::applicationDirPath(),
                                                      QStringLiteral(KASPARO_SOURCE_DATA_DIR)));
    if (!ziel.isEmpty()) {
        QDir::setCurrent(ziel);
    }
}

} // namespace

int starte(int argc, char** argv, Edition edition) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kasparo"));
    // Only the start window ends the program; closing any other window,
    // even the last visible one, does not.
    QApplication::setQuitOnLastWindowClosed(false);
    QTranslator translator;
    deutschEinstellen(app, translator);
    inLektionsverzeichnisWechseln();

    QtPlatform platform;
    Anwendung anwendung(platform, edition);
    anwendung.state().LernverlaufDatei = lernverlauf::standardpfad();
    Startmessung::erstesBildMelden(&anwendung.FensterStart());
    anwendung.FensterStart().show();
    return app.exec();
}
