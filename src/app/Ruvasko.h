#pragma once

#include "app/editions.h"
#include "app/fenster.h"

class Panel;
class QGroupBox;
class QPushButton;

// The start window and main menu. Closing it ends the program.
class TFensterStart : public Fenster {
    Q_OBJECT
public:
    explicit TFensterStart(Anwendung& anwendung);

    void EditionAnpassen(const StartfensterAnpassung& anpassung);
    void BeendenClick();
    void TastaturschreibenClick();
    void SchreibtrainerClick();
    void TextEditorClick();
    void ZiffernblockTastatur();
    void FormClick();
    void InfoDateiAufrufen(const QString& datei);

    QString StartDirectory;

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
};
