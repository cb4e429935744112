// The input field of the trainer: which keys it takes, the paragraph rules of
// copy typing, the keystroke count and the reference lines that follow the
// typing.
#include "trainer/Schreibtrainer.h"

#include "trainer/vorgabe.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"
#include "ui/secondtimer.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextBlock>

namespace {

const QString kNochmalsReturn = QString::fromUtf8("Drücken Sie nochmals die Returntaste.");
const QString kNichtZusammenziehen = QString::fromUtf8("Absätze lassen sich nicht zusammenziehen.");
const QString kBeginnen = QStringLiteral("Beginnen Sie mit dem Text.");
const QString kFortfahren = QStringLiteral("Fahren Sie mit dem Text fort.");
const QString kNeuerAbsatz = QStringLiteral("Beginnen Sie mit dem neuen Absatz.");
const QString kKeinAbsatz = QStringLiteral("Es folgt kein weiterer Absatz.");
const QString kNichtTeilen =
    QString::fromUtf8("Diesen Absatz können Sie nachträglich nicht mehr teilen.  \r\rNur der "
                      "aktuelle Absatz lässt sich nachträglich teilen.   ");
const QString kReturnNur = QString::fromUtf8(
    "Drücken Sie die Return-Taste (Eingabetaste) nur, wenn ...               \r\r1. Sie die "
    "letzte Absatzzeile des Vorgabe-Textes geschrieben haben und  \r2. sich der Cursor am Ende "
    "des Eingabe-Textes befindet.                 \r\rWenn Sie hingegen diesen Absatz abbrechen "
    "und mit dem nächsten des      \rVorlage-Textes beginnen wollen, drücken Sie die Taste F1.  "
    "             ");
const QString kAmEndeWeiter = QStringLiteral("Schreiben Sie am Ende Ihres Textes weiter.");
const QString kStrg = QString::fromUtf8("Sie haben versehentlich die Strg-Taste gedrückt.");
const QString kAlt = QString::fromUtf8("Sie haben versehentlich die Alt-Taste gedrückt.");
const QString kNichtKlicken = QStringLiteral(
    "Bitte, klicken sie nicht in den Text!   \r\rSie können hier nicht korrigieren.      \r\r"
    "Fahren Sie mit der Texteingabe fort.    ");

bool istReturn(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Keys that move the caret; without correction they are refused.
bool bewegtCaret(int key) {
    switch (key) {
    case Qt::Key_Clear:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

void TFensterSchreibtrainer::hinweis(const QString& text, bool ok) {
    platform().message(MessageKind::Information, text,
                       ok ? MessageButtons::Ok : MessageButtons::Cancel);
    Texteingabe->setFocus();
}

QStringList TFensterSchreibtrainer::zeilen() const {
    // The lines as typed: a line break at the end opens no line of its own.
    QStringList ergebnis = Texteingabe->lines();
    if (ergebnis.size() > 1 && ergebnis.last().isEmpty()) {
        ergebnis.removeLast();
    }
    return ergebnis;
}

int TFensterSchreibtrainer::eingabeAnzeigezeilen() const {
    return Texteingabe->displayLineCount();
}

bool TFensterSchreibtrainer::caretAmEnde() const {
    return Texteingabe->textCursor().atEnd();
}

void TFensterSchreibtrainer::caretAnsEnde() {
    QTextCursor cursor = Texteingabe->textCursor();
    cursor.movePosition(QTextCursor::End);
    Texteingabe->setTextCursor(cursor);
    Texteingabe->setFocus();
}

void TFensterSchreibtrainer::tasteDurchlassen(QKeyEvent* event) {
    durchlassen_ = true;
    if (istReturn(event->key())) {
        // With Shift held the field would break the line inside the
        // paragraph; a Return of the trainer always makes a new line.
        QKeyEvent ohneUmschalt(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier,
                               QStringLiteral("\r"));
        QCoreApplication::sendEvent(Texteingabe, &ohneUmschalt);
    } else {
        QCoreApplication::sendEvent(Texteingabe, event);
    }
    durchlassen_ = false;
}

void TFensterSchreibtrainer::TexteingabeChange() {
    const int position = Texteingabe->caretPosition();
    uebung_.CaretLine = Texteingabe->displayLineOfPosition(position);
    uebung_.CaretColumn = Texteingabe->displayColumnOfPosition(position);
    const ProgramState& st = state();
    const bool mitVorgabe = st.TrainerEvaluation || st.TrainerScreenText;
    ZeilenNummernAnzeige->setCaption(vorgabe::position(uebung_.CaretLine, uebung_.CaretColumn,
                                                       mitVorgabe ? vorgabezeilenzahl() - 2 : -1));
}

bool TFensterSchreibtrainer::TexteingabeMouseDown() {
    const bool erlaubt = (uebung_.einfacherEditor && state().TrainerCorrection) ||
                         uebung_.phase == Uebungszustand::Phase::Korrektur;
    if (erlaubt) {
        return false;
    }
    TexteingabeChange();
    platform().message(MessageKind::Warning, kNichtKlicken, MessageButtons::Cancel);
    caretAnsEnde();
    return true;
}

bool TFensterSchreibtrainer::TexteingabeOnKeyDown(QKeyEvent* event) {
    ProgramState& st = state();
    Uebungszustand& u = uebung_;
    const int key = event->key();
    if (uebung_.phase == Uebungszustand::Phase::Ende || Texteingabe->isReadOnly()) {
        return true;
    }
    if (key == Qt::Key_Shift || key == Qt::Key_Insert) {
        return true;
    }
    if (key == Qt::Key_Control || key == Qt::Key_Alt) {
        platform().message(MessageKind::Error, key == Qt::Key_Control ? kStrg : kAlt);
        Texteingabe->setFocus();
        return true;
    }
    // Shortcuts such as pasting would pass by every rule below.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return true;
    }
    const bool rueck = key == Qt::Key_Backspace;
    const bool entf = key == Qt::Key_Delete;
    if (!st.TrainerCorrection || u.ParagraphEndPending) {
        if (rueck) {
            const QTextCursor cursor = Texteingabe->textCursor();
            if (u.ParagraphEndPending && cursor.atEnd() && cursor.block().text().isEmpty()) {
                // The first Return of a paragraph end is taken back.
                u.ParagraphEndPending = false;
                tasteDurchlassen(event);
            }
            return true;
        }
        if (bewegtCaret(key)) {
            if (st.TrainerScreenText && u.ParagraphEndPending) {
                hinweis(kNochmalsReturn);
            }
            return true;
        }
    }
    if (key == Qt::Key_Escape) {
        if (u.phase == Uebungszustand::Phase::Schreiben) {
            BeendenSchreibenClick();
        }
        return true;
    }
    const bool schreibphase = u.phase == Uebungszustand::Phase::Schreiben;
    if (st.TrainerScreenText && st.TrainerCorrection && schreibphase && (rueck || entf) &&
        !ruecktasteMitKorrektur(rueck)) {
        return true;
    }
    if (st.TrainerScreenText && u.ParagraphEndPending && !istReturn(key)) {
        hinweis(kNochmalsReturn);
        return true;
    }
    bool zweitesReturn = false;
    if (st.TrainerScreenText && schreibphase) {
        if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            return true;
        }
        if (istReturn(key) || key == Qt::Key_F1) {
            zweitesReturn = u.ParagraphEndPending;
            if (!returnOderF1(key == Qt::Key_F1)) {
                return true;
            }
        }
    }

    // The key is taken: the clock starts with the first one, and it counts.
    if (u.schreibbeginnMs < 0) {
        u.schreibbeginnMs = platform().tickMs();
    }
    if (st.TrainerTimed) {
        st.TrainerClockRunning = true;
        st.TrainerTimed = false;
        u.TrainerKeyAfterStart = false;
        Timer1->start();
    } else {
        u.TrainerKeyAfterStart = true;
    }
    if (rueck || entf) {
        const QTextCursor cursor = Texteingabe->textCursor();
        u.anschlaege.loeschen(cursor.block().text(), cursor.positionInBlock(), rueck);
    } else {
        u.anschlaege.taste(key, event->modifiers());
    }
    st.KeystrokeCount = u.anschlaege.stand();
    AnschlagsAnzeige->setCaption(QString::fromUtf8("  Anschläge: ") +
                                 QString::number(st.KeystrokeCount));

    if (zweitesReturn) {
        u.FollowedInputLine = u.CaretLine + 1;
        if (absatzWechseln()) {
            return true;
        }
        tasteDurchlassen(event);
        u.FollowedInputLine = std::max(u.FollowedInputLine, u.CaretLine);
        return true;
    }
    if (istReturn(key) && st.TrainerScreenText && schreibphase) {
        u.ParagraphEndPending = true;
    }
    tasteDurchlassen(event);
    nachDerTaste(istReturn(key));
    return true;
}

bool TFensterSchreibtrainer::ruecktasteMitKorrektur(bool rueck) {
    Uebungszustand& u = uebung_;
    const QTextCursor cursor = Texteingabe->textCursor();
    const QTextBlock block = cursor.block();
    if (rueck) {
        if (cursor.positionInBlock() > 0) {
            return true;
        }
        if (block.blockNumber() == 0) {
            return false;
        }
        const bool letzte = !block.next().isValid();
        const bool vorigeLeer = block.previous().text().isEmpty();
        if (letzte && block.text().isEmpty()) {
            // Taken, not counted: the line break goes.
            Texteingabe->textCursor().deletePreviousChar();
            if (!vorigeLeer) {
                // The paragraph end is taken back: the reference goes back
                // to the paragraph before.
                int zeile = u.CurrentRefLine - 2;
                while (zeile > 0 && !vorgabezeile(zeile - 1).trimmed().isEmpty()) {
                    --zeile;
                }
                Absatzende->hide();
                zeilenZeichnen(std::max(0, zeile));
                u.CurrentRefLine = std::max(0, zeile);
                while (!vorgabezeile(u.CurrentRefLine + 1).trimmed().isEmpty() &&
                       !vorgabezeile(u.CurrentRefLine + 1).contains(vorgabe::kMarkeAnfang)) {
                    ++u.CurrentRefLine;
                }
                markieren(u.CurrentRefLine);
                letzteAbsatzzeileBestimmen();
                u.FollowedInputLine = u.CaretLine;
            }
            return false;
        }
        const bool naechsteLeer = block.next().isValid() && block.next().text().isEmpty();
        if (!(block.text().isEmpty() && naechsteLeer)) {
            hinweis(kNichtZusammenziehen);
        }
        caretAnsEnde();
        return false;
    }
    if (!cursor.atBlockEnd()) {
        return true;
    }
    const QTextBlock naechste = block.next();
    const bool naechsteVoll = naechste.isValid() && !naechste.text().isEmpty();
    const bool uebernaechsteVoll =
        naechste.isValid() && naechste.next().isValid() && !naechste.next().text().isEmpty();
    if (naechsteVoll || uebernaechsteVoll) {
        hinweis(kNichtZusammenziehen);
        caretAnsEnde();
    }
    return false;
}

bool TFensterSchreibtrainer::returnOderF1(bool f1) {
    Uebungszustand& u = uebung_;
    const QStringList getippt = zeilen();
    if (f1) {
        u.ParagraphEndPending = false;
        u.ParagraphLastLine = false;
        Absatzende->hide();
        zeilenZeichnen(u.ersteZeile);
        if (getippt.isEmpty() || getippt.first().isEmpty()) {
            hinweis(kBeginnen);
            return false;
        }
        if (getippt.last().isEmpty()) {
            hinweis(kNeuerAbsatz);
            return false;
        }
        bool weitererAbsatz = false;
        for (int i = u.CurrentRefLine; i < vorgabezeilenzahl(); ++i) {
            if (vorgabezeile(i).trimmed().isEmpty()) {
                weitererAbsatz = true;
                break;
            }
        }
        if (!weitererAbsatz) {
            hinweis(kKeinAbsatz);
            return false;
        }
        while (!vorgabezeile(u.CurrentRefLine + 1).trimmed().isEmpty()) {
            if (vorgabezeile(u.CurrentRefLine + 1).contains(vorgabe::kMarkeAnfang)) {
                vorgabezeileLeeren(u.CurrentRefLine + 1);
                break;
            }
            ++u.CurrentRefLine;
        }
        Texteingabe->textCursor().insertText(QStringLiteral("\n\n"));
        u.FollowedInputLine = u.CaretLine;
        absatzWechseln();
        return false;
    }

    if (getippt.isEmpty() || getippt.first().isEmpty()) {
        hinweis(kBeginnen);
        return false;
    }
    if (getippt.last().isEmpty()) {
        hinweis(kFortfahren);
        caretAnsEnde();
        return false;
    }
    if (vorgabezeilenzahl() <= u.CaretLine || u.ParagraphEndPending) {
        return true;
    }
    const QString naechste = vorgabezeile(u.CurrentRefLine + 1);
    if (naechste.trimmed().isEmpty() && caretAmEnde()) {
        return true;
    }
    if (naechste.contains(vorgabe::kWiederholungsKennung)) {
        vorgabezeileLeeren(u.CurrentRefLine + 1);
        zeilenZeichnen(u.ersteZeile);
        return true;
    }
    if (naechste.contains(vorgabe::kEndeKennung)) {
        vorgabezeileLeeren(u.CurrentRefLine + 1);
        EndTyping(Grund::Beendet);
        return false;
    }
    if (u.ParagraphLastLine) {
        return true;
    }
    if (!caretAmEnde()) {
        // Only the paragraph being typed may be split.
        const QTextBlock block = Texteingabe->textCursor().block();
        bool letzterAbsatz = true;
        for (QTextBlock b = block.next(); b.isValid(); b = b.next()) {
            if (b.text().isEmpty()) {
                letzterAbsatz = false;
                break;
            }
        }
        if (letzterAbsatz) {
            return true;
        }
        hinweis(kNichtTeilen);
        return false;
    }
    hinweis(kReturnNur);
    return false;
}

bool TFensterSchreibtrainer::absatzWechseln() {
    ProgramState& st = state();
    Uebungszustand& u = uebung_;
    u.ParagraphEndPending = false;
    u.ParagraphLastLine = false;
    int zeile = u.CurrentRefLine;
    while (zeile < vorgabezeilenzahl() && !vorgabezeile(zeile).trimmed().isEmpty()) {
        ++zeile;
    }
    while (zeile < vorgabezeilenzahl() - 1 && vorgabezeile(zeile).trimmed().isEmpty()) {
        ++zeile;
    }
    Absatzende->hide();
    u.CurrentRefLine = zeile;
    zeilenZeichnen(zeile);
    letzteAbsatzzeileBestimmen();
    if (!caretAmEnde()) {
        hinweis(kAmEndeWeiter, true);
        caretAnsEnde();
        TexteingabeChange();
    }
    if (eingabeAnzeigezeilen() < vorgabezeilenzahl()) {
        return false;
    }
    // The whole text is typed.
    if (st.TrainerTimeSeconds < 1) {
        st.TrainerCorrection = false;
    } else {
        u.CurrentRefLine = 0;
        zeilenZeichnen(0);
    }
    EndTyping(Grund::Beendet);
    return true;
}

void TFensterSchreibtrainer::nachDerTaste(bool istReturnTaste) {
    Uebungszustand& u = uebung_;
    if (!state().TrainerScreenText || u.phase != Uebungszustand::Phase::Schreiben ||
        istReturnTaste) {
        return;
    }
    if (u.CaretLine > u.FollowedInputLine && u.ParagraphLastLine && Absatzende->isHidden()) {
        absatzendeZeigen();
    }
    if (eingabeAnzeigezeilen() > u.FollowedInputLine + 1 && !caretAmEnde()) {
        ++u.FollowedInputLine;
    }
    if (u.CaretLine > u.FollowedInputLine && Absatzende->isHidden()) {
        ++u.FollowedInputLine;
        if (!vorgabezeile(u.CurrentRefLine + 1).contains(vorgabe::kMarkeAnfang)) {
            markieren(u.CurrentRefLine + 1);
        }
    }
    letzteAbsatzzeileBestimmen();
}
