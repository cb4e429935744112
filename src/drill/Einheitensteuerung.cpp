#include "drill/Tastaturschreiben.h"

#include "evaluation/Textanzeige.h"
#include "keyboard/Informationen.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"
#include "ui/secondtimer.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

// Control of a running unit: the clock, going to a line, switching between
// keyboard and line display, aborting and the end of the unit.

std::optional<QStringList> TFensterTastaturschreiben::SkriptLaden(const QString& pfad,
                                                                  QString* fehler) {
    if (!Steuerdatei->loadFile(pfad, fehler)) {
        return std::nullopt;
    }
    return Steuerdatei->lines();
}

void TFensterTastaturschreiben::EinheitUebernehmen(const QString& titel, const QStringList& skript,
                                                   int uebungszeilen) {
    Zuruecksetzen();
    setWindowTitle(titel);
    Steuerdatei->setLines(skript);
    Steuerdatei->setModified(false);
    einheit_.DrillLineCount = uebungszeilen;
    einheit_.ScriptLine = SteuerStringNetto(skript.value(0));
    // Shown first: the set-up step may open with the home-row introduction.
    show();
    raise();
    activateWindow();
    Texteingabefeld->setFocus();
    BildschirmEinrichten();
}

void TFensterTastaturschreiben::Startpause() {
    // A demonstration that ends the set-up leaves input blocked: the learner
    // gets five seconds before the first key counts.
    if (!einheit_.InputBlocked) {
        return;
    }
    StoppStart->show();
    Pause(5000);
    StoppStart->hide();
    einheit_.InputBlocked = false;
}

bool TFensterTastaturschreiben::TasteiWechselAngeboten() const {
    return !TasteiZeileButton->isHidden();
}

void TFensterTastaturschreiben::Timer1Timer() {
    if (!einheit_.DrillClockRunning) {
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
    } else if (eingabe.size() > 9 || eingabe.toInt() > einheit_.DrillLineCount) {
        meldung = QString::fromUtf8("Der eingegebene Wert ist zu groß.");
    }
    if (!meldung.isEmpty()) {
        platform().message(MessageKind::Information, meldung);
        ZeilNumEingabe->setFocus();
        return;
    }
    // Only an accepted number leaves the running keypad line.
    if (st.NumpadMode) {
        einheit_.Modus.Normalzeile = false;
    }
    const int n = eingabe.toInt();
    einheit_.DrillLineNumber = n;
    GeheZuZeile->hide();
    if (einheit_.CharPos > 1) {
        zeilenumbruch();
    }
    einheit_.CharPos = 1;

    einheit_.CorrectionMode = Korrekturmodus::Aus;
    const auto ziel = sprungziel(Steuerdatei->lines(), n);
    einheit_.CorrectionMode = ziel ? ziel->korrektur : Korrekturmodus::Aus;
    einheit_.ScriptLineIndex = ziel ? ziel->blockanfang : 0;
    BildschirmEinrichten();
    if (!ziel || ziel->uebungszeile) {
        einheit_.ScriptLineIndex = ziel ? ziel->zeile : 0;
        einheit_.ScriptLine = einheit_.Modus.tastaturUebung() && !st.NumpadMode
                                  ? tastaturzeile(einheit_.ScriptLineIndex)
                                  : SteuerStringNetto(Skriptzeile(einheit_.ScriptLineIndex));
    }
    einheit_.CharPos = 1;
    if (st.NumpadMode && !einheit_.Modus.Normalzeile) {
        ZiffernblockTastatur();
    } else if (einheit_.Modus.Volltastei) {
        VollTastatur();
    }
    if (einheit_.Modus.Blindtastei) {
        BlindTastatur();
    }
    if (einheit_.Modus.Teiltastei) {
        TeilTastatur(einheit_.TeilKeySet);
    }
    InfoFeld->hide();
    if (einheit_.Modus.tastaturUebung()) {
        DynamischeTastatur(0);
    } else if (einheit_.Modus.Wortaufbau) {
        WortaufbauUebung(0);
    } else if (einheit_.Modus.Rasterzeile) {
        Rasterzeile(0);
    } else if (einheit_.Modus.Normalzeile) {
        einheit_.LineStartPending = true;
        Normalzeile(0);
    }
    // Line 0 starts the unit again: the learner is on its first line.
    einheit_.DrillLineNumber = std::min(std::max(n, 1), einheit_.DrillLineCount);
    ZeilenZaehler();
    AbbrechenButton->show();
    NormalzeileBack->hide();
    RasterzeileBack->hide();
    WortaufbauBack->hide();
    einheit_.CorrectionPending = false;
    Texteingabefeld->setFocus();
}

void TFensterTastaturschreiben::TasteiZeileButtonClick() {
    if (einheit_.CharPos > 1 || einheit_.CorrectionPending) {
        zeilenumbruch();
    }
    // The line restarts clean: a correction begun in it is void.
    einheit_.CorrectionPending = false;
    NormalzeileBack->hide();
    RasterzeileBack->hide();
    WortaufbauBack->hide();
    einheit_.Modus.Abschreibtext = false;
    einheit_.Modus.Blindtastei = false;
    einheit_.Modus.Bahntastei = false;
    einheit_.Modus.Wortaufbau = false;
    einheit_.Modus.Rasterzeile = false;
    einheit_.CharPos = 1;
    einheit_.ScriptLine = tastaturzeile(einheit_.ScriptLineIndex);
    if (einheit_.Modus.Volltastei) {
        einheit_.Modus.Volltastei = false;
        einheit_.Modus.Teiltastei = true;
        einheit_.TeilKeySet = kGrundreihe;
        TeilTastatur(einheit_.TeilKeySet);
        DynamischeTastatur(0);
        TasteiZeileButton->setText(QStringLiteral(" Zeile "));
    } else if (einheit_.Modus.Teiltastei) {
        einheit_.Modus.Teiltastei = false;
        einheit_.Modus.Normalzeile = true;
        NormalzeileReturn->hide();
        einheit_.LineStartPending = true;
        Normalzeile(0);
        TasteiZeileButton->setText(QStringLiteral(" Volltastei "));
    } else {
        einheit_.Modus.Normalzeile = false;
        einheit_.Modus.Volltastei = true;
        VollTastatur();
        einheit_.ExpectedChar = einheit_.ScriptLine.isEmpty() ? QChar() : einheit_.ScriptLine.at(0);
        DynamischeTastatur(0);
        TasteiZeileButton->setText(QStringLiteral(" Blindtastei "));
    }
    Texteingabefeld->setFocus();
}

void TFensterTastaturschreiben::TastaturschreibenBeenden(bool regulaer) {
    TFensterTextanzeige& ergebnis = *ergebnis_;
    if (ergebnis.isVisible()) {
        return;
    }
    ProgramState& st = state();
    ++beendungen_;
    // Keys typed ahead belong to the unit that has ended.
    warteschlange_.clear();
    // The exercise consumed the last typed character; it still belongs to the text.
    if (regulaer && !einheit_.LastTypedChar.isNull() &&
        einheit_.LastTypedChar != QLatin1Char('\r')) {
        einfuegen(einheit_.LastTypedChar);
    }
    const bool blind = einheit_.Modus.Blindtastei;
    einheit_.Modus = DrillMode();
    einheit_.Modus.FreeMode = true;
    const bool getippt = !Texteingabefeld->document()->isEmpty();
    if (getippt) {
        kennzahlen::Kennzahlen figuren = einheit_.Statistik;
        if (einheit_.ErsterAnschlagMs >= 0) {
            figuren.schreibzeitMs = platform().tickMs() - einheit_.ErsterAnschlagMs;
        }
        ergebnis.TextZeigen(Texteingabefeld->toPlainText(), st.EditionSchool, figuren);
        Q_EMIT ErgebnisGezeigt(windowTitle(), figuren);
        TasteiZeileButton->hide();
        informationen_->hide();
    }
    if (blind) {
        st.HandImpairedMode = false;
        NormalTastatur->NummernZeigen(false);
        Q_EMIT NeuAnordnen();
    }
    Zusatzuebung->hide();
    hide();
    if (getippt) {
        ergebnis.Anzeigen();
    } else {
        // Nothing typed: straight back to the menu, no empty result.
        Q_EMIT Hauptmenue();
    }
    Q_EMIT LerneinheitBeendet(regulaer);
}

void TFensterTastaturschreiben::closeEvent(QCloseEvent* event) {
    event->ignore();
    AbbrechenButtonClick();
}
