#include "drill/Tastaturschreiben.h"

#include "drill/tastenzeichen.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"
#include "ui/tasten.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>

// Every keystroke in the input field comes here first: keys that must not
// reach the field are filtered, characters are judged, and the verdict
// decides what the field gets.

namespace {

const QChar kAkut(0xB4);
const QChar kGravis(QLatin1Char('`'));

// Navigation, editing and function keys never reach the field.
bool wirdVerschluckt(int key) {
    switch (key) {
    case Qt::Key_Delete:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return istBewegungstaste(key);
    }
}

} // namespace

bool TFensterTastaturschreiben::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Texteingabefeld && event->type() == QEvent::KeyPress) {
        TexteingabefeldKeyDown(static_cast<QKeyEvent*>(event));
        return true;
    }
    if (watched == Texteingabefeld->viewport() && (event->type() == QEvent::MouseButtonPress ||
                                                   event->type() == QEvent::MouseButtonDblClick)) {
        TexteingabefeldMouseDown();
        return true;
    }
    if ((watched == Zeilennummern || watched == KlickZeile) &&
        event->type() == QEvent::MouseButtonPress) {
        ZeilenNummernClick();
        return true;
    }
    return Fenster::eventFilter(watched, event);
}

void TFensterTastaturschreiben::TexteingabefeldKeyDown(QKeyEvent* event) {
    belegungPruefen(*event);
    const bool rechtsAlsTab = state().NumpadMode && punktTasteAlsTab();
    const bool alsTab = event->key() == Qt::Key_Right && rechtsAlsTab;
    if (!alsTab && wirdVerschluckt(event->key())) {
        return;
    }
    const QChar zeichen = beurteiltesZeichen(event->key(), event->text(), rechtsAlsTab);
    if (!zeichen.isNull()) {
        TastenAbfrageKeypress(zeichen);
    }
}

void TFensterTastaturschreiben::TexteingabefeldMouseDown() {
    if (Texteingabefeld->isReadOnly()) {
        Texteingabefeld->setReadOnly(false);
    } else {
        platform().message(MessageKind::Warning,
                           QStringLiteral("Bitte nicht in das Eingabefeld klicken!"),
                           MessageButtons::Cancel);
    }
    Texteingabefeld->moveCursor(QTextCursor::End);
    Texteingabefeld->setFocus();
}

void TFensterTastaturschreiben::einfuegen(const QString& text) {
    QTextCursor ende(Texteingabefeld->document());
    ende.movePosition(QTextCursor::End);
    ende.insertText(text);
    Texteingabefeld->setTextCursor(ende);
}

void TFensterTastaturschreiben::zeilenumbruch() {
    QTextCursor ende(Texteingabefeld->document());
    ende.movePosition(QTextCursor::End);
    ende.insertBlock();
    Texteingabefeld->setTextCursor(ende);
}

void TFensterTastaturschreiben::letztesZeichenLoeschen() {
    QTextCursor ende(Texteingabefeld->document());
    ende.movePosition(QTextCursor::End);
    ende.deletePreviousChar();
    Texteingabefeld->setTextCursor(ende);
}

void TFensterTastaturschreiben::laufendeUebung(QChar zeichen) {
    if (einheit_.Modus.tastaturUebung()) {
        DynamischeTastatur(zeichen.unicode());
    } else if (einheit_.Modus.Wortaufbau) {
        WortaufbauUebung(zeichen.unicode());
    } else if (einheit_.Modus.Rasterzeile) {
        Rasterzeile(zeichen.unicode());
    } else if (einheit_.Modus.Normalzeile) {
        Normalzeile(zeichen.unicode());
    }
}

void TFensterTastaturschreiben::TastenAbfrageKeypress(QChar zeichen) {
    // A hold for reading throws keys away. A key that arrives while the drill
    // is still busy (judging a key, walking a finger path, the short waits
    // that keep events flowing) waits and is judged right after, in order.
    if (einheit_.InputBlocked) {
        return;
    }
    if (beschaeftigt_ > 0) {
        warteschlange_.push_back(zeichen);
        return;
    }
    imAblauf([this, zeichen] { tasteBeurteilen(zeichen); });
}

void TFensterTastaturschreiben::imAblauf(const std::function<void()>& schritt) {
    ++beschaeftigt_;
    schritt();
    --beschaeftigt_;
    if (beschaeftigt_ > 0) {
        return;
    }
    ++beschaeftigt_;
    while (!warteschlange_.empty()) {
        const QChar naechstes = warteschlange_.front();
        warteschlange_.pop_front();
        tasteBeurteilen(naechstes);
    }
    --beschaeftigt_;
}

void TFensterTastaturschreiben::anschlagZaehlen(QChar erwartet) {
    if (einheit_.ErsterAnschlagMs < 0) {
        einheit_.ErsterAnschlagMs = platform().tickMs();
    }
    ++einheit_.Statistik.anschlaege;
    ++einheit_.Statistik.verlangtJeTaste[erwartet.unicode()];
}

void TFensterTastaturschreiben::belegungPruefen(const QKeyEvent& event) {
    if (einheit_.Belegung != tastaturbelegung::Urteil::Offen) {
        return;
    }
    const tastaturbelegung::Befund befund =
        tastaturbelegung::pruefen(event.nativeScanCode(), event.text());
    einheit_.Belegung = befund.urteil;
    if (befund.urteil == tastaturbelegung::Urteil::Fremd && !belegungGemeldet_) {
        belegungGemeldet_ = true;
        platform().message(MessageKind::Warning, tastaturbelegung::meldung(befund));
    }
}

void TFensterTastaturschreiben::tasteBeurteilen(QChar zeichen) {
    if (einheit_.InputBlocked || zeichen == kAkut || zeichen == kGravis ||
        (zeichen == kReturn && einheit_.Modus.tastaturUebung() && !einheit_.LineEndReached)) {
        return;
    }
    StoppStart->hide();
    InfoFeld->hide();
    einheit_.DrillClockRunning = true;

    if (zeichen == kEscape) {
        // The abort question answers Escape; the key itself is not judged.
        abbruchFragen();
        return;
    }
    if (einheit_.Modus.FreeMode) {
        if (!freiUmbruch_) {
            freiUmbruch_ = true;
            Texteingabefeld->setWordWrap(true);
        }
        if (zeichen == kReturn) {
            zeilenumbruch();
        } else if (zeichen == kBackspace) {
            letztesZeichenLoeschen();
        } else {
            einfuegen(zeichen);
        }
        return;
    }
    Texteingabefeld->setWordWrap(true);
    if (einheit_.CorrectionPending && zeichen != kBackspace) {
        return;
    }
    const bool warBackspace = zeichen == kBackspace;
    if (warBackspace) {
        if (!einheit_.Modus.tastaturUebung()) {
            // Only a correction may delete; any other Backspace is dropped.
            if (einheit_.CorrectionPending) {
                letztesZeichenLoeschen();
                einheit_.CorrectionPending = false;
                NormalzeileBack->hide();
                RasterzeileBack->hide();
                WortaufbauBack->hide();
            }
            return;
        }
        zeichen = QLatin1Char('@');
    }

    // A Backspace drilled as the at sign deletes; it leaves no character behind.
    einheit_.LastTypedChar = warBackspace ? QChar() : zeichen;
    const QString eingabe = warBackspace ? QString() : QString(zeichen);
    const QChar erwartet = einheit_.ExpectedChar;
    anschlagZaehlen(erwartet);
    const int vorher = beendungen_;
    laufendeUebung(zeichen);
    if (beendungen_ != vorher) {
        einheit_.KeyVerdict = Tastenurteil::Angenommen;
        return;
    }
    const Tastenurteil urteil = einheit_.KeyVerdict;
    einheit_.KeyVerdict = Tastenurteil::Angenommen;
    if (urteil == Tastenurteil::Falsch) {
        ++einheit_.Statistik.fehler;
        ++einheit_.Statistik.falschJeTaste[erwartet.unicode()];
    }
    switch (urteil) {
    case Tastenurteil::Angenommen:
        if (warBackspace) {
            // The keyboard exercise has already taken the wrong key back.
            const QString zeile = Texteingabefeld->document()->lastBlock().text();
            einheit_.LastTypedChar = zeile.isEmpty() ? QChar() : zeile.back();
        } else if (zeichen != kReturn) {
            einfuegen(zeichen);
        }
        break;
    case Tastenurteil::Falsch:
        korrekturBeginnen(zeichen, warBackspace);
        break;
    case Tastenurteil::AngenommenMitUmbruch:
        einfuegen(eingabe);
        zeilenumbruch();
        break;
    case Tastenurteil::NurUmbruch:
        zeilenumbruch();
        break;
    case Tastenurteil::AngenommenMitLeer:
        einfuegen(eingabe + QLatin1Char(' '));
        break;
    }
}

void TFensterTastaturschreiben::korrekturBeginnen(QChar zeichen, bool warBackspace) {
    const bool returnErwartet = !NormalzeileReturn->isHidden() || !RasterzeileReturn->isHidden() ||
                                !WortaufbauReturn->isHidden();
    if (returnErwartet || einheit_.CorrectionMode != Korrekturmodus::Ein ||
        einheit_.CorrectionPending || warBackspace) {
        return;
    }
    einfuegen(zeichen);
    einheit_.CorrectionPending = true;
    einheit_.ScriptLine.insert(einheit_.CharPos - 1, kKorrekturmarke);
    laufendeUebung(zeichen);
    einheit_.KeyVerdict = Tastenurteil::Angenommen;
}

void TFensterTastaturschreiben::AbbrechenButtonClick() {
    // Ignored while the drill is busy, as while input is blocked: the question
    // must not cut into a finger path or a line that is being set up.
    if (beschaeftigt_ > 0) {
        return;
    }
    abbruchFragen();
}

void TFensterTastaturschreiben::abbruchFragen() {
    if (einheit_.InputBlocked) {
        return;
    }
    const MessageAnswer antwort = platform().message(
        MessageKind::Confirmation,
        QStringLiteral("Wollen Sie diese Lerneinheit tatsächlich beenden?"), MessageButtons::YesNo);
    if (antwort == MessageAnswer::Yes) {
        TastaturschreibenBeenden(false);
        AbbrechenButton->hide();
    } else {
        Texteingabefeld->setFocus();
    }
}
