#pragma once

#include "drill/einheitszustand.h"
#include "drill/normalzeile.h"
#include "drill/steuerzeile.h"
#include "keyboard/Bildschirmtastatur.h"
#include "keyboard/schemes.h"
#include "ui/fenster.h"

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

inline const QString kUhrNull = QStringLiteral(" Zeit: 00:00:00");

class Panel;
class TFensterInformationen;
class TFensterTextanzeige;
namespace tastei {
struct KeyboardLayout;
}
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class SecondTimer;
class QPushButton;
class RichTextField;

// The keyboard-writing window: the lesson script in its invisible holder, the
// on-screen keyboard, the three line exercises, the information field and the
// unit's clock and line counter.
class TFensterTastaturschreiben : public Fenster {
    Q_OBJECT
public:
    explicit TFensterTastaturschreiben(Umgebung umgebung);
    // The result window takes the typed text at the end of a unit; the
    // information window is put away then. Given once both exist.
    void Anschliessen(TFensterTextanzeige& ergebnis, TFensterInformationen& informationen);
    // Lays the window out for the screen class, the keyboard included.
    void Anordnen();
    // The keyboard laid out again for the current scheme and mode.
    void NormalTastei();
    ~TFensterTastaturschreiben() override;

    // Walks the script from ScriptLineIndex until an exercise runs, the unit
    // ends or a step stops.
    void BildschirmEinrichten();
    // Waits while window events go on; keystrokes meanwhile are dropped by InputBlocked.
    void Pause(int ms);
    // Holds a new info block readable for five seconds.
    void InfoStopp();
    void ZeilenZaehler();
    // The drill line is finished: the script goes on from the next line (the
    // set-up step, then the hold for a new info block); after the last line
    // the unit ends.
    void Zeilenende();

    // Keyboard schemes.
    void VollTastatur();
    void BlindTastatur();
    void TeilTastatur(const QString& keySet);
    void ZiffernblockTastatur();
    void DynamischeTastatur(int key);

    // Line exercises, primed with key 0.
    void Normalzeile(int key);
    void Rasterzeile(int key);
    void WortaufbauUebung(int key);

    // Instruction display.
    void InfozeilenNormal();
    // One line of an info block: the script line and its number in the block;
    // numbers above 100 hold the field for (n - 100) times three seconds.
    void InfoImInfofeld(const QString& zeile, int nummer);
    // Demonstrates the finger path of the first of `wegChars`.
    void FingerWegZeigen(const QString& wegChars);
    void Grundstellung();

    void TastaturschreibenBeenden(bool regulaer);
    // Before a new unit: no scheme, no exercise, nothing typed.
    void Zuruecksetzen();
    // Reads a lesson file into the script holder; its lines, or none with
    // the reason in `fehler`.
    std::optional<QStringList> SkriptLaden(const QString& pfad, QString* fehler);
    // Starts a unit on `skript` (blank lines already normalised) with its
    // number of drill lines: fresh state, the window shown, the first set-up step.
    void EinheitUebernehmen(const QString& titel, const QStringList& skript, int uebungszeilen);
    // The catalogue's start pause after a set-up that left input blocked.
    void Startpause();
    // Whether the script named no scheme and the learner may switch displays.
    bool TasteiWechselAngeboten() const;
    void AbbrechenButtonClick();
    void Timer1Timer();
    void ZeilenNummernClick();
    void OkZeileClick();
    void EscZeileClick();
    void TasteiZeileButtonClick();

    // The key handler: judges a typed character (Backspace 8, Return 13,
    // Escape 27, Tab 9) and lets it into the input field, drops it, starts a
    // correction or breaks the line.
    void TastenAbfrageKeypress(QChar zeichen);

    // The script's line `index` as it stands in the holder (uncleaned).
    QString Skriptzeile(int index) const;
    int Skriptzeilenzahl() const;

    // The state of the running unit, for reading.
    const Einheitszustand& zustand() const { return einheit_; }

    RichTextField* Steuerdatei;
    RichTextField* Texteingabefeld;
    Bildschirmtastatur* NormalTastatur;
    QGroupBox* NormalzeilenFeld;
    QGroupBox* Rasterzeilenfeld;
    QGroupBox* WortaufbauFeld;
    Panel* NormalzeileReturn;
    Panel* RasterzeileReturn;
    Panel* WortaufbauReturn;
    Panel* NormalzeileBack;
    Panel* RasterzeileBack;
    Panel* WortaufbauBack;
    QGroupBox* InfoFeld;
    Panel* Infozeile1;
    Panel* InfoZeile2;
    Panel* InfoZeile3;
    Panel* InfoZeile4;
    Panel* InfoZeile5;
    Panel* StoppStart;
    QPushButton* TasteiZeileButton;
    Panel* Zusatzuebung;
    Panel* Uhr;
    Panel* Zeilennummern;
    Panel* KlickZeile;
    QPushButton* AbbrechenButton;
    Panel* GeheZuZeile;
    QLineEdit* ZeilNumEingabe;
    QPushButton* OkZeile;
    QPushButton* EscZeile;

    std::array<Panel*, kNormalzellen> Normal{};
    std::array<Panel*, 13> Raster{};
    QGroupBox* Zentrum;
    Panel* Raster7L;
    Panel* Raster7R;
    Panel* Leerzeichen;
    std::array<Panel*, 10> Wort{};
    Panel* FarbeObenLinks;
    Panel* FarbeMitteLinks;
    Panel* FarbeUntenLinks;
    Panel* FarbeObenRechts;
    Panel* FarbeMitteRechts;
    Panel* FarbeUntenRechts;

    // Shows the keyboard picture on the on-screen keyboard.
    void TastaturZeigen();
    // The keypad scheme shows the Tab on its point key; the right arrow then types it.
    bool punktTasteAlsTab() const;

Q_SIGNALS:
    // The unit has ended, regularly or by abort.
    void LerneinheitBeendet(bool regulaer);
    // Its result is shown, with these figures; `titel` names the unit.
    void ErgebnisGezeigt(const QString& titel, const kennzahlen::Kennzahlen& figuren);
    // The windows are to be laid out again (a hand-impaired or blind layout
    // begins or ends).
    void NeuAnordnen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Linienart { Normal, Raster, Wort };

    void uebungsanzeigenAnlegen();
    tastei::SchemeState schemaZustand() const;
    // Shows the keyboard area with the picture a scheme makes of the current one.
    void schemaZeigen(
        const std::function<tastei::KeyboardPicture(const tastei::KeyboardPicture&)>& schema);
    void punktTasteZuruecksetzen();
    tastei::KeyLook schemaLook() const;
    tastei::KeyLook markierLook() const;
    bool inTeiltastei() const;
    void tasteMalen(tastei::KeyId taste, bool zweitbelegung, tastei::KeyLook look);
    void getippteTasteZuruecksetzen(QChar getippt, QChar naechstes);
    bool weiterruecken(QChar getippt);
    void naechsteTasteMarkieren();
    void akzentMarkieren(QChar zeichen);
    void umschalttastenMarkieren();
    void wegHin(QChar zeichen);
    void anleitungBeginnen();
    void handZeigen(const std::array<std::pair<tastei::KeyId, const char*>, 4>& tasten,
                    int wartezeit);
    void anleitungBeenden();
    void zeigen(int nummer, const QString& text, Qt::Alignment ausrichtung = Qt::AlignLeft);
    void tasteZeigen(tastei::KeyId taste, tastei::KeyLook look, bool zweitbelegung = false);
    void wegZurueck(QChar getippt, QChar naechstes);
    void TexteingabefeldKeyDown(QKeyEvent* event);
    void TexteingabefeldMouseDown();
    void linienUebung(Linienart art, QChar zeichen);
    void linieBeendet(Linienart art, QChar zeichen);
    void returnErwartet(Linienart art);
    void absatzBeginnen(Linienart art);
    void bereichZeigen(QGroupBox* bereich);
    // The display of a line exercise, its Return and Backspace panels, and
    // whether it runs.
    struct Linienteile {
        QGroupBox* feld;
        Panel* ret;
        Panel* back;
        bool laeuft;
    };
    Linienteile teile(Linienart art) const;
    void laufendeUebung(QChar zeichen);
    void korrekturBeginnen(QChar zeichen, bool warBackspace);
    void tasteBeurteilen(QChar zeichen);
    // Counts a judged key, asked for as `erwartet`, for the figures of the unit.
    void anschlagZaehlen(QChar erwartet);
    // Reads the keyboard layout off the unit's keystrokes until one decides;
    // a layout that is not German is reported once per run.
    void belegungPruefen(const QKeyEvent& event);
    void einfuegen(const QString& text);
    void zeilenumbruch();
    void letztesZeichenLoeschen();
    void normalzeileZeichnen();
    void rasterzeileZeichnen();
    void wortaufbauZeichnen();

    Normalzeilenfenster normalFenster_;
    QString rasterText_;
    int beendungen_ = 0;
    Einheitszustand einheit_;
    TFensterTextanzeige* ergebnis_ = nullptr;
    TFensterInformationen* informationen_ = nullptr;
    void uebungszeilenAnordnen();
    void zeilenzaehlerUndSprung(int schrift);
    // Keys typed while the drill is busy, judged once it is done.
    std::deque<QChar> warteschlange_;
    int beschaeftigt_ = 0;
    bool belegungGemeldet_ = false;
    void imAblauf(const std::function<void()>& schritt);
    void skriptAbarbeiten();
    void tastaturUebung(QChar getippt);
    void abbruchFragen();
    std::unique_ptr<SecondTimer> Timer1;
    qint64 uhrStartMs_ = 0;
    bool freiUmbruch_ = false;

    // How a command leaves the set-up loop: go on with the next line as a
    // command, end the loop through the final step, or stop at once.
    enum class Schritt { Weiter, Ende, Stopp };

    Schritt befehlAusfuehren(QString& s);
    Schritt tastaturBefehl(QString& s, Befehl befehl);
    Schritt zeilenBefehl(QString& s, Befehl befehl);
    Schritt fingerweg(QString& s);
    Schritt infoBlock(QString& s);
    void ohneBefehl();
    void schlussschritt(const QString& s);

    void naechsteZeile(QString& s, bool charPosZuruecksetzen = true);
    bool ersteUebungszeile(QString& s);
    bool kopfbefehlFortsetzen(QString& s);
    Schritt nachKopfbefehl(const QString& s);
    void normalTastei();
    void schemaWechsel(Befehl befehl);
    void modusSetzen(const DrillMode& modus, Befehl befehl);
    void volltasteiAufZeile();
    QString tastaturzeile(int index) const;
    void erwartetesZeichenSetzen();
    void lesepause(bool vorWeg);
    bool nurLeerzeilenAb(int index) const;
    QString saubereZeile(int index) const;

    Panel* Infozeile(int nummer) const;

protected:
    // Closing the window by its frame does what its own way out does.
    void closeEvent(QCloseEvent* event) override;
};
