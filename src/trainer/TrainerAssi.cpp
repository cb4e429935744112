#include "trainer/TrainerAssi.h"

#include "layout/screenclass.h"
#include "trainer/Schreibtrainer.h"
#include "trainer/assistentdaten.h"
#include "ui/anordnen.h"
#include "ui/platform.h"
#include "ui/programstate.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

struct Schrittdaten {
    const char* name;
    const char* titel;
    const char* wahl0;
    const char* wahl1;
};

// The six steps: their groups, captions and the two choices of each.
const std::array<Schrittdaten, 6> kSchritte = {{
    {"ErsterSchritt", "   Trainingswege   ", "Fließtext-Training", "Geläufigkeits-Training"},
    {"ZweiterSchritt", "   Abschreibvorlage   ", "Text zum Abschreiben am Bildschirm",
     "Text zum Abschreiben als Druckvorlage"},
    {"DritterSchritt", "   Korrektur   ", "Mit Sofortkorrektur", "Ohne Sofortkorrektur"},
    {"VierterSchritt", "   Zeit   ", "Mit Zeitvorgabe", "Ohne Zeitvorgabe"},
    {"FuenfterSchritt", "   Auswertung   ", "Mit Auswertung (Anschläge/Fehler)", "Ohne Auswertung"},
    {"SechsterSchritt", "  Steuerdateien    ", "Texte zur Tastaturschulung",
     "Eigene Steuerdateien verwenden"},
}};

constexpr int kSchrittZahl = 6;
constexpr int kListenStreckung = 10;
constexpr int kMinutenAnfang = 10;
constexpr int kMinutenFeldMax = 100;
constexpr int kMinutenMax = 60;
constexpr int kSekundenJeMinute = 60;
constexpr int kStandardSekunden = 600;
const QString kWeiter = QStringLiteral("&Weiter");
const QString kEnde = QStringLiteral("&Ende");

QPushButton* knopf(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

TFensterAssi::TFensterAssi(Umgebung umgebung, TFensterSchreibtrainer& trainer)
    : Fenster(umgebung, QStringLiteral("FensterAssi")), trainer_(trainer) {
    auto* spalte = new QVBoxLayout(this);
    for (int s = 0; s < kSchrittZahl; ++s) {
        const Schrittdaten& d = kSchritte[std::size_t(s)];
        auto* box = new QGroupBox(QString::fromUtf8(d.titel), this);
        box->setObjectName(QString::fromLatin1(d.name));
        auto* gruppe = new QButtonGroup(box);
        auto* zeilen = new QVBoxLayout(box);
        for (int w = 0; w < 2; ++w) {
            auto* wahl = new QRadioButton(QString::fromUtf8(w == 0 ? d.wahl0 : d.wahl1), box);
            gruppe->addButton(wahl, w);
            zeilen->addWidget(wahl);
        }
        connect(gruppe, &QButtonGroup::idClicked, this, [this, s](int id) { Waehlen(s + 1, id); });
        schritte_[std::size_t(s)] = box;
        gruppen_[std::size_t(s)] = gruppe;
        spalte->addWidget(box);
    }

    Zeiteinstellung = new QGroupBox(this);
    Zeiteinstellung->setObjectName(QStringLiteral("Zeiteinstellung"));
    MinutenEingabe = new QSpinBox(Zeiteinstellung);
    MinutenEingabe->setObjectName(QStringLiteral("MinutenEingabe"));
    MinutenEingabe->setRange(0, kMinutenFeldMax);
    MinutenEingabe->setValue(kMinutenAnfang);
    OkButton = knopf(Zeiteinstellung, QStringLiteral("OkButton"), QStringLiteral("OK"));
    EscButton = knopf(Zeiteinstellung, QStringLiteral("EscButton"), QStringLiteral("Abbrechen"));
    auto* zeit = new QHBoxLayout(Zeiteinstellung);
    zeit->addWidget(MinutenEingabe);
    zeit->addWidget(new QLabel(QStringLiteral("Minuten"), Zeiteinstellung));
    zeit->addWidget(OkButton);
    zeit->addWidget(EscButton);
    spalte->addWidget(Zeiteinstellung);

    const auto liste = [this, spalte](const QString& boxName, const QString& titel,
                                      const QString& listName, const QStringList& eintraege,
                                      const QString& okName, const QString& escName,
                                      QListWidget*& list, QPushButton*& ok, QPushButton*& esc) {
        auto* box = new QGroupBox(titel, this);
        box->setObjectName(boxName);
        list = new QListWidget(box);
        list->setObjectName(listName);
        list->addItems(eintraege);
        ok = knopf(box, okName, QStringLiteral("OK"));
        esc = knopf(box, escName, QString::fromUtf8("  &Zurück"));
        auto* inhalt = new QVBoxLayout(box);
        inhalt->addWidget(list);
        auto* unten = new QHBoxLayout;
        unten->addWidget(ok);
        unten->addWidget(esc);
        inhalt->addLayout(unten);
        // An open list takes the room the steps leave.
        spalte->addWidget(box, kListenStreckung);
        return box;
    };
    QPushButton* okSchul = nullptr;
    QPushButton* escSchul = nullptr;
    QPushButton* okGlt = nullptr;
    QPushButton* escGlt = nullptr;
    BoxSchreibtrainingSchul =
        liste(QStringLiteral("BoxSchreibtrainingSchul"),
              QStringLiteral(" Lerneinheiten des Schreibtrainings "),
              QStringLiteral("LerneinheitenSchreibtrainerSchul"), assistent::texteintraege(),
              QStringLiteral("AuswahlOKSchul"), QStringLiteral("AuswahlESCSchul"),
              LerneinheitenSchreibtrainerSchul, okSchul, escSchul);
    BoxGelaeufigkeitsTraining =
        liste(QStringLiteral("BoxGelaeufigkeitsTraining"),
              QString::fromUtf8(" Lerneinheiten Geläufigkeitstraining "),
              QStringLiteral("LerneinheitenGelaeufigkeit"), assistent::gelaeufigkeitseintraege(),
              QStringLiteral("AuswahlGelaeufigkeitOK"), QStringLiteral("AuswahlGelaeufigkeitEsc"),
              LerneinheitenGelaeufigkeit, okGlt, escGlt);

    AssiAbbrechen = knopf(this, QStringLiteral("AssiAbbrechen"), QStringLiteral("&Abbrechen"));
    AssiZurueck = knopf(this, QStringLiteral("AssiZurueck"), QString::fromUtf8("&Zurück"));
    AssiWeiter = knopf(this, QStringLiteral("AssiWeiter"), kWeiter);
    // The visible step keeps its natural height; the buttons stay at the foot.
    spalte->addStretch();
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(AssiAbbrechen);
    knoepfe->addStretch();
    knoepfe->addWidget(AssiZurueck);
    knoepfe->addWidget(AssiWeiter);
    spalte->addLayout(knoepfe);
    AssiWeiter->installEventFilter(this);

    connect(AssiAbbrechen, &QPushButton::clicked, this, &TFensterAssi::AssiAbbrechenClick);
    connect(&trainer_, &TFensterSchreibtrainer::DateiGewaehlt, this, &QWidget::hide);
    connect(&trainer_, &TFensterSchreibtrainer::DateiwahlAbgebrochen, this,
            &TFensterAssi::EigeneDateiAbgebrochen);
    connect(AssiZurueck, &QPushButton::clicked, this,
            [this] { SchrittvonSchritte(Ausloeser::Zurueck); });
    connect(AssiWeiter, &QPushButton::clicked, this,
            [this] { SchrittvonSchritte(Ausloeser::Weiter); });
    connect(OkButton, &QPushButton::clicked, this, [this] { MinutenEinstellen(true); });
    connect(EscButton, &QPushButton::clicked, this, [this] { MinutenEinstellen(false); });
    connect(okSchul, &QPushButton::clicked, this, &TFensterAssi::AuswahlOKSchulClick);
    connect(escSchul, &QPushButton::clicked, this, &TFensterAssi::AuswahlESCSchulClick);
    connect(okGlt, &QPushButton::clicked, this, &TFensterAssi::AuswahlGelaeufigkeitOKClick);
    connect(escGlt, &QPushButton::clicked, this, &TFensterAssi::AuswahlGelaeufigkeitEscClick);
    connect(LerneinheitenSchreibtrainerSchul, &QListWidget::itemDoubleClicked, this,
            &TFensterAssi::AuswahlOKSchulClick);
    connect(LerneinheitenGelaeufigkeit, &QListWidget::itemDoubleClicked, this,
            &TFensterAssi::AuswahlGelaeufigkeitOKClick);
    hide();
}

int TFensterAssi::index(int schritt) const {
    return gruppen_[std::size_t(schritt - 1)]->checkedId();
}

void TFensterAssi::setIndex(int schritt, int wahl) {
    QButtonGroup* gruppe = gruppen_[std::size_t(schritt - 1)];
    if (wahl < 0) {
        // No choice: an exclusive group keeps one button checked otherwise.
        gruppe->setExclusive(false);
        for (QAbstractButton* b : gruppe->buttons()) {
            b->setChecked(false);
        }
        gruppe->setExclusive(true);
        return;
    }
    gruppe->button(wahl)->setChecked(true);
}

void TFensterAssi::zeigeSchritt(int schritt) {
    for (int s = 1; s <= kSchrittZahl; ++s) {
        schritte_[std::size_t(s - 1)]->setVisible(s == schritt);
    }
    if (schritt > 0) {
        beschriften(schritt);
    }
}

void TFensterAssi::beschriften(int schritt) {
    setWindowTitle(QStringLiteral(" ... Einstellungen: Schritt %1 von 6").arg(schritt));
}

void TFensterAssi::knoepfeZeigen(bool sichtbar) {
    for (QWidget* w : {AssiAbbrechen, AssiZurueck, AssiWeiter}) {
        w->setVisible(sichtbar);
    }
}

int TFensterAssi::Schritt() const {
    for (int s = 1; s <= kSchrittZahl; ++s) {
        if (!schritte_[std::size_t(s - 1)]->isHidden()) {
            return s;
        }
    }
    return 0;
}

QString TFensterAssi::WeiterText() const {
    return AssiWeiter->text();
}

bool TFensterAssi::ZeiteinstellungOffen() const {
    return !Zeiteinstellung->isHidden();
}

bool TFensterAssi::TextlisteOffen() const {
    return !BoxSchreibtrainingSchul->isHidden();
}

bool TFensterAssi::GelaeufigkeitslisteOffen() const {
    return !BoxGelaeufigkeitsTraining->isHidden();
}

void TFensterAssi::Beginnen() {
    for (int s = 1; s < kSchrittZahl; ++s) {
        setIndex(s, 0);
    }
    setIndex(kSchrittZahl, -1);
    Zeiteinstellung->hide();
    BoxSchreibtrainingSchul->hide();
    BoxGelaeufigkeitsTraining->hide();
    AssiWeiter->setText(kWeiter);
    chosenTextFile_.clear();
    zeigeSchritt(1);
    knoepfeZeigen(true);
    anordnen();
    show();
    raise();
    activateWindow();
}

void TFensterAssi::Waehlen(int schritt, int wahl) {
    setIndex(schritt, wahl);
    SchrittvonSchritte(Ausloeser::Wahl);
}

void TFensterAssi::SchrittvonSchritte(Ausloeser ausloeser) {
    ProgramState& st = state();
    const int sichtbar = Schritt();
    // Every call first takes over the current choices.
    if (sichtbar == 1 && index(1) == 1) {
        schritte_[0]->hide();
        BoxGelaeufigkeitsTraining->show();
        knoepfeZeigen(false);
        return;
    }
    st.TrainerScreenText = index(2) == 0;
    st.TrainerPrintTemplate = !st.TrainerScreenText;
    st.TrainerCorrection = index(3) == 0;
    if (index(4) == 0 && sichtbar == 4) {
        Zeiteinstellung->show();
    } else if (index(4) == 1) {
        st.TrainerTimeSeconds = 0;
        Zeiteinstellung->hide();
        st.TrainerTimed = false;
    }
    st.TrainerEvaluation = index(5) == 0;
    if (st.TrainerPrintTemplate && !st.TrainerEvaluation) {
        AssiWeiter->setText(kEnde);
    } else if (st.TrainerEvaluation) {
        AssiWeiter->setText(kWeiter);
    }
    if (sichtbar == 6) {
        if (index(6) == 0) {
            schritte_[5]->hide();
            textlisteOeffnen();
        } else if (index(6) == 1) {
            schritte_[5]->hide();
            texteOeffnen(QString());
        } else if (ausloeser == Ausloeser::Weiter) {
            platform().message(MessageKind::Information,
                               QString::fromUtf8("Sie müssen zuerst Ihre Auswahl treffen."));
        }
        return;
    }

    if (ausloeser == Ausloeser::Weiter) {
        switch (sichtbar) {
        case 1:
        case 2:
            zeigeSchritt(sichtbar + 1);
            break;
        case 3:
            zeigeSchritt(4);
            Zeiteinstellung->show();
            break;
        case 4:
            if (index(4) == 0 && !MinutenUebernehmen()) {
                // Only whole minutes from 1 to 60 set a time limit.
                st.TrainerTimed = false;
                st.TrainerTimeSeconds = 0;
            }
            Zeiteinstellung->hide();
            zeigeSchritt(5);
            break;
        case 5:
            if (!st.TrainerEvaluation && !st.TrainerScreenText) {
                // A print template without evaluation needs no text.
                schritte_[4]->hide();
                BoxSchreibtrainingSchul->hide();
                texteOeffnen(chosenTextFile_);
            } else {
                zeigeSchritt(6);
            }
            break;
        default:
            break;
        }
    } else if (ausloeser == Ausloeser::Zurueck && sichtbar > 1) {
        setIndex(sichtbar, sichtbar == 6 ? -1 : 0);
        if (sichtbar == 3 || sichtbar == 4) {
            Zeiteinstellung->hide();
        }
        if (sichtbar == 4 || sichtbar == 5) {
            AssiWeiter->setText(kWeiter);
        }
        zeigeSchritt(sichtbar - 1);
        if (sichtbar == 5) {
            Zeiteinstellung->show();
        }
        if (sichtbar == 6) {
            setIndex(5, 0);
        }
    }
}

bool TFensterAssi::MinutenUebernehmen() {
    ProgramState& st = state();
    const int minuten = MinutenEingabe->value();
    if (minuten == 0) {
        platform().message(MessageKind::Information,
                           QString::fromUtf8("Geben Sie einen Wert zwischen 1 und 60 ein."));
        return false;
    }
    if (minuten > kMinutenMax) {
        platform().message(MessageKind::Information,
                           QString::fromUtf8("Der Wert darf nicht größer als 60 sein."));
        return false;
    }
    st.TrainerTimeSeconds = minuten * kSekundenJeMinute;
    st.TrainerTimed = true;
    return true;
}

void TFensterAssi::MinutenEinstellen(bool ok) {
    Zeiteinstellung->show();
    if (ok) {
        if (MinutenUebernehmen()) {
            Zeiteinstellung->hide();
        }
        return;
    }
    state().TrainerTimeSeconds = 0;
    state().TrainerTimed = false;
    setIndex(4, 1);
    Zeiteinstellung->hide();
}

void TFensterAssi::MinutenSetzen(int minuten) {
    MinutenEingabe->setValue(minuten);
}

void TFensterAssi::AssiWeiterRechtsklick() {
    ProgramState& st = state();
    zeigeSchritt(0);
    st.TrainerScreenText = true;
    st.TrainerPrintTemplate = false;
    st.TrainerCorrection = true;
    st.TrainerTimed = true;
    st.TrainerTimeSeconds = kStandardSekunden;
    st.TrainerEvaluation = true;
    beschriften(kSchrittZahl);
    textlisteOeffnen();
}

void TFensterAssi::textlisteOeffnen() {
    Zeiteinstellung->hide();
    BoxSchreibtrainingSchul->show();
    knoepfeZeigen(false);
    LerneinheitenSchreibtrainerSchul->setCurrentRow(-1);
}

void TFensterAssi::ZeileWaehlen(int zeile) {
    QListWidget* liste =
        TextlisteOffen() ? LerneinheitenSchreibtrainerSchul : LerneinheitenGelaeufigkeit;
    liste->setCurrentRow(zeile);
}

bool TFensterAssi::dateiGewaehlt(const QString& datei) {
    chosenTextFile_ = datei;
    if (chosenTextFile_.isEmpty()) {
        platform().message(MessageKind::Information,
                           QString::fromUtf8("Sie müssen zuerst eine Lerneinheit wählen."));
        return false;
    }
    const QString pfad = QDir(state().StartDirectory).filePath(datei);
    if (QFileInfo::exists(pfad)) {
        return true;
    }
    platform().message(MessageKind::Error, QStringLiteral("Die Datei \r") +
                                               QDir::toNativeSeparators(pfad) +
                                               QStringLiteral("\r ist nicht vorhanden."));
    chosenTextFile_.clear();
    return false;
}

void TFensterAssi::AuswahlOKSchulClick() {
    if (!dateiGewaehlt(assistent::textdatei(LerneinheitenSchreibtrainerSchul->currentRow()))) {
        return;
    }
    BoxSchreibtrainingSchul->hide();
    setIndex(5, -1);
    schritte_[4]->hide();
    texteOeffnen(QDir(state().StartDirectory).filePath(chosenTextFile_));
}

void TFensterAssi::AuswahlGelaeufigkeitOKClick() {
    if (!dateiGewaehlt(assistent::gelaeufigkeitsdatei(LerneinheitenGelaeufigkeit->currentRow()))) {
        return;
    }
    BoxGelaeufigkeitsTraining->hide();
    hide();
    Q_EMIT LerneinheitGewaehlt(chosenTextFile_);
}

void TFensterAssi::AuswahlESCSchulClick() {
    BoxSchreibtrainingSchul->hide();
    setIndex(kSchrittZahl, -1);
    zeigeSchritt(kSchrittZahl);
    knoepfeZeigen(true);
    setIndex(5, -1);
}

void TFensterAssi::AuswahlGelaeufigkeitEscClick() {
    BoxGelaeufigkeitsTraining->hide();
    setIndex(1, 0);
    zeigeSchritt(1);
    knoepfeZeigen(true);
}

void TFensterAssi::AssiAbbrechenClick() {
    AssiWeiter->setText(kWeiter);
    zumHauptmenue();
}

void TFensterAssi::texteOeffnen(const QString& datei) {
    // Without a file the assistant stays behind the trainer's file dialog.
    const ProgramState& st = state();
    if (!datei.isEmpty() || !(st.TrainerEvaluation || st.TrainerScreenText)) {
        hide();
    }
    trainer_.TextVorgabe(datei);
}

void TFensterAssi::EigeneDateiAbgebrochen() {
    setIndex(kSchrittZahl, -1);
    zeigeSchritt(kSchrittZahl);
    knoepfeZeigen(true);
}

void TFensterAssi::anordnen() {
    const ProgramState& s = state();
    setFixedSize(perClass(
        s, std::array{QSize(520, 420), QSize(620, 500), QSize(680, 540), QSize(740, 580)}));
    mittigStellen();
    setzeSchrift(this, perClass(s, std::array{-15, -17, -19, -21}));
}

bool TFensterAssi::eventFilter(QObject* watched, QEvent* event) {
    if (watched == AssiWeiter && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        AssiWeiterRechtsklick();
        return true;
    }
    return Fenster::eventFilter(watched, event);
}
