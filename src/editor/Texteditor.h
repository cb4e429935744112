#pragma once

#include "ui/fenster.h"

#include <QFont>
#include <QStringList>
#include <QStyle>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QListWidget;
class QMenuBar;
class QToolButton;
class QWidget;
class RichTextField;
struct FindRequest;

// The text editor for lesson scripts, copy texts and documents: files,
// clipboard, fonts, paragraphs, the command words of a lesson script, the
// conversion of DOS text, search and replace, printing.
class TFensterTexteditor : public Fenster {
    Q_OBJECT
public:
    explicit TFensterTexteditor(Umgebung umgebung);

    // Opened empty from the start window.
    void Leer();
    void Anordnen();

    void Neu1Click();
    void Oeffnen1Click();
    void Speichern1Click();
    void Speichernunter1Click();
    void Drucken1Click();
    void Druckereinrichten1Click();
    void Beenden1Click();
    void Ausschneiden1Click();
    void Kopieren1Click();
    void Einfuegen1Click();
    void Loeschen1Click();
    void Allesmarkieren1Click();
    void Schriftart1Click();
    enum class Schnitt { Fett, Kursiv, Unterstrich };
    void SchriftschnittClick(Schnitt schnitt);
    enum class Ausrichtung { Links, Rechts, Zentriert };
    void AusrichtenClick(Ausrichtung ausrichtung);
    void ButtonAusrichtenClick(Ausrichtung ausrichtung);
    void AufzaehlungClick();
    void KommandowoerterButtonClick();
    void BoxKommandowoerterClick(int index);
    void ASCIInachANSI1Click();
    void SuchenClick();
    void ErsetzenClick();

    // The lesson script in the editor is checked, or tried in the drill
    // window; the application answers with the findings or runs the unit.
    void PruefenClick();
    void AusprobierenClick();
    // A finding of the check: its line (1-based, 0 for the whole script).
    struct Befundzeile {
        int zeile = 0;
        bool fehler = true;
        QString text;
    };
    void BefundeZeigen(const std::vector<Befundzeile>& befunde);
    void BefundGewaehlt(int index);
    // Back from trying the lesson, with the text as it was.
    void Wiederkehren();

    // The document's lines, as a lesson script reads them.
    QStringList Skriptzeilen() const;
    // The document, its name and its state, for reading.
    QString Dateiname() const { return dateiname_; }
    bool RichTextModus() const { return richText_; }
    RichTextField& Textfeld() const { return *textfeld_; }

Q_SIGNALS:
    void PruefungVerlangt();
    void Ausprobieren(const QString& name, const QStringList& zeilen);

protected:
    // Closing by the frame asks as "Beenden" does, and stays when the
    // learner cancels or the save does not happen.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void menueBauen();
    void werkzeugeBauen();
    // A tool button's picture: the icon theme's name, else Qt's own picture,
    // else a short label.
    struct Symbol {
        QString thema;
        std::optional<QStyle::StandardPixmap> eigenes;
        QString text;
    };
    QToolButton* werkzeug(const QString& name, const QString& hinweis, const Symbol& symbol,
                          const std::function<void()>& operation);
    // The unsaved-changes prompt; false when the writer stays with the text.
    bool aenderungenKlaeren();
    // Writes the document in its mode; false after a failure was reported.
    bool schreiben();
    void titelSetzen();
    void schriftFuerKlasse();
    QString dateiWaehlen();
    void kommandowoerterZeigen(bool sichtbar);
    // One "find next"; false when nothing further was found.
    bool FindDialog1Find(const FindRequest& anfrage);
    bool ReplaceDialogReplace(const FindRequest& anfrage);
    int finden(const FindRequest& anfrage, int von, int laenge) const;
    void suchbeginn();

    RichTextField* textfeld_;
    QMenuBar* menue_;
    QWidget* werkzeugleiste_;
    QListWidget* kommandoBox_;
    QListWidget* befundListe_;
    std::vector<int> befundZeilen_;
    QToolButton* kommandoKnopf_;
    std::vector<QToolButton*> knoepfe_;
    QAction* links_;
    QAction* rechts_;
    QAction* zentriert_;

    QString dateiname_;
    bool richText_ = true;
    // The font of the font dialog; the style buttons toggle its style.
    QFont dialogSchrift_;
    // Where the next search starts, where the caret stood when the dialog
    // opened, the start of the last match, and how far the search may reach.
    int suchPosition_ = 0;
    int suchAnfang_ = 0;
    int fundstelle_ = -1;
    int suchLaenge_ = 0;
    bool umgebrochen_ = false; // this pass has gone back to the top
};
