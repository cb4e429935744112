#include "drill/Tastaturschreiben.h"

#include "drill/tastenzeichen.h"
#include "keyboard/hervorhebung.h"
#include "layout/screenclass.h"
#include "ui/panel.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QGroupBox>
#include <QTextBlock>
#include <QTextCursor>

// The keyboard exercise: the next key of the drill line is marked; a correct
// keystroke gives the key back its scheme look and moves on, at the end of
// the line to the next script line.

using tastei::KeyId;
using tastei::KeyLook;

namespace {

const QChar kAt(QLatin1Char('@'));

} // namespace

KeyLook TFensterTastaturschreiben::schemaLook() const {
    // Later schemes win; the finger-track scheme sets the partial flag too.
    KeyLook look = KeyLook::Hidden;
    if (einheit_.Modus.Volltastei) {
        look = KeyLook::Shown;
    }
    if (einheit_.Modus.Blindtastei) {
        look = KeyLook::BlindRest;
    }
    if (einheit_.Modus.Teiltastei) {
        look = KeyLook::Shown;
    }
    if (einheit_.Modus.Bahntastei) {
        look = KeyLook::Blank;
    }
    return look;
}

KeyLook TFensterTastaturschreiben::markierLook() const {
    return einheit_.Modus.Blindtastei ? KeyLook::Shown : KeyLook::Marked;
}

bool TFensterTastaturschreiben::inTeiltastei() const {
    return einheit_.Modus.Teiltastei && !einheit_.Modus.Bahntastei;
}

void TFensterTastaturschreiben::tasteMalen(KeyId taste, bool zweitbelegung, KeyLook look) {
    const ProgramState& st = state();
    NormalTastatur->Tastaturbild.paint(
        taste, zweitbelegung, look,
        {einheit_.Modus.Blindtastei, st.NumpadMode, einheit_.ExpectedChar});
}

void TFensterTastaturschreiben::DynamischeTastatur(int key) {
    imAblauf([this, key] { tastaturUebung(QChar(static_cast<char16_t>(key))); });
}

void TFensterTastaturschreiben::tastaturUebung(QChar getippt) {
    bereichZeigen(NormalTastatur);
    einheit_.LastKeystrokeChar = getippt;
    einheit_.ExpectedChar = zeichenAn(einheit_.ScriptLine, einheit_.CharPos);
    if (einheit_.ExpectedChar == kKorrekturmarke) {
        // The key that was due before the wrong keystroke is restored as if typed.
        getippt = zeichenAn(einheit_.ScriptLine, einheit_.CharPos + 1);
        einheit_.ExpectedChar = getippt;
    }
    bool falsch = false;
    if (!getippt.isNull() && getippt == einheit_.ExpectedChar) {
        getippteTasteZuruecksetzen(getippt, zeichenAn(einheit_.ScriptLine, einheit_.CharPos + 1));
        if (weiterruecken(getippt)) {
            TastaturZeigen();
            return;
        }
    } else if (!getippt.isNull() && getippt != kReturn) {
        einheit_.KeyVerdict = Tastenurteil::Falsch;
        falsch = true;
    }
    if (!einheit_.Modus.FreeMode && !falsch) {
        naechsteTasteMarkieren();
    }
    TastaturZeigen();
}

void TFensterTastaturschreiben::getippteTasteZuruecksetzen(QChar getippt, QChar naechstes) {
    ProgramState& st = state();
    const KeyLook schema = schemaLook();
    const auto taste = tastei::tasteFuer(getippt);
    if (taste) {
        if (einheit_.Modus.Blindtastei) {
            for (KeyId verdeckt : tastei::fuehrungFuer(getippt).verdecken) {
                if (!tastei::isBlindHomeRowKey(verdeckt)) {
                    tasteMalen(verdeckt, false, KeyLook::Hidden);
                }
            }
        }
        if (inTeiltastei()) {
            const tastei::LookChoice wahl = tastei::teilKeyLook(*taste, einheit_.TeilKeySet);
            tasteMalen(*taste, wahl.shifted, wahl.look);
        } else {
            tasteMalen(*taste, false, schema);
        }
    }
    if (getippt == kReturn) {
        einheit_.KeyVerdict = Tastenurteil::NurUmbruch;
        einheit_.LineEndReached = false;
        if (einheit_.CorrectionMode == Korrekturmodus::Ausgesetzt) {
            einheit_.CorrectionMode = Korrekturmodus::Ein;
        }
    } else if (getippt == kAt) {
        if (st.NumpadMode) {
            tasteMalen(KeyId::Key_Back, false, KeyLook::Hidden);
        }
        einheit_.CorrectionPending = false;
        letztesZeichenLoeschen();
        einheit_.ScriptLine.remove(einheit_.ScriptLine.indexOf(kAt), 1);
        --einheit_.CharPos;
    } else if (getippt == kTab && st.NumpadMode) {
        punktTasteZuruecksetzen();
    }
    if (inTeiltastei() && !st.HandImpairedMode && !einheit_.CorrectionPending) {
        wegZurueck(getippt, naechstes);
    }
    if (tastei::istAkzentbuchstabe(getippt)) {
        tastei::KeyState& leer = NormalTastatur->Tastaturbild[KeyId::Key_Leer];
        leer.caption = tastei::keyDef(KeyId::Key_Leer).label.toString();
        leer.color = tastei::farbe::Silber;
        leer.fontColor = tastei::farbe::Weiss;
        NormalTastei();
        if (einheit_.Modus.Blindtastei) {
            BlindTastatur();
        }
        const QChar vokal = tastei::grundvokal(getippt);
        const KeyId vokaltaste = *tastei::tasteFuer(vokal);
        tasteMalen(vokaltaste, false, schema);
        if (einheit_.Modus.Teiltastei) {
            tasteMalen(KeyId::Key_Acc, false, KeyLook::Blank);
            const QString formen = QString::fromUtf8("àáèéìíòóùú");
            const qsizetype at = formen.indexOf(getippt) / 2 * 2;
            const bool bekannt = einheit_.TeilKeySet.contains(formen.at(at)) ||
                                 einheit_.TeilKeySet.contains(formen.at(at + 1));
            if (vokal == QLatin1Char('a')) {
                tasteMalen(vokaltaste, false, schema);
            } else {
                tasteMalen(vokaltaste, false, bekannt ? KeyLook::Shown : KeyLook::Blank);
            }
        } else {
            tasteMalen(KeyId::Key_Acc, tastei::mitGravis(getippt), schema);
        }
        einheit_.ExpectedChar = vokal;
    }
    if (!st.NumpadMode) {
        tasteMalen(KeyId::Key_ShiftLinks, false, schema);
        tasteMalen(KeyId::Key_ShiftRechts, false, schema);
    }
}

bool TFensterTastaturschreiben::weiterruecken(QChar getippt) {
    ProgramState& st = state();
    ++einheit_.CharPos;
    const bool zuEnde = einheit_.CharPos > einheit_.ScriptLine.size();
    if (st.NumpadMode && zuEnde) {
        if (!einheit_.ScriptLine.endsWith(kTab)) {
            if (!SteuerStringNetto(Skriptzeile(einheit_.ScriptLineIndex + 1)).isEmpty() &&
                !einheit_.ScriptLine.endsWith(kReturn)) {
                // Enter closes each keypad line that another follows.
                einheit_.ScriptLine += kReturn;
            }
        } else {
            einheit_.KeyVerdict = Tastenurteil::AngenommenMitUmbruch;
        }
    }
    if (einheit_.CharPos > einheit_.ScriptLine.size()) {
        einheit_.CharPos = 1;
        ++einheit_.ScriptLineIndex;
        if (einheit_.ScriptLineIndex >= Skriptzeilenzahl()) {
            TastaturschreibenBeenden(true);
            return true;
        }
        einheit_.ScriptLine = tastaturzeile(einheit_.ScriptLineIndex);
        if (!einheit_.ScriptLine.isEmpty()) {
            if (getippt != kReturn) {
                einheit_.KeyVerdict = Tastenurteil::AngenommenMitUmbruch;
            }
        } else {
            einheit_.ScriptLine = QStringLiteral("\r\r");
        }
        const int vorher = beendungen_;
        BildschirmEinrichten();
        InfoStopp();
        if (beendungen_ != vorher) {
            return true;
        }
        // Only now the new line has begun: had the unit ended, the end would
        // still have needed the finishing character for the typed text.
        einheit_.LastTypedChar = QChar();
    } else if (zeichenAn(einheit_.ScriptLine, einheit_.CharPos) == einheit_.LastKeystrokeChar) {
        // A doubled letter: the mark visibly goes off before it comes back.
        Pause(250);
    }
    return false;
}

void TFensterTastaturschreiben::naechsteTasteMarkieren() {
    ProgramState& st = state();
    if (einheit_.CharPos <= einheit_.ScriptLine.size()) {
        einheit_.ExpectedChar = zeichenAn(einheit_.ScriptLine, einheit_.CharPos);
        if (st.NumpadMode && einheit_.ExpectedChar == QLatin1Char(' ') &&
            einheit_.CharPos < einheit_.ScriptLine.size()) {
            // A single blank between numbers on the keypad is passed over.
            ++einheit_.CharPos;
            einheit_.ExpectedChar = zeichenAn(einheit_.ScriptLine, einheit_.CharPos);
            if (einheit_.ExpectedChar != QLatin1Char(' ')) {
                einheit_.KeyVerdict = Tastenurteil::AngenommenMitLeer;
                Pause(250);
            }
        }
        if (einheit_.ExpectedChar == kAt) {
            einheit_.CorrectionPending = true;
        }
        if (zeichenAn(einheit_.ScriptLine, einheit_.CharPos - 1) == kKorrekturmarke) {
            --einheit_.CharPos;
            if (zeichenAn(einheit_.ScriptLine, einheit_.CharPos + 1) == kAt) {
                einheit_.ScriptLine.remove(einheit_.CharPos - 1, 1);
            } else {
                einheit_.ScriptLine[einheit_.CharPos - 1] = kAt;
            }
            einheit_.ExpectedChar = kAt;
            einheit_.CorrectionPending = true;
        }
        akzentMarkieren(einheit_.ExpectedChar);
    }
}

void TFensterTastaturschreiben::akzentMarkieren(QChar zeichen) {
    ProgramState& st = state();
    const KeyLook markiert = markierLook();
    if (tastei::istAkzentbuchstabe(zeichen)) {
        if (einheit_.Modus.Teiltastei && !st.HandImpairedMode) {
            wegHin(zeichen);
        }
        tastei::KeyState& leer = NormalTastatur->Tastaturbild[KeyId::Key_Leer];
        leer.caption = tastei::kReihenfolge;
        leer.color = tastei::farbe::Blau;
        leer.fontColor = tastei::farbe::Weiss;
        tasteMalen(KeyId::Key_Acc, tastei::mitGravis(zeichen), markiert);
        const QChar vokal = tastei::grundvokal(zeichen);
        einheit_.ExpectedChar = vokal;
        tasteMalen(*tastei::tasteFuer(vokal), false, markiert);
        umschalttastenMarkieren();
        if (tastei::mitGravis(zeichen)) {
            tasteMalen(KeyId::Key_ShiftLinks, false, KeyLook::Marked);
        }
        return;
    }
    const auto taste = tastei::tasteFuer(zeichen);
    if (taste) {
        if (einheit_.Modus.Blindtastei) {
            for (KeyId fuehrung : tastei::fuehrungFuer(zeichen).fuehrungstasten) {
                tasteMalen(fuehrung, false, KeyLook::Blank);
            }
        }
        if (inTeiltastei() && !st.HandImpairedMode && einheit_.CharPos >= 2) {
            wegHin(zeichen);
        }
        if (zeichen == kAt && st.NumpadMode) {
            NormalTastatur->Tastaturbild[KeyId::Key_Back].geometry.moveLeft(
                NormalTastatur->Tastaturbild[KeyId::Key_F].geometry.left());
        }
        if (zeichen == QLatin1Char('*') && st.NumpadMode) {
            tasteMalen(KeyId::Key_S, true, markiert);
            NormalTastatur->Tastaturbild[KeyId::Key_S].caption = QStringLiteral("*");
        } else {
            tasteMalen(*taste, tastei::istZweitbelegung(zeichen), markiert);
        }
        if (zeichen == kReturn) {
            einheit_.LineEndReached = true;
            if (einheit_.CorrectionMode == Korrekturmodus::Ein) {
                einheit_.CorrectionMode = Korrekturmodus::Ausgesetzt;
            }
        } else if (zeichen == kTab && st.NumpadMode) {
            tastei::KeyState& punkt = NormalTastatur->Tastaturbild[KeyId::Key_Punkt];
            punkt.color = tastei::farbe::Rot;
            punkt.fontColor = tastei::farbe::Weiss;
            punkt.caption = tastei::keyDef(KeyId::Key_Tab).label.toString();
        }
    }
    umschalttastenMarkieren();
}

void TFensterTastaturschreiben::umschalttastenMarkieren() {
    const ProgramState& st = state();
    if (st.NumpadMode) {
        // The keypad has no shift keys to show.
        return;
    }
    const tastei::Umschaltung umschalten = tastei::umschaltungFuer(einheit_.ExpectedChar);
    if (umschalten == tastei::Umschaltung::Keine) {
        return;
    }
    const bool rechts = umschalten == tastei::Umschaltung::Rechts;
    tasteMalen(rechts ? KeyId::Key_ShiftRechts : KeyId::Key_ShiftLinks, false, markierLook());
    if (st.HandImpairedMode) {
        tasteMalen(rechts ? KeyId::Key_ShiftLinks : KeyId::Key_ShiftRechts, false, KeyLook::Marked);
    }
}

void TFensterTastaturschreiben::wegHin(QChar zeichen) {
    const auto weg = tastei::fingerwegFuer(zeichen);
    const auto ziel = tastei::istAkzentbuchstabe(zeichen) ? std::optional(KeyId::Key_Acc)
                                                          : tastei::tasteFuer(zeichen);
    if (!weg || !ziel) {
        return;
    }
    const QRect heim = NormalTastatur->Tastaturbild[weg->heimtaste].geometry;
    const QPoint schritt = tastei::wegschritt(
        heim.topLeft(), NormalTastatur->Tastaturbild[*ziel].geometry.topLeft(), weg->teiler);
    QPoint ort = heim.topLeft();
    TastaturZeigen();
    NormalTastatur->WegTasteAufstellen(weg->heimtaste, ort, tastei::istAkzentbuchstabe(zeichen));
    for (int i = 0; i < weg->schritte; ++i) {
        ort += schritt;
        NormalTastatur->WegTasteBewegen(ort);
        Pause(weg->warteHin);
    }
    NormalTastatur->WegTasteVerbergen();
}

void TFensterTastaturschreiben::wegZurueck(QChar getippt, QChar naechstes) {
    const auto weg = tastei::fingerwegFuer(getippt);
    const auto taste = tastei::tasteFuer(getippt);
    if (!weg || !taste || tastei::istAkzentbuchstabe(getippt)) {
        return;
    }
    const QRect heim = NormalTastatur->Tastaturbild[weg->heimtaste].geometry;
    const QRect ziel = NormalTastatur->Tastaturbild[*taste].geometry;
    const QPoint schritt = tastei::wegschritt(heim.topLeft(), ziel.topLeft(), weg->teiler);
    QPoint ort = ziel.topLeft();
    TastaturZeigen();
    NormalTastatur->WegTasteAufstellen(weg->heimtaste, ort, false);
    for (int i = 0; i < weg->schritte; ++i) {
        ort -= schritt;
        NormalTastatur->WegTasteBewegen(ort);
        Pause(weg->warteZurueck);
    }
    if (!tastei::kHomeRowChars.contains(naechstes)) {
        NormalTastatur->WegTasteBewegen(heim.topLeft());
        Pause(200);
    }
    NormalTastatur->WegTasteVerbergen();
}
