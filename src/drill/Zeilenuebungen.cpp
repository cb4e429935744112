#include "drill/Tastaturschreiben.h"

#include "drill/tastenzeichen.h"
#include "drill/wortaufbau.h"
#include "ui/panel.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QGroupBox>

// The three line exercises: each call judges one typed character against
// the drill line, or with 0 prepares the display for a new line.

namespace {

const QString kAbsatzende = QStringLiteral("\r\r");
// The grid line shows six cells on either side of its centre.
const QString kRasterRand(6, QLatin1Char(' '));

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
        return {NormalzeilenFeld, NormalzeileReturn, NormalzeileBack, einheit_.Modus.Normalzeile};
    case Linienart::Raster:
        return {Rasterzeilenfeld, RasterzeileReturn, RasterzeileBack, einheit_.Modus.Rasterzeile};
    case Linienart::Wort:
        break;
    }
    return {WortaufbauFeld, WortaufbauReturn, WortaufbauBack, einheit_.Modus.Wortaufbau};
}

void TFensterTastaturschreiben::linienUebung(Linienart art, QChar zeichen) {
    ProgramState& st = state();
    bereichZeigen(teile(art).feld);
    if (einheit_.CharPos == 1) {
        if (art == Linienart::Normal && einheit_.LineStartPending) {
            einheit_.LineStartPending = false;
            if (!einheit_.ScriptLine.startsWith(kReturn) &&
                !einheit_.ScriptLine.startsWith(kKorrekturmarke)) {
                einheit_.ScriptLine =
                    normalzeileVorbereiten(Steuerdatei->lines(), einheit_.ScriptLineIndex,
                                           SteuerStringNetto(Skriptzeile(einheit_.ScriptLineIndex)),
                                           {einheit_.Modus.Abschreibtext, st.NumpadMode});
            }
            normalFenster_ = normalzeileBeginnen(einheit_.ScriptLine);
        } else if (!einheit_.ScriptLine.contains(kKorrekturmarke)) {
            // Taken up once per line: the call that shows a correction at the
            // first key finds the line already prepared.
            if (art == Linienart::Raster) {
                rasterText_ = kRasterRand + einheit_.ScriptLine + kRasterRand;
            } else if (art == Linienart::Wort) {
                einheit_.ScriptLine = woerterKuerzen(einheit_.ScriptLine);
            }
        }
    }
    if (einheit_.ScriptLine.contains(kKorrekturmarke)) {
        teile(art).back->show();
        einheit_.ScriptLine.remove(kKorrekturmarke);
    }
    einheit_.ExpectedChar = zeichenAn(einheit_.ScriptLine, einheit_.CharPos);

    if (!zeichen.isNull()) {
        // A line join is typed as a blank.
        const QChar erwartet =
            einheit_.ExpectedChar == kZeilenfuge ? QLatin1Char(' ') : einheit_.ExpectedChar;
        if (erwartet == kReturn && zeichen == kReturn) {
            returnErwartet(art);
            return;
        }
        if (zeichen != erwartet) {
            if (zeichen != kReturn) {
                einheit_.KeyVerdict = Tastenurteil::Falsch;
            }
        } else {
            ++einheit_.CharPos;
            if (art == Linienart::Normal) {
                if (zeichen == QLatin1Char('\t')) {
                    punktTasteZuruecksetzen();
                }
                normalzeileWeiter(normalFenster_);
                if (zeichenAn(einheit_.ScriptLine, einheit_.CharPos) == kZeilenfuge) {
                    // The copy text moves on into its next script line.
                    ++einheit_.DrillLineNumber;
                    ++einheit_.ScriptLineIndex;
                    ZeilenZaehler();
                }
            } else if (art == Linienart::Raster) {
                rasterText_.remove(0, 1);
            }
            if (einheit_.CharPos > einheit_.ScriptLine.size()) {
                linieBeendet(art, zeichen);
                return;
            }
            einheit_.ExpectedChar = zeichenAn(einheit_.ScriptLine, einheit_.CharPos);
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
    teile(art).ret->hide();
    if (einheit_.CorrectionMode == Korrekturmodus::Ausgesetzt) {
        einheit_.CorrectionMode = Korrekturmodus::Ein;
    }
    // The grid line takes the first Return of a paragraph end without a trace.
    const bool ersterImRaster =
        art == Linienart::Raster && einheit_.ScriptLine == kAbsatzende && einheit_.CharPos == 1;
    einheit_.KeyVerdict = ersterImRaster ? Tastenurteil::Angenommen : Tastenurteil::NurUmbruch;
    if (art == Linienart::Wort) {
        Pause(250);
    }
    ++einheit_.CharPos;
    if (art == Linienart::Raster) {
        rasterText_.remove(0, 1);
    }
    if (einheit_.CharPos > einheit_.ScriptLine.size()) {
        linieBeendet(art, kReturn);
        return;
    }
    einheit_.ExpectedChar = zeichenAn(einheit_.ScriptLine, einheit_.CharPos);
    if (art == Linienart::Normal) {
        normalFenster_ = normalzeileBeginnen(QString());
        normalzeileZeichnen();
        NormalzeileReturn->move(32, NormalzeileReturn->y());
    } else if (art == Linienart::Raster) {
        rasterzeileZeichnen();
    } else {
        wortaufbauZeichnen();
    }
    if (einheit_.ExpectedChar == kReturn) {
        teile(art).ret->show();
    }
}

void TFensterTastaturschreiben::absatzBeginnen(Linienart art) {
    // A paragraph end: the learner types Return twice.
    einheit_.ScriptLine = kAbsatzende;
    teile(art).ret->show();
    if (einheit_.CorrectionMode == Korrekturmodus::Ein) {
        einheit_.CorrectionMode = Korrekturmodus::Ausgesetzt;
    }
}

void TFensterTastaturschreiben::Zeilenende() {
    einheit_.CharPos = 1;
    ++einheit_.ScriptLineIndex;
    if (einheit_.ScriptLineIndex >= Skriptzeilenzahl()) {
        TastaturschreibenBeenden(true);
        return;
    }
    BildschirmEinrichten();
    InfoStopp();
}

void TFensterTastaturschreiben::linieBeendet(Linienart art, QChar zeichen) {
    const int vorher = beendungen_;
    Zeilenende();
    if (beendungen_ != vorher) {
        return;
    }
    if (teile(art).laeuft) {
        einheit_.ScriptLine = SteuerStringNetto(Skriptzeile(einheit_.ScriptLineIndex));
        if (einheit_.ScriptLine.isEmpty()) {
            absatzBeginnen(art);
        }
        einheit_.LineStartPending = art == Linienart::Normal;
        linienUebung(art, QChar());
    }
    const bool neueZeile =
        !einheit_.ScriptLine.isEmpty() && !einheit_.ScriptLine.startsWith(kReturn);
    const bool feldzeileLeer = Texteingabefeld->lineCount() == 0 ||
                               Texteingabefeld->line(Texteingabefeld->lineCount() - 1).isEmpty();
    if (neueZeile && zeichen != kReturn && !(art == Linienart::Normal && feldzeileLeer)) {
        einheit_.KeyVerdict = Tastenurteil::AngenommenMitUmbruch;
    }
}
