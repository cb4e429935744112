#include "drill/Tastaturschreiben.h"

#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QGroupBox>
#include <QPushButton>

// The interpreter of the lesson script: each call walks from ScriptLineIndex
// to the next drill line and primes its exercise.

namespace {

// The last line of an info block that still holds the field: 45 s in all.
constexpr int kLetzteHaltendeInfozeile = 105;

// The flags an exercise or keyboard command sets; the finger-track scheme is
// a partial one, the copy text a normal line.
DrillMode modusFuer(Befehl befehl) {
    DrillMode modus;
    modus.Volltastei = befehl == Befehl::Volltastei;
    modus.Blindtastei = befehl == Befehl::Blindtastei;
    modus.Bahntastei = befehl == Befehl::Bahntastei;
    modus.Teiltastei = befehl == Befehl::Teiltastei || befehl == Befehl::Bahntastei;
    modus.Wortaufbau = befehl == Befehl::Wortaufbau;
    modus.Rasterzeile = befehl == Befehl::Rasterzeile;
    modus.Abschreibtext = befehl == Befehl::Abschreibtext;
    modus.Normalzeile = befehl == Befehl::Normalzeile || befehl == Befehl::Abschreibtext;
    modus.FreeMode = befehl == Befehl::Frei || befehl == Befehl::Ende;
    return modus;
}

} // namespace

QString TFensterTastaturschreiben::saubereZeile(int index) const {
    return SteuerStringNetto(Skriptzeile(index));
}

QString TFensterTastaturschreiben::tastaturzeile(int index) const {
    // A blank joins a drill line to a drill line that follows, as the learner
    // types running text; before a command or a paragraph end the line ends.
    QString zeile = saubereZeile(index);
    const QString folgende = saubereZeile(index + 1);
    if (!zeile.isEmpty() && !folgende.isEmpty() && !istBefehlszeile(folgende)) {
        zeile += QLatin1Char(' ');
    }
    return zeile;
}

bool TFensterTastaturschreiben::nurLeerzeilenAb(int index) const {
    for (int i = index; i < Skriptzeilenzahl(); ++i) {
        if (!saubereZeile(i).isEmpty()) {
            return false;
        }
    }
    return true;
}

void TFensterTastaturschreiben::erwartetesZeichenSetzen() {
    const int index = einheit_.CharPos - 1;
    einheit_.ExpectedChar =
        index >= 0 && index < einheit_.ScriptLine.size() ? einheit_.ScriptLine.at(index) : QChar();
}

void TFensterTastaturschreiben::naechsteZeile(QString& s, bool charPosZuruecksetzen) {
    ++einheit_.ScriptLineIndex;
    if (charPosZuruecksetzen) {
        einheit_.CharPos = 1;
    }
    einheit_.ScriptLine = saubereZeile(einheit_.ScriptLineIndex);
    s = einheit_.ScriptLine;
}

bool TFensterTastaturschreiben::kopfbefehlFortsetzen(QString& s) {
    // A header command with nothing but empty lines after it leaves nothing
    // to type: the unit ends there.
    if (nurLeerzeilenAb(einheit_.ScriptLineIndex + 1)) {
        TastaturschreibenBeenden(true);
        return false;
    }
    naechsteZeile(s, false);
    while (s.isEmpty()) {
        naechsteZeile(s, false);
    }
    return true;
}

TFensterTastaturschreiben::Schritt TFensterTastaturschreiben::nachKopfbefehl(const QString& s) {
    // A drill line right after a header command is typed like one before any
    // command; a command goes on being dispatched.
    if (istBefehlszeile(s)) {
        return s.size() >= 4 ? Schritt::Weiter : Schritt::Ende;
    }
    return Schritt::Weiter;
}

bool TFensterTastaturschreiben::ersteUebungszeile(QString& s) {
    // A keyboard command at the end of the script leaves nothing to type.
    if (nurLeerzeilenAb(einheit_.ScriptLineIndex + 1)) {
        TastaturschreibenBeenden(true);
        return false;
    }
    naechsteZeile(s);
    while (einheit_.ScriptLineIndex < Skriptzeilenzahl() && s.isEmpty()) {
        naechsteZeile(s);
    }
    einheit_.ScriptLine = tastaturzeile(einheit_.ScriptLineIndex);
    erwartetesZeichenSetzen();
    DynamischeTastatur(0);
    return true;
}

void TFensterTastaturschreiben::schemaWechsel(Befehl befehl) {
    const ProgramState& st = state();
    switch (befehl) {
    case Befehl::Blindtastei:
        if (!einheit_.Modus.Blindtastei || st.NumpadMode) {
            einheit_.Modus.Blindtastei = true;
            normalTastei();
        }
        return;
    case Befehl::Weg:
    case Befehl::Frei:
        if (einheit_.Modus.Blindtastei) {
            einheit_.Modus.Blindtastei = false;
            normalTastei();
        }
        return;
    default:
        if (einheit_.Modus.Blindtastei || st.NumpadMode) {
            einheit_.Modus.Blindtastei = false;
            normalTastei();
        }
        return;
    }
}

void TFensterTastaturschreiben::normalTastei() {
    NormalTastei();
}

void TFensterTastaturschreiben::modusSetzen(const DrillMode& modus, Befehl befehl) {
    ProgramState& st = state();
    einheit_.Modus = modus;
    einheit_.LineEndReached = false;
    NormalzeileReturn->hide();
    RasterzeileReturn->hide();
    WortaufbauReturn->hide();
    if (befehl != Befehl::Normalzeile && befehl != Befehl::Ziffernblock) {
        st.NumpadMode = false;
    }
    if (modus.tastaturUebung()) {
        NormalTastatur->NummernZeigen(st.HandImpairedMode);
    } else if (modus.Wortaufbau || modus.Rasterzeile || modus.Normalzeile) {
        NormalTastatur->NummernZeigen(false);
    }
}

void TFensterTastaturschreiben::volltasteiAufZeile() {
    modusSetzen(modusFuer(Befehl::Volltastei), Befehl::Volltastei);
    VollTastatur();
    einheit_.CharPos = 1;
    einheit_.ScriptLine = tastaturzeile(einheit_.ScriptLineIndex);
    erwartetesZeichenSetzen();
    DynamischeTastatur(0);
}

void TFensterTastaturschreiben::BildschirmEinrichten() {
    imAblauf([this] { skriptAbarbeiten(); });
}

void TFensterTastaturschreiben::skriptAbarbeiten() {
    AbbrechenButton->show();
    QString s = saubereZeile(einheit_.ScriptLineIndex);
    if (s.size() < 4) {
        return;
    }
    Schritt schritt = Schritt::Weiter;
    while (schritt == Schritt::Weiter) {
        einheit_.InputBlocked = false;
        if (!istBefehlszeile(s)) {
            ohneBefehl();
            break;
        }
        s = ohneBlankNachSlashes(s);
        schritt = befehlAusfuehren(s);
    }
    if (schritt != Schritt::Stopp) {
        schlussschritt(s);
    }
}

TFensterTastaturschreiben::Schritt TFensterTastaturschreiben::befehlAusfuehren(QString& s) {
    ProgramState& st = state();
    const Befehl befehl = befehlVon(s);
    switch (befehl) {
    case Befehl::Volltastei:
    case Befehl::Blindtastei:
    case Befehl::Bahntastei:
    case Befehl::Teiltastei:
        return tastaturBefehl(s, befehl);
    case Befehl::Wortaufbau:
    case Befehl::Rasterzeile:
    case Befehl::Normalzeile:
    case Befehl::Abschreibtext:
    case Befehl::Ziffernblock:
        return zeilenBefehl(s, befehl);
    case Befehl::Frei:
    case Befehl::Ende: {
        schemaWechsel(befehl);
        modusSetzen(modusFuer(befehl), befehl);
        NormalzeilenFeld->hide();
        NormalTastatur->hide();
        Rasterzeilenfeld->hide();
        WortaufbauFeld->hide();
        if (befehl == Befehl::Ende) {
            TastaturschreibenBeenden(true);
            return Schritt::Stopp;
        }
        naechsteZeile(s);
        return Schritt::Ende;
    }
    case Befehl::Grundstellung:
        Grundstellung();
        if (!kopfbefehlFortsetzen(s)) {
            return Schritt::Stopp;
        }
        return nachKopfbefehl(s);
    case Befehl::Hand:
        st.HandImpairedMode = true;
        Q_EMIT NeuAnordnen();
        if (!kopfbefehlFortsetzen(s)) {
            return Schritt::Stopp;
        }
        return nachKopfbefehl(s);
    case Befehl::Korrektur:
        if (const auto modus = korrekturModus(s)) {
            einheit_.CorrectionMode = *modus;
        }
        NormalzeileBack->hide();
        RasterzeileBack->hide();
        WortaufbauBack->hide();
        if (!kopfbefehlFortsetzen(s)) {
            return Schritt::Stopp;
        }
        return nachKopfbefehl(s);
    case Befehl::Weg:
        return fingerweg(s);
    case Befehl::Info:
        return infoBlock(s);
    case Befehl::Unbekannt:
        break;
    }
    return Schritt::Ende;
}

TFensterTastaturschreiben::Schritt TFensterTastaturschreiben::tastaturBefehl(QString& s,
                                                                             Befehl befehl) {
    schemaWechsel(befehl);
    modusSetzen(modusFuer(befehl), befehl);
    switch (befehl) {
    case Befehl::Volltastei:
        VollTastatur();
        break;
    case Befehl::Blindtastei:
        BlindTastatur();
        break;
    case Befehl::Bahntastei:
        einheit_.TeilKeySet.clear();
        TeilTastatur(einheit_.TeilKeySet);
        break;
    default:
        einheit_.TeilKeySet = teilKeySet(s, state().HandImpairedMode);
        TeilTastatur(einheit_.TeilKeySet);
        break;
    }
    return ersteUebungszeile(s) ? Schritt::Ende : Schritt::Stopp;
}

TFensterTastaturschreiben::Schritt TFensterTastaturschreiben::zeilenBefehl(QString& s,
                                                                           Befehl befehl) {
    ProgramState& st = state();
    if (befehl != Befehl::Ziffernblock) {
        schemaWechsel(befehl);
    }
    modusSetzen(modusFuer(befehl), befehl);
    // An exercise command at the end of the script leaves nothing to type.
    if (nurLeerzeilenAb(einheit_.ScriptLineIndex + 1)) {
        TastaturschreibenBeenden(true);
        return Schritt::Stopp;
    }
    naechsteZeile(s);
    switch (befehl) {
    case Befehl::Wortaufbau:
        while (s.isEmpty()) {
            naechsteZeile(s);
        }
        erwartetesZeichenSetzen();
        WortaufbauUebung(0);
        break;
    case Befehl::Rasterzeile:
        if (s.isEmpty()) {
            absatzBeginnen(Linienart::Raster);
        }
        erwartetesZeichenSetzen();
        Rasterzeile(0);
        break;
    case Befehl::Ziffernblock:
        st.NumpadMode = true;
        einheit_.LineStartPending = true;
        ZiffernblockTastatur();
        break;
    default:
        NormalzeilenFeld->setTitle(befehl == Befehl::Normalzeile ? QStringLiteral("  Normalzeile  ")
                                                                 : QStringLiteral("  Fließtext  "));
        if (s.isEmpty()) {
            absatzBeginnen(Linienart::Normal);
        }
        einheit_.LineStartPending = true;
        Normalzeile(0);
        break;
    }
    return Schritt::Ende;
}

TFensterTastaturschreiben::Schritt TFensterTastaturschreiben::fingerweg(QString& s) {
    const std::optional<QString> zeichen = wegZeichen(s);
    if (!zeichen) {
        platform().message(
            MessageKind::Information,
            QStringLiteral("Beim Kommandowort //Weg fehlt das Zeichen,\rdessen Weg erklärt werden "
                           "soll.\r\rBitte brechen Sie diese Lektion ab."));
        einheit_.InputBlocked = false;
        return Schritt::Stopp;
    }
    schemaWechsel(Befehl::Weg);
    NormalTastatur->NummernZeigen(false);
    FingerWegZeigen(*zeichen);
    if (einheit_.ScriptLineIndex + 1 >= Skriptzeilenzahl()) {
        TastaturschreibenBeenden(true);
        return Schritt::Stopp;
    }
    naechsteZeile(s);
    if (s.size() < 4) {
        return Schritt::Ende;
    }
    if (istBefehlszeile(s)) {
        return Schritt::Weiter;
    }
    platform().message(
        MessageKind::Information,
        QStringLiteral("Da keine Bildschirm-Darstellung nach der Erklärung des Fingerweges\r"
                       "bestimmt wurde, wird als Ersatz eine Volltastei verwendet."));
    volltasteiAufZeile();
    return Schritt::Ende;
}

TFensterTastaturschreiben::Schritt TFensterTastaturschreiben::infoBlock(QString& s) {
    ProgramState& st = state();
    InfozeilenNormal();
    const bool ersteZeile =
        einheit_.ScriptLineIndex == 0 || (einheit_.ScriptLineIndex == 1 && st.HandImpairedMode);
    if (!ersteZeile) {
        StoppStart->show();
    }
    bool zusatzuebung = false;
    int nummer = 1;
    while (istInfozeile(s)) {
        if (kuendigtZusatzuebungAn(s)) {
            zusatzuebung = true;
            if (st.EditionCompact) {
                TastaturschreibenBeenden(true);
                return Schritt::Stopp;
            }
        }
        // Lines past the hundredth hold the field ever longer (3 s, 6 s, ...);
        // beyond these few an over-long block would hold it for days, so the
        // rest of the block is passed over.
        if (nummer <= kLetzteHaltendeInfozeile) {
            InfoImInfofeld(s, nummer);
        }
        ++nummer;
        // An info block at the end of the script leaves nothing to type.
        if (nurLeerzeilenAb(einheit_.ScriptLineIndex + 1)) {
            TastaturschreibenBeenden(true);
            return Schritt::Stopp;
        }
        naechsteZeile(s);
    }
    while (s.isEmpty()) {
        naechsteZeile(s);
    }
    if (zusatzuebung) {
        einheit_.DrillLineCount +=
            zaehleUebungszeilen(Steuerdatei->lines(), einheit_.ScriptLineIndex);
        Zusatzuebung->setCaption(QStringLiteral(" Zusatzübung:  %1 bis %2")
                                     .arg(einheit_.DrillLineNumber + 1)
                                     .arg(einheit_.DrillLineCount));
        Zusatzuebung->show();
    }
    if (s.size() < 4) {
        return Schritt::Ende;
    }
    if (!istBefehlszeile(s)) {
        ohneBefehl();
        return Schritt::Ende;
    }
    if (!zusatzuebung && istEndeOderWeg(s)) {
        lesepause(befehlVon(s) == Befehl::Weg);
    }
    return Schritt::Weiter;
}

void TFensterTastaturschreiben::lesepause(bool vorWeg) {
    if (vorWeg) {
        NormalTastatur->hide();
        NormalzeilenFeld->hide();
        Rasterzeilenfeld->hide();
        WortaufbauFeld->hide();
        show();
    }
    for (QWidget* w : {static_cast<QWidget*>(Zusatzuebung), static_cast<QWidget*>(Uhr),
                       static_cast<QWidget*>(Zeilennummern), static_cast<QWidget*>(KlickZeile),
                       static_cast<QWidget*>(AbbrechenButton)}) {
        w->hide();
    }
    einheit_.InputBlocked = true;
    StoppStart->show();
    Pause(10000);
    StoppStart->hide();
    Pause(250);
    for (QWidget* w : {static_cast<QWidget*>(Uhr), static_cast<QWidget*>(Zeilennummern),
                       static_cast<QWidget*>(KlickZeile), static_cast<QWidget*>(AbbrechenButton)}) {
        w->show();
    }
    einheit_.InputBlocked = false;
}

void TFensterTastaturschreiben::ohneBefehl() {
    if (einheit_.Modus.irgendeiner() || state().NumpadMode) {
        return;
    }
    NormalzeileReturn->hide();
    RasterzeileReturn->hide();
    WortaufbauReturn->hide();
    TasteiZeileButton->hide();
    volltasteiAufZeile();
    TasteiZeileButton->setText(QStringLiteral(" Blindtastei "));
    TasteiZeileButton->show();
}

void TFensterTastaturschreiben::schlussschritt(const QString& s) {
    ProgramState& st = state();
    if (einheit_.CharPos == 1) {
        if (!s.isEmpty()) {
            ++einheit_.DrillLineNumber;
        }
        ZeilenZaehler();
    }
    if (st.NumpadMode && !einheit_.Modus.Normalzeile) {
        NormalzeilenFeld->hide();
        Rasterzeilenfeld->hide();
        WortaufbauFeld->hide();
        NormalTastatur->show();
        einheit_.Modus.Volltastei = true;
        ZiffernblockTastatur();
        einheit_.CharPos = 1;
        einheit_.ScriptLine = saubereZeile(einheit_.ScriptLineIndex);
        erwartetesZeichenSetzen();
        DynamischeTastatur(0);
    }
}
