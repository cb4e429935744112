// Photographs every window of the school edition in its typical states on the
// screen it runs on, for looking at the layout of each screen class:
//   kasparo-fotos ZIELORDNER
// Run it under a display of the size to look at (scripts/fotos does so for
// every size). It answers no message box: it only shows windows.
#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "drill/Tastaturschreiben.h"
#include "evaluation/Textanzeige.h"
#include "keyboard/Informationen.h"
#include "lessons/AuswahlLektionen.h"
#include "trainer/Schreibtrainer.h"
#include "trainer/TrainerAssi.h"
#include "ui/panel.h"
#include "ui/programstate.h"
#include "ui/qtplatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

// Lets the windows settle, then saves the whole screen.
class Fotograf {
public:
    explicit Fotograf(QString ordner) : ordner_(std::move(ordner)) {}

    void foto(const QString& name) {
        warten(400);
        const QString pfad = QDir(ordner_).filePath(name + QStringLiteral(".png"));
        if (!QGuiApplication::primaryScreen()->grabWindow(0).save(pfad)) {
            std::fprintf(stderr, "Kann %s nicht schreiben.\n", qPrintable(pfad));
        }
    }

    static void warten(int ms) {
        for (int n = 0; n < ms / 20; ++n) {
            QCoreApplication::processEvents();
            QThread::msleep(20);
        }
    }

private:
    QString ordner_;
};

void klicken(QWidget* w) {
    const QPointF mitte(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent druck(QEvent::MouseButtonPress, mitte, w->mapToGlobal(mitte), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &druck);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fputs("Aufruf: kasparo-fotos ZIELORDNER\n", stderr);
        return 2;
    }
    Fotograf fotograf(QString::fromLocal8Bit(argv[1]));
    QDir::setCurrent(QStringLiteral(KASPARO_SOURCE_DIR "/data"));

    QtPlatform platform;
    Anwendung anwendung(platform, Edition::School);
    TFensterStart& start = anwendung.FensterStart();
    start.show();
    fotograf.foto(QStringLiteral("01-start"));

    start.TastaturschreibenClick();
    fotograf.foto(QStringLiteral("02-auswahl-menue"));
    TFensterLektionen& lektionen = anwendung.FensterLektionen();
    lektionen.TastaturschulungClick();
    fotograf.foto(QStringLiteral("03-auswahl-liste"));
    lektionen.hide();

    TFensterTastaturschreiben& drill = anwendung.FensterTastaturschreiben();
    const std::vector<std::pair<QString, QStringList>> uebungen{
        {QStringLiteral("04-tastatur"),
         {QStringLiteral("//Volltastei"), QString::fromUtf8("asdf jklö")}},
        {QStringLiteral("05-teiltastei"),
         {QStringLiteral("//Teiltastei: er"), QStringLiteral("der reis")}},
        {QStringLiteral("06-wortaufbau"), {QStringLiteral("//Wortaufbau"), QStringLiteral("Wort")}},
        {QStringLiteral("07-rasterzeile"),
         {QStringLiteral("//Rasterzeile"), QStringLiteral("raster")}},
        {QStringLiteral("08-normalzeile"),
         {QStringLiteral("//Normalzeile"), QStringLiteral("eine normale Zeile")}},
    };
    for (const auto& [name, skript] : uebungen) {
        drill.EinheitUebernehmen(QStringLiteral("Lerneinheit zum Ansehen"), skript,
                                 static_cast<int>(skript.size()));
        start.hide();
        fotograf.foto(name);
    }
    drill.InfoImInfofeld(QStringLiteral("//Info: Die Informationszeilen stehen hier."), 1);
    drill.InfoImInfofeld(QString::fromUtf8("//Info: Jede Zeile hat ihren Platz im grünen Feld."),
                         2);
    fotograf.foto(QStringLiteral("09-informationszeilen"));
    drill.EinheitUebernehmen(QStringLiteral("Lerneinheit zum Ansehen"),
                             {QStringLiteral("asdf"), QStringLiteral("jkl")}, 2);
    klicken(drill.KlickZeile);
    fotograf.foto(QStringLiteral("10-gehe-zu-zeile"));
    drill.hide();

    start.show();
    start.SchreibtrainerClick();
    fotograf.foto(QStringLiteral("11-assistent"));
    anwendung.FensterAssi().hide();

    QTemporaryDir ordner;
    const QString text = ordner.filePath(QStringLiteral("abschrift.st"));
    QFile datei(text);
    if (datei.open(QIODevice::WriteOnly)) {
        datei.write("Der Zug f\xe4hrt heute p\xfcnktlich ab.\r\n\r\nAlle steigen ein, und die "
                    "T\xfcren schlie\xdf"
                    "en sich.\r\n");
        datei.close();
    }
    ProgramState& st = anwendung.state();
    st.trainerZuruecksetzen();
    st.TrainerScreenText = true;
    st.TrainerCorrection = true;
    st.TrainerEvaluation = true;
    st.TrainerTimed = true;
    st.TrainerTimeSeconds = 600;
    TFensterSchreibtrainer& trainer = anwendung.FensterSchreibtrainer();
    trainer.Vorbereiten();
    start.hide();
    trainer.TextVorgabe(text);
    fotograf.foto(QStringLiteral("12-trainer"));
    anwendung.FensterInformationen().hide();
    fotograf.foto(QStringLiteral("13-trainer-ohne-hinweis"));
    trainer.hide();

    st.KeystrokeCount = 87;
    TFensterTextanzeige& ergebnis = anwendung.FensterTextanzeige();
    ergebnis.FehlerAuswertung(
        {QString::fromUtf8("Der Zug fährt heute pünktlcih ab."), QString(),
         QString::fromUtf8("Alle steigen ein und die Tühren schließen sich.")},
        {QString::fromUtf8("Der Zug fährt heute pünktlich ab. "), QString(),
         QString::fromUtf8("Alle steigen ein, und die Türen schließen sich. ")});
    fotograf.foto(QStringLiteral("14-ergebnis"));
    ergebnis.hide();

    start.show();
    start.InfoDateiAufrufen(QStringLiteral("InTastatur.RTF"));
    fotograf.foto(QStringLiteral("15-information"));
    return 0;
}
