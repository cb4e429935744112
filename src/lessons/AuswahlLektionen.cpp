#include "lessons/AuswahlLektionen.h"

#include "drill/Tastaturschreiben.h"
#include "layout/screenclass.h"
#include "layout/tabellen.h"
#include "lessons/lektionsdatei.h"
#include "trainer/Schreibtrainer.h"
#include "ui/anordnen.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

using katalog::Liste;

namespace {

const QColor kFensterBlau(0, 0, 160);

const QString kEigeneFilter = QStringLiteral(
    "Tastaturschulung(*.ts)|*.ts|Textdateien(*.txt)|*.txt|Verlagslernsoftware(*.ver)|*.ver|"
    "Alle Dateien(*.*)|*.*");

QPushButton* knopf(QWidget* parent, const QString& name, const QString& caption,
                   const QString& hinweis = {}) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hinweis);
    return button;
}

std::size_t nummer(Liste liste) {
    return static_cast<std::size_t>(liste);
}

// Lists whose item click already stores the chosen file.
bool merktBeimKlick(Liste liste) {
    return liste == Liste::LerneinheitenSchul ||
           liste == Liste::LerneinheitenSchreibenUndGestaltenAmPC ||
           liste == Liste::LerneinheitenHandbehinderte ||
           liste == Liste::LerneinheitenZeitschreibenPU;
}

} // namespace

TFensterLektionen::TFensterLektionen(Umgebung umgebung, TFensterTastaturschreiben& drill,
                                     TFensterSchreibtrainer& trainer)
    : Fenster(umgebung, QStringLiteral("FensterLektionen")), drill_(drill), trainer_(trainer) {
    setWindowTitle(QStringLiteral("  ... Auswahl der Lerneinheiten"));
    QPalette blau = palette();
    blau.setColor(QPalette::Window, kFensterBlau);
    blau.setColor(QPalette::WindowText, Qt::white);
    setPalette(blau);
    setAutoFillBackground(true);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(16);
    setFont(arial);

    BoxLernsoftware =
        new QGroupBox(QStringLiteral("     Lernsoftware für die Bücher ...    "), this);
    BoxLernsoftware->setObjectName(QStringLiteral("BoxLernsoftware"));
    const QString buchHinweis = QString::fromUtf8(
        " Die Lerneinheiten stimmen mit diesem Buch überein. Zusätzlich enthält das Buch "
        "WORD-Übungen. ");
    Tastaturschulung = knopf(BoxLernsoftware, QStringLiteral("Tastaturschulung"),
                             QStringLiteral("&Tastaturschulung"),
                             QString::fromUtf8(" Die Lerneinheiten stimmen mit diesem Buch "
                                               "überein. Zusätzlich enthält dasBuch "
                                               "WORD-Übungen. "));
    SundG_Fingerwege = knopf(BoxLernsoftware, QStringLiteral("SundG_Fingerwege"),
                             QStringLiteral("&Fingerwege - Schreiben und Gestalten"), buchHinweis);
    Handbehinderte = knopf(BoxLernsoftware, QStringLiteral("Handbehinderte"),
                           QStringLiteral("&Handbehinderte"), buchHinweis);
    Neutral =
        knopf(BoxLernsoftware, QStringLiteral("Neutral"), QStringLiteral("&Neutrale Lernsoftware"),
              QString::fromUtf8(" Fingerwege-Übungen mit ausschließlicher Verbindung zur "
                                "Grundstellung. "));
    Eigene =
        knopf(BoxLernsoftware, QStringLiteral("Eigene"), QStringLiteral("&Eigene Lernsoftware"),
              QString::fromUtf8(" Hier wird die Lernsoftware aufgerufen, die Sie selbst "
                                "erstellt haben. "));
    Zurueck = knopf(BoxLernsoftware, QStringLiteral("Zurueck"), QString::fromUtf8("  &Zurück"),
                    QString::fromUtf8(" Sie gehen zum Eingangsmenü von Kasparo zurück. "));
    BoxLernsoftware->hide();

    for (Liste liste : katalog::kAlleListen) {
        const katalog::Listenrahmen r = katalog::rahmen(liste);
        auto* box = new QGroupBox(r.caption, this);
        box->setObjectName(r.groupBox);
        auto* list = new QListWidget(box);
        list->setObjectName(r.listBox);
        list->addItems(katalog::eintragTexte(liste));
        box->hide();
        boxen_[nummer(liste)] = box;
        listen_[nummer(liste)] = list;
        connect(list, &QListWidget::itemClicked, this, [this, liste] { eintragGewaehlt(liste); });
        connect(list, &QListWidget::itemDoubleClicked, this, [this, liste] {
            eintragGewaehlt(liste);
            AuswahlLeOKClick();
        });
    }
    AuswahlOK = knopf(this, QStringLiteral("AuswahlOK"), QStringLiteral("OK"));
    AuswahlOK->setDefault(true);
    AuswahlESC = knopf(this, QStringLiteral("AuswahlESC"), QString::fromUtf8("  &Zurück"));
    AuswahlOK->hide();
    AuswahlESC->hide();

    connect(Tastaturschulung, &QPushButton::clicked, this,
            &TFensterLektionen::TastaturschulungClick);
    connect(SundG_Fingerwege, &QPushButton::clicked, this,
            &TFensterLektionen::SchreibenUndGestaltenClick);
    connect(Handbehinderte, &QPushButton::clicked, this,
            &TFensterLektionen::TastaturschulungHandbehinderteClick);
    connect(Neutral, &QPushButton::clicked, this, &TFensterLektionen::NeutralSoftwareClick);
    connect(Eigene, &QPushButton::clicked, this, &TFensterLektionen::EigeneClick);
    connect(Zurueck, &QPushButton::clicked, this, &TFensterLektionen::ZurueckClick);
    connect(AuswahlOK, &QPushButton::clicked, this, &TFensterLektionen::AuswahlLeOKClick);
    connect(AuswahlESC, &QPushButton::clicked, this, &TFensterLektionen::AuswahlLeEscClick);
}

QGroupBox* TFensterLektionen::box(Liste liste) const {
    return boxen_[nummer(liste)];
}

QListWidget* TFensterLektionen::liste(Liste liste) const {
    return listen_[nummer(liste)];
}

std::optional<Liste> TFensterLektionen::sichtbareListe() const {
    for (Liste liste : katalog::kAlleListen) {
        if (!box(liste)->isHidden()) {
            return liste;
        }
    }
    return std::nullopt;
}

void TFensterLektionen::listeZeigen(Liste gezeigt) {
    BoxLernsoftware->hide();
    for (Liste liste : katalog::kAlleListen) {
        box(liste)->setVisible(liste == gezeigt);
    }
    // The own-file road hides the compact list itself; a list offered is seen.
    liste(gezeigt)->show();
    liste(gezeigt)->setCurrentRow(-1);
    liste(gezeigt)->setFocus();
    AuswahlOK->show();
    AuswahlESC->show();
}

void TFensterLektionen::eintragGewaehlt(Liste liste) {
    if (merktBeimKlick(liste)) {
        GewaehlteLerneinheit = katalog::dateiZuEintrag(liste, this->liste(liste)->currentRow());
    }
}

void TFensterLektionen::Anbieten() {
    box(Liste::LerneinheitenZiffernblock)->hide();
    show();
    raise();
    activateWindow();
    if (state().EditionSchool) {
        BoxLernsoftware->show();
    } else {
        TastaturschulungClick();
    }
}

void TFensterLektionen::SchreibtrainerAnbieten() {
    einstiegAnbieten(katalog::Einstieg::Schreibtrainer);
}

void TFensterLektionen::ZeitschreibenAnbieten() {
    einstiegAnbieten(katalog::Einstieg::Zeitschreiben);
}

void TFensterLektionen::einstiegAnbieten(katalog::Einstieg art) {
    const katalog::Einstiegsliste einstieg = katalog::einstiegsliste(art, state());
    if (!einstieg.liste) {
        return;
    }
    listeZeigen(*einstieg.liste);
    show();
    raise();
    activateWindow();
}

void TFensterLektionen::ZiffernblockAnbieten() {
    box(Liste::LerneinheitenZiffernblock)->hide();
    BoxLernsoftware->show();
    hide();
    show();
    raise();
    TastaturschulungClick();
}

void TFensterLektionen::TastaturschulungClick() {
    BoxLernsoftware->hide();
    for (Liste liste : katalog::kAlleListen) {
        box(liste)->hide();
    }
    state().HandImpairedMode = false;
    const katalog::Einstiegsliste einstieg =
        katalog::einstiegsliste(katalog::Einstieg::Tastaturschulung, state());
    if (einstieg.handImpairedMode) {
        state().HandImpairedMode = *einstieg.handImpairedMode;
    }
    if (einstieg.liste) {
        listeZeigen(*einstieg.liste);
    }
    AuswahlOK->show();
    AuswahlESC->show();
}

void TFensterLektionen::SchreibenUndGestaltenClick() {
    state().HandImpairedMode = false;
    listeZeigen(Liste::LerneinheitenSchreibenUndGestaltenAmPC);
}

void TFensterLektionen::TastaturschulungHandbehinderteClick() {
    listeZeigen(Liste::LerneinheitenHandbehinderte);
}

void TFensterLektionen::NeutralSoftwareClick() {
    state().HandImpairedMode = false;
    listeZeigen(Liste::LerneinheitenNeutral);
}

void TFensterLektionen::AuswahlLeOKClick() {
    const ProgramState& st = state();
    const auto ausErsterSichtbarer = [this](std::initializer_list<Liste> kandidaten) {
        for (Liste liste : kandidaten) {
            if (!box(liste)->isHidden()) {
                GewaehlteLerneinheit =
                    katalog::dateiZuEintrag(liste, this->liste(liste)->currentRow());
                return;
            }
        }
    };
    if (st.NumpadMode) {
        GewaehlteLerneinheit =
            katalog::dateiZuEintrag(Liste::LerneinheitenZiffernblock,
                                    liste(Liste::LerneinheitenZiffernblock)->currentRow());
    } else if (st.EditionSchool) {
        ausErsterSichtbarer({Liste::LerneinheitenSchul, Liste::LerneinheitenNeutral,
                             Liste::LerneinheitenHandbehinderte});
    } else if (st.EditionSelfStudy || st.EditionOffice || st.EditionProgrammed ||
               st.EditionHandImpaired) {
        ausErsterSichtbarer({Liste::LerneinheitenOfficePuSelbstMini,
                             Liste::LerneinheitenSchreibtrainer,
                             Liste::LerneinheitenZeitschreibenPU});
    } else if (st.EditionCompact) {
        GewaehlteLerneinheit =
            katalog::dateiZuEintrag(Liste::LerneinheitenOfficePuSelbstMini,
                                    liste(Liste::LerneinheitenOfficePuSelbstMini)->currentRow());
    }
    if (GewaehlteLerneinheit.isEmpty()) {
        platform().message(MessageKind::Information,
                           QString::fromUtf8("Sie müssen zuerst eine Lerneinheit auswählen."));
        return;
    }
    for (Liste liste : katalog::kAlleListen) {
        if (liste != Liste::LerneinheitenZeitschreibenPU) {
            box(liste)->hide();
        }
    }
    AuswahlOK->hide();
    AuswahlESC->hide();
    Auswahl(GewaehlteLerneinheit);
}

void TFensterLektionen::Auswahl(const QString& fileName) {
    ProgramState& st = state();
    if (fileName.isEmpty()) {
        return;
    }
    const QString startverzeichnis = st.StartDirectory;
    if (!QDir::setCurrent(startverzeichnis)) {
        platform().message(MessageKind::Error,
                           QString::fromUtf8("Das Verzeichnis der Lerneinheiten \"%1\" kann nicht "
                                             "geöffnet werden.")
                               .arg(QDir::toNativeSeparators(startverzeichnis)));
        zumHauptmenue();
        return;
    }
    const QString pfad = QDir(startverzeichnis).filePath(fileName);
    if (!QFileInfo::exists(pfad)) {
        platform().message(MessageKind::Error, QStringLiteral("Die Datei \r") +
                                                   QDir::toNativeSeparators(pfad) +
                                                   QStringLiteral("\r ist nicht vorhanden."));
        zumHauptmenue();
        st.NumpadMode = false;
        return;
    }
    TFensterSchreibtrainer& trainer = trainer_;
    const bool zeitschreiben = !box(Liste::LerneinheitenZeitschreibenPU)->isHidden();
    if (zeitschreiben || katalog::istCEinheit(fileName)) {
        st.TrainerScreenText = true;
        st.TrainerPrintTemplate = false;
        st.TrainerCorrection = true;
        st.TrainerTimed = zeitschreiben;
        st.TrainerTimeSeconds = zeitschreiben ? 600 : 0;
        st.TrainerEvaluation = zeitschreiben;
        st.TrainerClockRunning = false;
        if (!zeitschreiben) {
            Lerndatei = fileName;
        }
        trainer.TextVorgabe(pfad);
        if (!trainer.isHidden()) {
            trainer.setWindowTitle(katalog::schreibtrainerTitel(fileName, zeitschreiben));
        }
        box(Liste::LerneinheitenZeitschreibenPU)->hide();
        hide();
        return;
    }
    Lerndatei = fileName;
    TFensterTastaturschreiben& drill = drill_;
    QString fehler;
    const std::optional<QStringList> zeilen = drill.SkriptLaden(pfad, &fehler);
    if (!zeilen) {
        platform().message(MessageKind::Error, fehler);
        zumHauptmenue();
        return;
    }
    uebungBeginnen(katalog::tastaturschreibenTitel(fileName, st), *zeilen,
                   katalogUebungszeilen(*zeilen));
    drill.Startpause();
    Zurueck->show();
}

void TFensterLektionen::uebungBeginnen(const QString& titel, const QStringList& zeilen,
                                       int uebungszeilen) {
    Q_EMIT ModulGestartet();
    hide();
    drill_.EinheitUebernehmen(titel, leerzeilenNormalisieren(zeilen), uebungszeilen);
}

void TFensterLektionen::EigeneClick() {
    ProgramState& st = state();
    liste(Liste::LerneinheitenOfficePuSelbstMini)->hide();
    const QString startverzeichnis = st.StartDirectory;
    QString pfad;
    while (true) {
        pfad = platform().openFileName(QStringLiteral("Eigene Lernsoftware öffnen"), kEigeneFilter,
                                       startverzeichnis);
        if (pfad.isEmpty()) {
            if (st.EditionCompact) {
                zumHauptmenue();
            }
            return;
        }
        if (QFileInfo::exists(pfad)) {
            break;
        }
        platform().message(MessageKind::Error, QStringLiteral("Die Datei ") +
                                                   QDir::toNativeSeparators(pfad) +
                                                   QStringLiteral("\r ist nicht vorhanden."));
        st.NumpadMode = false;
    }
    Lerndatei = pfad;
    TFensterTastaturschreiben& drill = drill_;
    QString fehler;
    const std::optional<QStringList> zeilen = drill.SkriptLaden(pfad, &fehler);
    if (!zeilen) {
        platform().message(MessageKind::Error, fehler);
    }
    // The compact start window hid its menu for this file: a file that cannot
    // run gives it back, as a cancelled dialog does.
    if ((!zeilen || !EigeneLektionBeginnen(pfad, *zeilen)) && st.EditionCompact) {
        zumHauptmenue();
    }
}

bool TFensterLektionen::EigeneLektionBeginnen(const QString& pfad, const QStringList& zeilen) {
    ProgramState& st = state();
    if (zeilen.isEmpty()) {
        platform().message(MessageKind::Information, QStringLiteral("Diese Lerneinheit ist leer."));
        return false;
    }
    st.HandImpairedMode = false;
    uebungBeginnen(eigenerTitel(pfad, st.EditionCompact), zeilen, eigeneUebungszeilen(zeilen));
    if (drill_.TasteiWechselAngeboten()) {
        platform().message(
            MessageKind::Information,
            QStringLiteral("  Der Bildschirm ist in der Steuertastei nicht vorgegeben.  \r\r  "
                           "Deshalb wird als Standard die Volltastei eingestellt.\r  Sie können "
                           "wechseln zur Blindtastei und zur Zeile."));
    }
    return true;
}

void TFensterLektionen::AuswahlLeEscClick() {
    ProgramState& st = state();
    for (Liste liste : katalog::kAlleListen) {
        box(liste)->hide();
    }
    AuswahlOK->hide();
    AuswahlESC->hide();
    BoxLernsoftware->show();
    if (st.NumpadMode) {
        st.NumpadMode = false;
        zumHauptmenue();
    }
    if (!st.EditionSchool) {
        zumHauptmenue();
    }
}

void TFensterLektionen::ZurueckClick() {
    hide();
    Q_EMIT ZumStartfenster();
}

void TFensterLektionen::Anordnen() {
    listenAnordnen();
    menueAnordnen();
}

void TFensterLektionen::listenAnordnen() {
    const tabellen::Auswahlfenster& t = tabellen::auswahlfenster(currentScreenClass(state()));
    setFixedSize(fenstergroesse(state()));
    for (katalog::Liste l : katalog::kAlleListen) {
        box(l)->setGeometry(t.rahmen);
        setzeSchrift(box(l), t.schrift);
        QListWidget* list = liste(l);
        list->setGeometry(t.liste);
        setzeSchrift(list, t.schrift);
        list->setStyleSheet(
            QStringLiteral("QListWidget::item { height: %1px; }").arg(t.zeilenhoehe));
    }
    AuswahlOK->setGeometry(t.ok);
    AuswahlESC->setGeometry(t.zurueck);
    for (QWidget* w : {static_cast<QWidget*>(AuswahlOK), static_cast<QWidget*>(AuswahlESC)}) {
        setzeSchrift(w, t.schrift);
    }
}

void TFensterLektionen::menueAnordnen() {
    const tabellen::Auswahlfenster& t = tabellen::auswahlfenster(currentScreenClass(state()));
    BoxLernsoftware->setGeometry(t.menue);
    setzeSchrift(BoxLernsoftware, t.menueSchrift);
    const std::array<QPushButton*, 6> knoepfe{Tastaturschulung, SundG_Fingerwege, Handbehinderte,
                                              Neutral,          Eigene,           Zurueck};
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        knoepfe[i]->setGeometry(t.menueKnoepfe.an(static_cast<int>(i)));
        setzeSchrift(knoepfe[i], t.menueSchrift);
    }
}

void TFensterLektionen::closeEvent(QCloseEvent* event) {
    event->ignore();
    ZurueckClick();
}
