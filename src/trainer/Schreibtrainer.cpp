#include "trainer/Schreibtrainer.h"

#include "layout/screenclass.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/richtextfield.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

Panel* anzeige(QWidget* parent, const QString& name, const QString& caption) {
    auto* panel = new Panel(parent, name);
    panel->setCaption(caption);
    panel->setBevel(Panel::Bevel::Lowered);
    return panel;
}

} // namespace

TFensterSchreibtrainer::TFensterSchreibtrainer(Umgebung umgebung)
    : Fenster(umgebung, QStringLiteral("FensterSchreibtrainer")) {
    setFont(QFont(QStringLiteral("Arial")));
    HinweisZeile1 = anzeige(this, QStringLiteral("HinweisZeile1"),
                            QString::fromUtf8("Die Zeilen von Textvorlage und Eingabefeld können "
                                              "unterschiedlich breit sein."));
    HinweisZeile1->setBevel(Panel::Bevel::Flat);
    ZeitAnzeige = anzeige(this, QStringLiteral("ZeitAnzeige"), QString());
    ZeilenNummernAnzeige = anzeige(this, QStringLiteral("ZeilenNummernAnzeige"), QString());
    KlickMitKorrektur =
        anzeige(this, QStringLiteral("KlickMitKorrektur"), QStringLiteral("Klick = Mit Korrektur"));
    KlickMitKorrektur->setToolTip(QStringLiteral("Umschalten Schreiben mit Korrektur"));
    BeendenSchreiben = new QPushButton(QStringLiteral("  &Beenden"), this);
    BeendenSchreiben->setObjectName(QStringLiteral("BeendenSchreiben"));
    Vorgabetext = new RichTextField(platform(), this, QStringLiteral("Vorgabetext"));
    Vorgabetext->setReadOnly(true);
    Vorgabetext->hide();
    Texteingabe = new RichTextField(platform(), this, QStringLiteral("Texteingabe"));
    Texteingabe->setAcceptRichText(false);

    auto* leiste = new QHBoxLayout;
    leiste->addWidget(HinweisZeile1, 1);
    leiste->addWidget(KlickMitKorrektur);
    leiste->addWidget(ZeilenNummernAnzeige);
    leiste->addWidget(ZeitAnzeige);
    leiste->addWidget(BeendenSchreiben);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(leiste);
    spalte->addWidget(Vorgabetext, 1);
    spalte->addWidget(Texteingabe, 2);

    connect(BeendenSchreiben, &QPushButton::clicked, this,
            &TFensterSchreibtrainer::BeendenSchreibenClick);
}

void TFensterSchreibtrainer::TextVorgabe(const QString& fileName) {
    // The switch of the correction belongs to the plain editor only.
    KlickMitKorrektur->hide();
    Vorgabetext->clearText();
    Vorgabetext->setTextFont(QStringLiteral("Arial"), -23);
    Vorgabetext->hide();
    if (!fileName.isEmpty()) {
        QString fehler;
        if (Vorgabetext->loadFile(fileName, &fehler)) {
            Vorgabetext->show();
        } else {
            platform().message(MessageKind::Error, fehler);
        }
    }
    Texteingabe->clearText();
    Texteingabe->setTextFont(QStringLiteral("Arial"), -23);
    Texteingabe->setModified(false);
    Texteingabe->setFocus();
}

void TFensterSchreibtrainer::EinfachenEditorOeffnen() {
    ZeitAnzeige->hide();
    TextVorgabe(QString());
    setWindowTitle(QStringLiteral(" Kasparo  2003          Einfacher Texteditor "));
    HinweisZeile1->hide();
    KlickMitKorrektur->show();
    Texteingabe->setReadOnly(false);
    Texteingabe->clearText();
    Texteingabe->setModified(false);
    Texteingabe->setTextFont(QStringLiteral("Courier New"),
                             perClass(state(), std::array{-16, -19, -21, -23}));
    raise();
    activateWindow();
    Texteingabe->setFocus();
}

void TFensterSchreibtrainer::UebungOeffnen(const QString& pfad) {
    show();
    TextVorgabe(pfad);
    setWindowTitle(QStringLiteral("   Schreibtrainer"));
    ZeilenNummernAnzeige->show();
    BeendenSchreiben->show();
    raise();
    activateWindow();
}

void TFensterSchreibtrainer::Vorbereiten() {
    ZeitAnzeige->hide();
    Texteingabe->setReadOnly(false);
    Texteingabe->setModified(false);
    Texteingabe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Texteingabe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TFensterSchreibtrainer::AbschreibtextOeffnen(const QString& pfad, const QString& titel) {
    show();
    TextVorgabe(pfad);
    setWindowTitle(titel);
    ZeilenNummernAnzeige->show();
    BeendenSchreiben->show();
}

void TFensterSchreibtrainer::BeendenSchreibenClick() {
    if (ungespeichertesKlaeren(*Texteingabe,
                               QString::fromUtf8("Möchten Sie den geschriebenen Text speichern?"),
                               QStringLiteral("Text speichern"),
                               QStringLiteral("Textdateien(*.txt)|*.txt|Alle Dateien(*.*)|*.*"),
                               QString(), Speicherart::Text)) {
        zumHauptmenue();
    }
}

void TFensterSchreibtrainer::closeEvent(QCloseEvent* event) {
    event->ignore();
    BeendenSchreibenClick();
}
