#pragma once

#include "trainer/uebungszustand.h"
#include "ui/fenster.h"

#include <array>
#include <memory>

class Panel;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class RichTextField;
class SecondTimer;
class TFensterInformationen;

// The copy-typing trainer: one exercise on a reference text, shown line by
// line above the input field or copied from paper, with its clock, its
// keystroke count, the paragraph rules of the input field, the end of typing
// and the correction phase. The same window is the plain text editor.
class TFensterSchreibtrainer : public Fenster {
    Q_OBJECT
public:
    explicit TFensterSchreibtrainer(Umgebung umgebung);
    ~TFensterSchreibtrainer() override;

    // The information window that shows the opening hints.
    void Anschliessen(TFensterInformationen& informationen);
    // Places every control for the screen class.
    void Anordnen();

    // Before the assistant or a list sets up the next exercise: no time shown,
    // an empty field to write in.
    void Vorbereiten();
    // Prepares and shows the window for an exercise on the reference text in
    // `fileName`; without a name the learner chooses a file, unless the
    // settings need none (a print template without evaluation).
    void TextVorgabe(const QString& fileName);
    // The window as the plain editor: an empty field to write in.
    void EinfachenEditorOeffnen();

    // Why the typing phase ends.
    enum class Grund { Beendet = 1, ZeitUm = 2, OhneEingabe = 4 };
    void EndTyping(Grund grund);

    void BeendenSchreibenClick();
    void WeiterNachKorrekturClick();
    void KorrekturAnzeigeClick();
    void InZeileClick();
    void Timer1Timer();
    // The keystrokes counted again from what stands typed at the end.
    void AnschlagsBerichtigung();

    // The exercise as it stands, for reading.
    const Uebungszustand& zustand() const { return uebung_; }
    // The lines the learner typed, and the reference lines (paragraphs, an
    // empty line between two).
    QStringList Eingabezeilen() const;
    QStringList Vorgabezeilen() const;
    // The reference lines as the seven boxes show them.
    QString Zeile(int box) const;
    // The box marked yellow.
    int MarkierteZeile() const;

Q_SIGNALS:
    // The typing is over: the typed lines are to be evaluated against the
    // reference lines and shown.
    void Auswertung();
    // The file dialog of an exercise was cancelled, or a file was chosen.
    void DateiwahlAbgebrochen();
    void DateiGewaehlt();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the window by its frame keeps what the learner typed unless the
    // learner gives it up.
    void closeEvent(QCloseEvent* event) override;

private:
    QString dateiWaehlen();
    bool vorgabeLaden(const QString& pfad);
    void statusZeigen();
    void eroeffnungshinweis();
    void anordnenBildschirm(bool druckvorlage);
    void zurueckZumStart();
    // Hands the typed text over; false when nothing was typed.
    bool auswerten();

    // The seven reference lines.
    void zeilenZeichnen(int erste);
    void markieren(int zeile);
    void absatzendeZeigen();
    void letzteAbsatzzeileBestimmen();
    QString vorgabezeile(int index) const;
    int vorgabezeilenzahl() const;
    void vorgabezeileLeeren(int index);

    // The input field.
    bool TexteingabeOnKeyDown(QKeyEvent* event);
    // Backspace (`rueck`) or Delete with correction: false when the key is
    // dealt with here.
    bool ruecktasteMitKorrektur(bool rueck);
    // Return or F1 while the reference is on screen: true when the key is
    // taken as typed.
    bool returnOderF1(bool f1);
    // The paragraph end is complete; true when it ended the typing.
    bool absatzWechseln();
    void nachDerTaste(bool istReturn);
    void TexteingabeChange();
    bool TexteingabeMouseDown();
    void tasteDurchlassen(QKeyEvent* event);
    void caretAnsEnde();
    bool caretAmEnde() const;
    QStringList zeilen() const;
    int eingabeAnzeigezeilen() const;
    void hinweis(const QString& text, bool ok = false);

    Uebungszustand uebung_;
    TFensterInformationen* informationen_ = nullptr;
    std::unique_ptr<SecondTimer> Timer1;
    bool durchlassen_ = false;

    RichTextField* Vorgabetext;
    RichTextField* Texteingabe;
    QWidget* TextvorgabeBereich;
    std::array<QLineEdit*, 7> zeilen_{};
    QWidget* Kopfleiste;
    Panel* HinweisZeile1;
    Panel* HinweisZeile2;
    Panel* Hinweiszeile3;
    QPushButton* BeendenSchreiben;
    Panel* ZeilenNummernAnzeige;
    Panel* KorrekturAnzeige;
    Panel* KlickMitKorrektur;
    Panel* AnschlagsAnzeige;
    Panel* ZeitAnzeige;
    Panel* Absatzende;
    Panel* HinweisKorrektur;
    QPushButton* WeiterNachKorrektur;
};
