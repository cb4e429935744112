// The clock of the trainer, the end of typing, the correction phase and the
// hand-over to the evaluation, and the clicks the window answers.
#include "trainer/Schreibtrainer.h"

#include "keyboard/Informationen.h"
#include "trainer/anschlaege.h"
#include "trainer/vorgabe.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"
#include "ui/secondtimer.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlock>

namespace {

const QString kBeendenFrage = QString::fromUtf8("Wollen Sie die Schreibübung tatsächlich beenden?");
const QString kKorrigieren = QString::fromUtf8("Hier können Sie Fehler verbessern.");
const QString kRestzeitKorrigieren =
    QString::fromUtf8("Sie können bis zum Ablauf der Restzeit Fehler verbessern.");
const QString kNichtInVorlage = QStringLiteral("Bitte nicht in die Textvorlage klicken!");
const QString kNichtZurueck =
    QString::fromUtf8("Sie können nicht mehr in den\rModus \"Ohne Korrektur\" zurück.");
const QString kUmschalten = QString::fromUtf8(
    "Sie können nur in den Modus \"Korrektur\" umschalten.\rZum Modus \"Ohne Korrektur\" "
    "können Sie nicht mehr zurück!\r\rWollen Sie das wirklich?");

} // namespace

void TFensterSchreibtrainer::Timer1Timer() {
    ProgramState& st = state();
    if (!st.TrainerClockRunning) {
        return;
    }
    st.TrainerTimeSeconds = std::max(0, st.TrainerTimeSeconds - 1);
    ZeitAnzeige->setCaption(vorgabe::restzeit(st.TrainerTimeSeconds));
    if (st.TrainerTimeSeconds == 0) {
        st.TrainerClockRunning = false;
        Timer1->stop();
        EndTyping(Grund::ZeitUm);
    }
}

void TFensterSchreibtrainer::BeendenSchreibenClick() {
    if (Texteingabe->isModified()) {
        if (platform().message(MessageKind::Confirmation, kBeendenFrage, MessageButtons::YesNo) !=
            MessageAnswer::Yes) {
            Texteingabe->setFocus();
            return;
        }
        EndTyping(Grund::Beendet);
    } else {
        EndTyping(Grund::OhneEingabe);
    }
    if (informationen_) {
        informationen_->hide();
    }
}

void TFensterSchreibtrainer::EndTyping(Grund grund) {
    ProgramState& st = state();
    Uebungszustand& u = uebung_;
    if (u.phase == Uebungszustand::Phase::Schreiben && u.schreibbeginnMs >= 0) {
        u.schreibzeitMs = platform().tickMs() - u.schreibbeginnMs;
    }
    u.phase = Uebungszustand::Phase::Ende;
    for (QWidget* w : std::initializer_list<QWidget*>{Kopfleiste, TextvorgabeBereich,
                                                      ZeilenNummernAnzeige, Absatzende}) {
        w->hide();
    }
    WeiterNachKorrektur->show();
    if (vorgabe::ohneWiederholung(u.datei)) {
        st.TrainerCorrection = false;
    }
    if (st.TrainerEvaluation || st.TrainerScreenText) {
        // The evaluation compares with the text alone, without the marker lines.
        QStringList vorgabe = Vorgabetext->lines();
        for (QString& zeile : vorgabe) {
            if (zeile.contains(vorgabe::kMarkeAnfang)) {
                zeile.clear();
            }
        }
        while (!vorgabe.isEmpty() && vorgabe.last().isEmpty()) {
            vorgabe.removeLast();
        }
        Vorgabetext->setLines(vorgabe);
    }
    if (u.einfacherEditor && Texteingabe->isModified()) {
        grund = Grund::ZeitUm;
    }
    if (st.TrainerCorrection && u.TrainerKeyAfterStart) {
        if (grund == Grund::Beendet) {
            u.phase = Uebungszustand::Phase::Korrektur;
            st.TrainerScreenText = false;
            HinweisKorrektur->setCaption(kKorrigieren);
            HinweisKorrektur->show();
            Texteingabe->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            Texteingabe->setFocus();
        } else if (grund == Grund::ZeitUm) {
            TextvorgabeBereich->hide();
            HinweisKorrektur->hide();
            WeiterNachKorrektur->hide();
            WeiterNachKorrekturClick();
            return;
        }
    } else if (!st.TrainerCorrection || !st.TrainerClockRunning) {
        if (auswerten()) {
            return;
        }
    }
    if (st.TrainerClockRunning) {
        u.phase = Uebungszustand::Phase::Korrektur;
        HinweisKorrektur->setCaption(kRestzeitKorrigieren);
        HinweisKorrektur->show();
    }
    if (grund == Grund::OhneEingabe) {
        zurueckZumStart();
    }
}

bool TFensterSchreibtrainer::auswerten() {
    ProgramState& st = state();
    for (QWidget* w :
         std::initializer_list<QWidget*>{HinweisKorrektur, WeiterNachKorrektur, KorrekturAnzeige,
                                         ZeitAnzeige, AnschlagsAnzeige, Texteingabe}) {
        w->hide();
    }
    st.TrainerClockRunning = false;
    Timer1->stop();
    Texteingabe->setReadOnly(false);
    if (!Texteingabe->isModified()) {
        return false;
    }
    uebung_.phase = Uebungszustand::Phase::Ende;
    AnschlagsBerichtigung();
    hide();
    Q_EMIT Auswertung();
    return true;
}

void TFensterSchreibtrainer::AnschlagsBerichtigung() {
    // Corrections and marks typed by the learner count as they stand now.
    const int neu = anschlaege::neuZaehlen(Texteingabe->lines());
    if (neu >= 1) {
        state().KeystrokeCount = neu;
    }
}

void TFensterSchreibtrainer::WeiterNachKorrekturClick() {
    // Nothing typed gives no result: back to the menu.
    if (!auswerten()) {
        zurueckZumStart();
    }
}

void TFensterSchreibtrainer::zurueckZumStart() {
    state().TrainerClockRunning = false;
    Timer1->stop();
    uebung_.phase = Uebungszustand::Phase::Ende;
    TextvorgabeBereich->hide();
    HinweisKorrektur->hide();
    WeiterNachKorrektur->hide();
    zumHauptmenue();
}

void TFensterSchreibtrainer::KorrekturAnzeigeClick() {
    if (!uebung_.einfacherEditor) {
        return;
    }
    ProgramState& st = state();
    if (st.TrainerCorrection) {
        platform().message(MessageKind::Information, kNichtZurueck);
    } else if (platform().message(MessageKind::Confirmation, kUmschalten,
                                  MessageButtons::YesNoCancel) == MessageAnswer::Yes) {
        st.TrainerCorrection = true;
        KorrekturAnzeige->setCaption(QStringLiteral("  Mit Korrektur"));
        KlickMitKorrektur->hide();
    }
    Texteingabe->setFocus();
}

void TFensterSchreibtrainer::InZeileClick() {
    platform().message(MessageKind::Warning, kNichtInVorlage, MessageButtons::Cancel);
    Texteingabe->setFocus();
}

bool TFensterSchreibtrainer::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type art = event->type();
    if (watched == Texteingabe && art == QEvent::KeyPress && !durchlassen_) {
        return TexteingabeOnKeyDown(static_cast<QKeyEvent*>(event));
    }
    const bool klick = art == QEvent::MouseButtonPress || art == QEvent::MouseButtonDblClick;
    if (!klick) {
        return Fenster::eventFilter(watched, event);
    }
    if (watched == Texteingabe->viewport()) {
        return TexteingabeMouseDown();
    }
    if (watched == KorrekturAnzeige || watched == KlickMitKorrektur) {
        KorrekturAnzeigeClick();
        return true;
    }
    if (std::ranges::find(zeilen_, watched) != zeilen_.end()) {
        InZeileClick();
        return true;
    }
    return Fenster::eventFilter(watched, event);
}

void TFensterSchreibtrainer::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (uebung_.phase == Uebungszustand::Phase::Korrektur) {
        if (platform().message(MessageKind::Confirmation, kBeendenFrage, MessageButtons::YesNo) ==
            MessageAnswer::Yes) {
            WeiterNachKorrekturClick();
        }
        return;
    }
    if (uebung_.phase == Uebungszustand::Phase::Schreiben) {
        BeendenSchreibenClick();
        return;
    }
    zurueckZumStart();
}
