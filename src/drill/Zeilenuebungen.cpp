#include "drill/Tastaturschreiben.h"

#include "app/programstate.h"
#include "drill/wortaufbau.h"
#include "ui/panel.h"
#include "ui/richtextfield.h"

#include <QGroupBox>

// The three line exercises: each call judges one typed character against
// the drill line, or with 0 prepares the display for a new line.

namespace {

const QChar kReturn(QLatin1Char('\r'));
const QString kAbsatzende = QStringLiteral("\r\r");
// The grid line shows six cells on either side of its centre.
const QString kRasterRand(6, QLatin1Char(' '));

QChar zeichenAn(const QString& zeile, int charPos) {
    return charPos >= 1 && charPos <= zeile.size() ? zeile.at(charPos - 1) : QChar();
}

} // namespace

void TFensterTastaturschreiben::Normalzeile(int key) {
    linienUebung(Linienart::Normal, QChar(key));
}

void TFensterTastaturschreiben::Rasterzeile(int key) {
    linienUebung(Linienart::Raster, QChar(key));
}

void TFensterTastaturschreiben::WortaufbauUebung(int key) {
    linienUebung(Linienart::Wort, QChar(key));
}

TFensterTastaturschreiben::Linienteile TFensterTastaturschreiben::teile(Linienart art) const {
    switch (art) {
    case Linienart::Normal:
        return {NormalzeilenFeld, NormalzeileReturn, NormalzeileBack, Modus.Normalzeile};
    case Linienart::Raster:
        return {Rasterzeilenfeld, RasterzeileReturn, RasterzeileBack, Modus.Rasterzeile};
    case Linienart::Wort:
        break;
    }
    return {WortaufbauFeld, WortaufbauReturn, WortaufbauBack, Modus.Wortaufbau};
}

void TFensterTastaturschreiben::linienUebung(Linienart art, QChar zeichen) {
    ProgramState& st = state();
    bereichZeigen(teile(art).feld);
    if (st.CharPos == 1) {
        if (art == Linienart::Normal && st.LineStartPending) {
            st.LineStartPending = false;
            if (!st.ScriptLine.startsWith(kReturn) && !st.ScriptLine.startsWith(kKorrekturmarke)) {
                st.ScriptLine =
                    normalzeileVorbereiten(Steuerdatei->lines(), st.ScriptLineIndex,
                                           SteuerStringNetto(Skriptzeile(st.ScriptLineIndex)),
                                           {Modus.Abschreibtext, st.NumpadMode});
            }
            normalFenster_ = normalzeileBeginnen(st.ScriptLine);
        } else if (!st.ScriptLine.contains(kKorrekturmarke)) {
            // Taken up once per line: the call that shows a correction at the
            // first key finds the line already prepared.
            if (art == Linienart::Raster) {
                rasterText_ = kRasterRand + st.ScriptLine + kRasterRand;
            } else if (art == Linienart::Wort) {
                st.ScriptLine = woerterKuerzen(st.ScriptLine);
            }
        }
    }
    if (st.ScriptLine.contains(kKorrekturmarke)) {
        teile(art).back->show();
        st.ScriptLine.remove(kKorrekturmarke);
    }
    st.ExpectedChar = zeichenAn(st.ScriptLine, st.CharPos);

    if (!zeichen.isNull()) {
        // A line join is typed as a blank.
        const QChar erwartet = st.ExpectedChar == kZeilenfuge ? QLatin1Char(' ') : st.ExpectedChar;
        if (erwartet == kReturn && zeichen == kReturn) {
            returnErwartet(art);
            return;
        }
        if (zeichen != erwartet) {
            if (zeichen != kReturn) {
                st.KeyVerdict = 1;
            }
        } else {
            ++st.CharPos;
            if (art == Linienart::Normal) {
                if (zeichen == QLatin1Char('\t')) {
                    punktTasteZuruecksetzen();
                }
                normalzeileWeiter(normalFenster_);
                if (zeichenAn(st.ScriptLine, st.CharPos) == kZeilenfuge) {
                    // The copy text moves on into its next script line.
                    ++DrillLineNumber;
                    ++st.ScriptLineIndex;
                    ZeilenZaehler();
                }
            } else if (art == Linienart::Raster) {
                rasterText_.remove(0, 1);
            }
            if (st.CharPos > st.ScriptLine.size()) {
                linieBeendet(art, zeichen);
                return;
            }
            st.ExpectedChar = zeichenAn(st.ScriptLine, st.CharPos);
        }
    }
    switch (art) {
    case Linienart::Normal:
        normalzeileZeichnen();
        break;
    case Linienart::Raster:
        rasterzeileZeichnen();
        break;
    case Linienart::Wort:
        wortaufbauZeichnen();
        break;
    }
}

void TFensterTastaturschreiben::returnErwartet(Linienart art) {
    ProgramState& st = state();
    teile(art).ret->hide();
    if (st.CorrectionMode == 3) {
        st.CorrectionMode = 1;
    }
    // The grid line takes the first Return of a paragraph end without a trace.
    const bool ersterImRaster =
        art == Linienart::Raster && st.ScriptLine == kAbsatzende && st.CharPos == 1;
    st.KeyVerdict = ersterImRaster ? 0 : 3;
    if (art == Linienart::Wort) {
        Pause(250);
    }
    ++st.CharPos;
    if (art == Linienart::Raster) {
        rasterText_.remove(0, 1);
    }
    if (st.CharPos > st.ScriptLine.size()) {
        linieBeendet(art, kReturn);
        return;
    }
    st.ExpectedChar = zeichenAn(st.ScriptLine, st.CharPos);
    if (art == Linienart::Normal) {
        normalFenster_ = normalzeileBeginnen(QString());
        normalzeileZeichnen();
        NormalzeileReturn->move(32, NormalzeileReturn->y());
    } else if (art == Linienart::Raster) {
        rasterzeileZeichnen();
    } else {
        wortaufbauZeichnen();
    }
    if (st.ExpectedChar == kReturn) {
        teile(art).ret->show();
    }
}

void TFensterTastaturschreiben::absatzBeginnen(Linienart art) {
    // A paragraph end: the learner types Return twice.
    ProgramState& st = state();
    st.ScriptLine = kAbsatzende;
    teile(art).ret->show();
    if (st.CorrectionMode == 1) {
        st.CorrectionMode = 3;
    }
}

void TFensterTastaturschreiben::linieBeendet(Linienart art, QChar zeichen) {
    ProgramState& st = state();
    st.CharPos = 1;
    ++st.ScriptLineIndex;
    if (st.ScriptLineIndex >= Skriptzeilenzahl()) {
        TastaturschreibenBeenden(true);
        return;
    }
    const int vorher = beendungen_;
    BildschirmEinrichten();
    InfoStopp();
    if (beendungen_ != vorher) {
        return;
    }
    if (teile(art).laeuft) {
        st.ScriptLine = SteuerStringNetto(Skriptzeile(st.ScriptLineIndex));
        if (st.ScriptLine.isEmpty()) {
            absatzBeginnen(art);
        }
        st.LineStartPending = art == Linienart::Normal;
        linienUebung(art, QChar());
    }
    const bool neueZeile = !st.ScriptLine.isEmpty() && !st.ScriptLine.startsWith(kReturn);
    const bool feldzeileLeer = Texteingabefeld->lineCount() == 0 ||
                               Texteingabefeld->line(Texteingabefeld->lineCount() - 1).isEmpty();
    if (neueZeile && zeichen != kReturn && !(art == Linienart::Normal && feldzeileLeer)) {
        st.KeyVerdict = 2;
    }
}
