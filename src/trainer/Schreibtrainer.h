#pragma once

#include "ui/fenster.h"

class Panel;
class QPushButton;
class RichTextField;

// The copy-typing trainer, which also serves as the simple text editor.
class TFensterSchreibtrainer : public Fenster {
    Q_OBJECT
public:
    explicit TFensterSchreibtrainer(Umgebung umgebung);

    // Prepares the window for an exercise on the reference text in `fileName`;
    // without a name the window is an empty editor.
    void TextVorgabe(const QString& fileName);
    void BeendenSchreibenClick();
    // The window as the plain editor: an empty field to write in.
    void EinfachenEditorOeffnen();
    // An exercise set up by the assistant on the text in `pfad` (none for a
    // print template without evaluation).
    void UebungOeffnen(const QString& pfad);
    // Before the assistant or a list sets up the next exercise: no time shown,
    // an empty field to write in.
    void Vorbereiten();
    // A copy text of the catalogue, or the ten-minute writing, under `titel`.
    void AbschreibtextOeffnen(const QString& pfad, const QString& titel);

    RichTextField* Vorgabetext;
    RichTextField* Texteingabe;
    Panel* HinweisZeile1;
    Panel* ZeitAnzeige;
    Panel* ZeilenNummernAnzeige;
    Panel* KlickMitKorrektur;
    QPushButton* BeendenSchreiben;

protected:
    // Closing the window by its frame does what its own way out does.
    void closeEvent(QCloseEvent* event) override;
};
