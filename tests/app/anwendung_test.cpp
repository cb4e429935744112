#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "drill/Tastaturschreiben.h"
#include "evaluation/Lernfortschritt.h"
#include "evaluation/Textanzeige.h"
#include "evaluation/lernverlauf.h"
#include "keyboard/Informationen.h"
#include "layout/MonitorAnpassen.h"
#include "lessons/AuswahlLektionen.h"
#include "support/qtprinters.h"
#include "support/testplatform.h"
#include "ui/panel.h"
#include "ui/richtextfield.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList visibleMenuButtons(const TFensterStart& start) {
    QStringList captions;
    for (const QPushButton* button : start.Startmenue->findChildren<QPushButton*>()) {
        if (!button->isHidden() && button->text() != QStringLiteral("Info")) {
            captions << button->text();
        }
    }
    return captions;
}

// Runs the event loop as the program does; true when it ended by itself.
bool eventLoopEnds() {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    return QApplication::exec() == 0;
}

} // namespace

QStringList namen(const Anwendung& anwendung) {
    QStringList names;
    for (const QWidget* fenster : anwendung.fenster()) {
        names << fenster->objectName();
    }
    return names;
}

TEST(StartUp, TheStartWindowComesFirstAndEveryOtherWindowIsMadeOnceWhenFirstAsked) {
    TestPlatform platform;
    platform.screenSize = {800, 600};
    Anwendung anwendung(platform, Edition::School);
    EXPECT_EQ(namen(anwendung), (QStringList{"FensterStart", "FensterBildschirmAnpassen"}));
    EXPECT_EQ(anwendung.fenster().front(), &anwendung.FensterStart());

    // The lesson list brings the windows it works with.
    TFensterLektionen* lektionen = &anwendung.FensterLektionen();
    EXPECT_EQ(namen(anwendung),
              (QStringList{"FensterStart", "FensterBildschirmAnpassen", "FensterTastaturschreiben",
                           "FensterTextanzeige", "FensterInformationen", "FensterSchreibtrainer",
                           "FensterLektionen"}));
    EXPECT_EQ(&anwendung.FensterLektionen(), lektionen);
    EXPECT_EQ(anwendung.fenster().size(), 7u);

    anwendung.FensterTexteditor();
    anwendung.FensterAssi();
    anwendung.FensterTexteditor();
    EXPECT_EQ(namen(anwendung).size(), 9);
    EXPECT_EQ(namen(anwendung).removeDuplicates(), 0);

    // A window made after the screen class was settled is laid out for it, as
    // a new layout of all windows would lay it out.
    TFensterTastaturschreiben& drill = anwendung.FensterTastaturschreiben();
    const QRect zuerst = drill.geometry();
    EXPECT_LE(zuerst.width(), 800);
    anwendung.FensterBildschirmAnpassen().Bildschirm();
    EXPECT_EQ(drill.geometry(), zuerst);
}

TEST(StartUp, CompactStartWindow) {
    TestPlatform platform;
    Anwendung anwendung(platform, Edition::Compact);
    TFensterStart& start = anwendung.FensterStart();
    EXPECT_EQ(start.windowTitle(), QStringLiteral(" Kasparo 2003          MiniKasp"));
    EXPECT_EQ(visibleMenuButtons(start), (QStringList{"&TastaturSchreiben", "Eigene &Lernsoftware",
                                                      "&Einfacher Texteditor", "&Beenden"}));
    EXPECT_FALSE(start.InfoTastaturschreiben->isHidden());
    EXPECT_FALSE(start.InfoSchreibtrainer->isHidden());
    EXPECT_FALSE(start.InfoTexteditor->isHidden());
    EXPECT_TRUE(start.InfoZiffernblock->isHidden());
    EXPECT_EQ(start.KasparoLogo->text(), QStringLiteral("Kasparo"));
    EXPECT_EQ(start.Startmenue->title(), QString::fromUtf8("   Hauptmenü   "));
    EXPECT_EQ(anwendung.state().StartDirectory, QDir::currentPath());
}

TEST(StartUp, TeacherStartWindowKeepsTheKeypadButton) {
    TestPlatform platform;
    Anwendung anwendung(platform, Edition::Teacher);
    EXPECT_TRUE(anwendung.state().EditionTeacher);
    EXPECT_EQ(visibleMenuButtons(anwendung.FensterStart()),
              (QStringList{"&TastaturSchreiben", "&SchreibTrainer", "Text&Editor", "&Ziffernblock",
                           "&Beenden"}));
}

TEST(StartUp, ScreenClassFollowsTheScreenSize) {
    TestPlatform platform;
    platform.screenSize = QSize(1280, 1024);
    {
        Anwendung anwendung(platform, Edition::Compact);
        EXPECT_TRUE(anwendung.state().ScreenClass1280);
        EXPECT_FALSE(anwendung.state().ScreenClass800);
        EXPECT_EQ(anwendung.FensterStart().size(), QSize(1280, 960));
        EXPECT_EQ(anwendung.FensterStart().Tastaturschreiben->geometry(), QRect(35, 90, 280, 65));
    }
    EXPECT_TRUE(platform.messages.empty());

    platform.screenSize = QSize(640, 480);
    Anwendung anwendung(platform, Edition::Compact);
    EXPECT_TRUE(anwendung.state().ScreenClass800);
    EXPECT_FALSE(anwendung.state().ScreenClass1024);
    EXPECT_EQ(anwendung.FensterStart().size(), QSize(800, 600));
    EXPECT_EQ(anwendung.FensterStart().Startmenue->geometry(), QRect(70, 60, 260, 350));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(platform.messages[0].text,
              QStringLiteral("Erforderlich ist ein Monitor von mindestens 800 x 600 Pixel."));
}

TEST(StartUp, TheClassOfEveryCommonScreenThroughThePlatform) {
    struct Fall {
        QSize bildschirm;
        qreal verhaeltnis;
        QSize fenster;
        bool meldung;
    };
    for (const Fall& f : {
             Fall{{640, 480}, 1, {800, 600}, true},
             Fall{{800, 600}, 1, {800, 600}, false},
             Fall{{1024, 768}, 1, {1024, 768}, false},
             Fall{{1280, 1024}, 1, {1280, 960}, false},
             Fall{{1366, 768}, 1, {1024, 768}, false},
             Fall{{1920, 1080}, 1, {1280, 960}, false},
             Fall{{3840, 2160}, 1, {1280, 960}, false},
             Fall{{640, 480}, 2, {800, 600}, true},
             Fall{{800, 600}, 2, {800, 600}, true},
             Fall{{1024, 768}, 2, {800, 600}, true},
             Fall{{1280, 1024}, 2, {800, 600}, true},
             Fall{{1366, 768}, 2, {800, 600}, true},
             Fall{{1920, 1080}, 2, {800, 600}, true},
             Fall{{3840, 2160}, 2, {1280, 960}, false},
         }) {
        TestPlatform platform;
        platform.screenSize = f.bildschirm;
        platform.pixelRatio = f.verhaeltnis;
        Anwendung anwendung(platform, Edition::Compact);
        const std::string fall = std::to_string(f.bildschirm.width()) + "x" +
                                 std::to_string(f.bildschirm.height()) + " @" +
                                 std::to_string(int(f.verhaeltnis));
        EXPECT_EQ(anwendung.FensterStart().size(), f.fenster) << fall;
        EXPECT_EQ(platform.messages.size(), f.meldung ? 1u : 0u) << fall;
    }
}

TEST(StartUp, WindowsStandInTheMiddleOfALargerScreen) {
    TestPlatform platform;
    platform.screenSize = QSize(1920, 1080);
    platform.availableSize = QSize(1920, 1040); // a panel at the bottom
    Anwendung anwendung(platform, Edition::Compact);
    EXPECT_TRUE(anwendung.state().ScreenClass1280);
    EXPECT_TRUE(platform.messages.empty());
    // The frame around a window, where the platform draws one, is centred with it.
    const auto mitte = [](const QWidget& w) { return w.frameGeometry().center(); };
    TFensterStart& start = anwendung.FensterStart();
    start.show();
    EXPECT_EQ(start.size(), QSize(1280, 960));
    EXPECT_NEAR(mitte(start).x(), 960, 1);
    EXPECT_NEAR(mitte(start).y(), 520, 1);
    // A window taller than the free area keeps its top in view.
    TFensterTastaturschreiben& drill = anwendung.FensterTastaturschreiben();
    platform.availableSize = QSize(1920, 900);
    drill.show();
    EXPECT_NEAR(mitte(drill).x(), 960, 1);
    EXPECT_EQ(drill.frameGeometry().top(), 0);
    drill.hide();
    // The hint window stands in the middle too.
    TFensterInformationen& info = anwendung.FensterInformationen();
    info.HinweisChange(QStringLiteral("Ein Hinweis."), 0, QStringLiteral("OK"));
    EXPECT_NEAR(mitte(info).x(), 960, 1);
    EXPECT_NEAR(mitte(info).y(), 450, 1);
}

TEST(StartUp, BeendenEndsTheProgram) {
    TestPlatform platform;
    Anwendung anwendung(platform, Edition::Compact);
    anwendung.FensterStart().show();
    QTimer::singleShot(0, [&] { anwendung.FensterStart().Beenden->click(); });
    EXPECT_TRUE(eventLoopEnds());
    EXPECT_FALSE(anwendung.FensterStart().isVisible());
}

TEST(StartUp, ClosingTheStartWindowEndsTheProgramWhileAnotherWindowIsOpen) {
    TestPlatform platform;
    Anwendung anwendung(platform, Edition::Compact);
    anwendung.FensterStart().show();
    anwendung.FensterInformationen().show();
    QTimer::singleShot(0, [&] { anwendung.FensterStart().close(); });
    EXPECT_TRUE(eventLoopEnds());
}

TEST(StartUp, ClosingAnotherWindowDoesNotEndTheProgram) {
    TestPlatform platform;
    Anwendung anwendung(platform, Edition::Compact);
    anwendung.FensterInformationen().show();
    bool ended = false;
    QObject::connect(&anwendung, &Anwendung::beendet, [&ended] { ended = true; });
    anwendung.FensterInformationen().close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(ended);
}

TEST(StartUp, ClosingTheStartWindowDuringAUnitEndsWithoutQuestions) {
    TestPlatform platform;
    Anwendung anwendung(platform, Edition::Compact);
    anwendung.FensterStart().show();
    anwendung.FensterTastaturschreiben().show();
    QTimer::singleShot(0, [&] { anwendung.FensterStart().close(); });
    EXPECT_TRUE(eventLoopEnds());
    EXPECT_TRUE(platform.messages.empty());
}

namespace {

// A short unit typed to its end, one key a second.
void einheitTippen(Anwendung& anwendung, TestPlatform& platform) {
    anwendung.FensterTextanzeige().hide();
    TFensterTastaturschreiben& drill = anwendung.FensterTastaturschreiben();
    drill.EinheitUebernehmen(QStringLiteral("Lerneinheit 01"),
                             {QStringLiteral("//Volltastei"), QStringLiteral("asd")}, 1);
    for (const QChar c : QStringLiteral("asd")) {
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(drill.Texteingabefeld, &druck);
        platform.advance(1000);
    }
}

} // namespace

TEST(Lernverlauf, EveryShownResultIsAppendedAndAFailureIsReportedOnce) {
    TestPlatform platform;
    QTemporaryDir ordner;
    Anwendung anwendung(platform, Edition::School);
    anwendung.state().LernverlaufDatei = ordner.filePath(QStringLiteral("neu/lernverlauf.txt"));
    einheitTippen(anwendung, platform);
    einheitTippen(anwendung, platform);
    const lernverlauf::Verlauf verlauf = lernverlauf::lesenAus(anwendung.state().LernverlaufDatei);
    ASSERT_EQ(verlauf.ergebnisse.size(), 2u);
    EXPECT_EQ(verlauf.ergebnisse[0].ausgabe, QStringLiteral("Schule"));
    EXPECT_EQ(verlauf.ergebnisse[0].einheit, QStringLiteral("Lerneinheit 01"));
    // Three keys in two seconds.
    EXPECT_DOUBLE_EQ(verlauf.ergebnisse[0].anschlaegeJeMinute, 90.0);
    EXPECT_DOUBLE_EQ(verlauf.ergebnisse[0].fehlerquote, 0.0);
    EXPECT_LT(verlauf.ergebnisse[0].zeitpunkt, verlauf.ergebnisse[1].zeitpunkt);
    EXPECT_TRUE(platform.messages.empty());

    // A file where the folder should be: one German warning, the result stays.
    QFile sperre(ordner.filePath(QStringLiteral("gesperrt")));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.close();
    anwendung.state().LernverlaufDatei = ordner.filePath(QStringLiteral("gesperrt/verlauf.txt"));
    einheitTippen(anwendung, platform);
    einheitTippen(anwendung, platform);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(platform.messages[0].text.startsWith(QStringLiteral("Der Lernverlauf kann nicht")));
    EXPECT_TRUE(anwendung.FensterTextanzeige().isVisible());
}

TEST(Lernverlauf, TheProgressWindowShowsEveryResultAndOneUnitAndNamesDamagedLines) {
    TestPlatform platform;
    QTemporaryDir ordner;
    Anwendung anwendung(platform, Edition::Compact);
    const QString datei = ordner.filePath(QStringLiteral("lernverlauf.txt"));
    anwendung.state().LernverlaufDatei = datei;
    QString fehler;
    for (int tag = 1; tag <= 12; ++tag) {
        const QString einheit =
            tag % 3 == 0 ? QStringLiteral("Brief") : QStringLiteral("Einheit 01");
        ASSERT_TRUE(lernverlauf::anhaengen(datei,
                                           {QDateTime(QDate(2026, 11, tag), QTime(9, 0)),
                                            QStringLiteral("MiniKasp"), einheit, 8.0, 60.0 + tag,
                                            5.0 - tag * 0.25},
                                           &fehler));
    }
    {
        QFile kaputt(datei);
        ASSERT_TRUE(kaputt.open(QIODevice::Append));
        kaputt.write("nicht lesbar\n");
    }
    const QByteArray vorher = [&] {
        QFile f(datei);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    anwendung.FensterStart().LernfortschrittButton->click();
    TFensterLernfortschritt& fenster = anwendung.FensterLernfortschritt();
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_FALSE(anwendung.FensterStart().isVisible());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("(Zeile 13)")))
        << platform.messages[0].text.toStdString();
    EXPECT_EQ(fenster.Tabelle->rowCount(), 12);
    EXPECT_EQ(fenster.Tabelle->item(11, 4)->text(), QStringLiteral("72,0"));
    EXPECT_EQ(
        fenster.Zusammenfassung->text(),
        QString::fromUtf8("12 Ergebnisse, im Mittel 66,5 Anschläge je Minute und 3,4 % Fehler"));

    // One unit alone: the four letters.
    fenster.Auswahl->setCurrentText(QStringLiteral("Brief"));
    EXPECT_EQ(fenster.Tabelle->rowCount(), 4);
    EXPECT_EQ(fenster.Tabelle->item(0, 2)->text(), QStringLiteral("Brief"));

    // The damaged file is left as it was.
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), vorher);

    fenster.Zurueck->click();
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_TRUE(anwendung.FensterStart().isVisible());
}
