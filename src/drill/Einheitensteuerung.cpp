#include "drill/Tastaturschreiben.h"

#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "app/programstate.h"
#include "evaluation/Textanzeige.h"
#include "keyboard/Informationen.h"
#include "layout/MonitorAnpassen.h"
#include "lessons/AuswahlLektionen.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/richtextfield.h"
#include "ui/secondtimer.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

// Control of a running unit: the clock, going to a line, switching between
// keyboard and line display, aborting and the end of the unit.

void TFensterTastaturschreiben::Timer1Timer() {
    if (!state().DrillClockRunning) {
        uhrStartMs_ = platform().tickMs();
        Uhr->setCaption(kUhrNull);
        return;
    }
    // The tick counter runs on across midnight, unlike the time of day.
    const qint64 sekunden = (platform().tickMs() - uhrStartMs_) / 1000;
    Uhr->setCaption(QStringLiteral(" Zeit: %1:%2:%3")
                        .arg(sekunden / 3600, 2, 10, QLatin1Char('0'))
                        .arg(sekunden / 60 % 60, 2, 10, QLatin1Char('0'))
                        .arg(sekunden % 60, 2, 10, QLatin1Char('0')));
}

void TFensterTastaturschreiben::ZeilenNummernClick() {
    GeheZuZeile->show();
    GeheZuZeile->raise();
    AbbrechenButton->hide();
    ZeilNumEingabe->clear();
    ZeilNumEingabe->setFocus();
}

void TFensterTastaturschreiben::EscZeileClick() {
    GeheZuZeile->hide();
    AbbrechenButton->show();
    Texteingabefeld->setFocus();
}

void TFensterTastaturschreiben::OkZeileClick() {
    ProgramState& st = state();
    const QString eingabe = ZeilNumEingabe->text();
    const bool nurZiffern = std::all_of(eingabe.cbegin(), eingabe.cend(),
                                        [](QChar c) { return c >= u'0' && c <= u'9'; });
    QString meldung;
    if (eingabe.isEmpty()) {
        meldung = QStringLiteral("Geben Sie eine Zeilennummer ein.");
    } else if (!nurZiffern) {
        meldung = QString::fromUtf8("Ungültiger Wert. Geben Sie nur Ziffern ein.");
    } else if (eingabe.size() > 9 || eingabe.toInt() > DrillLineCount) {
        meldung = QString::fromUtf8("Der eingegebene Wert ist zu groß.");
    }
    if (!meldung.isEmpty()) {
        platform().message(MessageKind::Information, meldung);
        ZeilNumEingabe->setFocus();
        return;
    }
    // Only an accepted number leaves the running keypad line.
    if (st.NumpadMode) {
        Modus.Normalzeile = false;
    }
    const int n = eingabe.toInt();
    DrillLineNumber = n;
    GeheZuZeile->hide();
    if (st.CharPos > 1) {
        zeilenumbruch();
    }
    st.CharPos = 1;

    st.CorrectionMode = 0;
    const auto ziel = sprungziel(Steuerdatei->lines(), n);
    st.CorrectionMode = ziel ? ziel->korrektur : 0;
    st.ScriptLineIndex = ziel ? ziel->blockanfang : 0;
    BildschirmEinrichten();
    if (!ziel || ziel->uebungszeile) {
        st.ScriptLineIndex = ziel ? ziel->zeile : 0;
        st.ScriptLine = Modus.tastaturUebung() && !st.NumpadMode
                            ? tastaturzeile(st.ScriptLineIndex)
                            : SteuerStringNetto(Skriptzeile(st.ScriptLineIndex));
    }
    st.CharPos = 1;
    if (st.NumpadMode && !Modus.Normalzeile) {
        ZiffernblockTastatur();
    } else if (Modus.Volltastei) {
        VollTastatur();
    }
    if (Modus.Blindtastei) {
        BlindTastatur();
    }
    if (Modus.Teiltastei) {
        TeilTastatur(TeilKeySet);
    }
    InfoFeld->hide();
    if (Modus.tastaturUebung()) {
        DynamischeTastatur(0);
    } else if (Modus.Wortaufbau) {
        WortaufbauUebung(0);
    } else if (Modus.Rasterzeile) {
        Rasterzeile(0);
    } else if (Modus.Normalzeile) {
        st.LineStartPending = true;
        Normalzeile(0);
    }
    // Line 0 starts the unit again: the learner is on its first line.
    DrillLineNumber = std::min(std::max(n, 1), DrillLineCount);
    ZeilenZaehler();
    AbbrechenButton->show();
    NormalzeileBack->hide();
    RasterzeileBack->hide();
    WortaufbauBack->hide();
    st.CorrectionPending = false;
    Texteingabefeld->setFocus();
}

void TFensterTastaturschreiben::TasteiZeileButtonClick() {
    ProgramState& st = state();
    if (st.CharPos > 1 || st.CorrectionPending) {
        zeilenumbruch();
    }
    // The line restarts clean: a correction begun in it is void.
    st.CorrectionPending = false;
    NormalzeileBack->hide();
    RasterzeileBack->hide();
    WortaufbauBack->hide();
    Modus.Abschreibtext = false;
    Modus.Blindtastei = false;
    Modus.Bahntastei = false;
    Modus.Wortaufbau = false;
    Modus.Rasterzeile = false;
    st.CharPos = 1;
    st.ScriptLine = tastaturzeile(st.ScriptLineIndex);
    if (Modus.Volltastei) {
        Modus.Volltastei = false;
        Modus.Teiltastei = true;
        TeilKeySet = kGrundreihe;
        TeilTastatur(TeilKeySet);
        DynamischeTastatur(0);
        TasteiZeileButton->setText(QStringLiteral(" Zeile "));
    } else if (Modus.Teiltastei) {
        Modus.Teiltastei = false;
        Modus.Normalzeile = true;
        NormalzeileReturn->hide();
        st.LineStartPending = true;
        Normalzeile(0);
        TasteiZeileButton->setText(QStringLiteral(" Volltastei "));
    } else {
        Modus.Normalzeile = false;
        Modus.Volltastei = true;
        VollTastatur();
        st.ExpectedChar = st.ScriptLine.isEmpty() ? QChar() : st.ScriptLine.at(0);
        DynamischeTastatur(0);
        TasteiZeileButton->setText(QStringLiteral(" Blindtastei "));
    }
    Texteingabefeld->setFocus();
}

void TFensterTastaturschreiben::TastaturschreibenBeenden(bool regulaer) {
    TFensterTextanzeige& ergebnis = anwendung().FensterTextanzeige();
    if (ergebnis.isVisible()) {
        return;
    }
    ProgramState& st = state();
    ++beendungen_;
    // Keys typed ahead belong to the unit that has ended.
    warteschlange_.clear();
    // The exercise consumed the last typed character; it still belongs to the text.
    if (regulaer && !LastTypedChar.isNull() && LastTypedChar != QLatin1Char('\r')) {
        einfuegen(LastTypedChar);
    }
    const bool blind = Modus.Blindtastei;
    Modus = DrillMode();
    Modus.FreeMode = true;
    const bool getippt = !Texteingabefeld->document()->isEmpty();
    if (getippt) {
        ergebnis.TextZeigen(Texteingabefeld->toPlainText());
        TasteiZeileButton->hide();
        anwendung().FensterInformationen().hide();
    }
    if (blind) {
        st.HandImpairedMode = false;
        NummernFingerwege->hide();
        anwendung().FensterBildschirmAnpassen().Bildschirm();
    }
    Zusatzuebung->hide();
    hide();
    anwendung().FensterLektionen().hide();
    if (getippt) {
        ergebnis.show();
        ergebnis.raise();
        ergebnis.TextAnzeigeFeld->setFocus();
    } else {
        // Nothing typed: straight back to the menu, no empty result.
        TFensterStart& start = anwendung().FensterStart();
        start.Startmenue->show();
        start.show();
    }
    Q_EMIT LerneinheitBeendet(regulaer);
}

void TFensterTastaturschreiben::closeEvent(QCloseEvent* event) {
    event->ignore();
    AbbrechenButtonClick();
}
