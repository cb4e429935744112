#pragma once

#include "app/editions.h"
#include "ui/fenster.h"

class Anwendung;
class Panel;
class QGroupBox;
class QPushButton;

// The start window and main menu. Closing it ends the program.
class TFensterStart : public Fenster {
    Q_OBJECT
public:
    TFensterStart(Umgebung umgebung, Anwendung& anwendung);

    void EditionAnpassen(const StartfensterAnpassung& anpassung);
    void BeendenClick();
    void TastaturschreibenClick();
    void SchreibtrainerClick();
    void TextEditorClick();
    // The ten-minute writing: the trainer reset, the list of its texts.
    void PuZeitschreiben();
    void ZiffernblockTastatur();
    void FormClick();
    void InfoDateiAufrufen(const QString& datei);
    // The start window with its menu, as a module leaves it.
    void MenueZeigen();
    // Lays the window out for the screen class.
    void Anordnen();

    QGroupBox* Startmenue;
    QPushButton* Tastaturschreiben;
    QPushButton* Schreibtrainer;
    QPushButton* Texteditor;
    QPushButton* ZiffernblockButton;
    QPushButton* Beenden;
    QPushButton* InfoTastaturschreiben;
    QPushButton* InfoSchreibtrainer;
    QPushButton* InfoTexteditor;
    QPushButton* InfoZiffernblock;
    // Below the name lines: the learner's history.
    QPushButton* LernfortschrittButton;
    Panel* KasparoLogo;
    Panel* Namezeile1;
    Panel* NameZeile4;

Q_SIGNALS:
    void Geschlossen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void FormCreate();
    void ModuleTastaturschreiben();
    void EinfachEditor();
    // Before a copy-typing exercise: the trainer's settings and window reset.
    void trainerVorbereiten();
    Anwendung& anwendung() const { return anwendung_; }

    Anwendung& anwendung_;
};
