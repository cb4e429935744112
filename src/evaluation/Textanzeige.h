#pragma once

#include "evaluation/kennzahlen.h"
#include "ui/fenster.h"

#include <QList>
#include <QStringList>
#include <memory>

class Fehlerkarte;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextDocument;
class RichTextField;

// The result window: the evaluated text of a copy-typing exercise, or what
// the learner typed in a drill unit, with the learner's name, to print and
// to save.
class TFensterTextanzeige : public Fenster {
    Q_OBJECT
public:
    explicit TFensterTextanzeige(Umgebung umgebung);

    // Compares the typed lines with the reference lines of a finished
    // exercise under the trainer's settings and shows the result, with its
    // figures when the typing time is known.
    void FehlerAuswertung(const QStringList& getippt, const QStringList& vorgabe,
                          qint64 schreibzeitMs = 0);
    // A drill unit's typed text below two empty lines and above the unit's
    // figures; `mitNamen` shows the name entry.
    void TextZeigen(const QString& text, bool mitNamen, const kennzahlen::Kennzahlen& figuren = {});
    // Shown in front, the text field ready to be read.
    void Anzeigen();
    void Anordnen();

    void NamenEinfuegen();
    void DruckenClick();
    void SpeichernClick();
    void BeendenClick();
    // Shows the error map of a drill unit in place of the text, or the text again.
    void FehlerkarteClick();

    int ErrorCount() const { return errorCount_; }
    QStringList Anzeigezeilen() const;
    QStringList Druckzeilen() const;

protected:
    // Closing the window by its frame does what its own way out does.
    void closeEvent(QCloseEvent* event) override;

private:
    // Both fields from the display lines; the marks become styles when
    // `markiert`.
    void fuellen(const QStringList& anzeige, bool markiert);
    void kopfzeilenSchreiben(bool hinweis);
    // The print text as pages: each page begins on a new sheet.
    std::unique_ptr<QTextDocument> druckvorlage() const;

    RichTextField* TextAnzeigeFeld;
    QWidget* PanelName;
    QLabel* EingabeAufforderung;
    QLineEdit* NameEingabe;
    QPushButton* Speichern;
    QPushButton* Drucken;
    QPushButton* Beenden;
    QPushButton* FehlerkarteButton;
    Fehlerkarte* FehlerkarteAnzeige;
    RichTextField* DruckText;

    int errorCount_ = 0;
    QString gespeichertUnter_;
    QList<int> kopfzeilen_;
    QList<int> seitenanfaenge_;
};
