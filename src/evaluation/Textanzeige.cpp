#include "evaluation/Textanzeige.h"

#include "ui/platform.h"
#include "ui/richtextfield.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFensterTextanzeige::TFensterTextanzeige(Umgebung umgebung)
    : Fenster(umgebung, QStringLiteral("FensterTextanzeige")) {
    setWindowTitle(QStringLiteral(" Kasparo 2003 - Ergebnis"));
    setFont(QFont(QStringLiteral("Arial")));
    TextAnzeigeFeld = new RichTextField(platform(), this, QStringLiteral("TextAnzeigeFeld"));
    TextAnzeigeFeld->setReadOnly(true);
    Drucken = new QPushButton(QStringLiteral("&Drucken"), this);
    Speichern = new QPushButton(QStringLiteral("&Speichern"), this);
    Beenden = new QPushButton(QStringLiteral("&Beenden"), this);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(Drucken);
    knoepfe->addWidget(Speichern);
    knoepfe->addStretch(1);
    knoepfe->addWidget(Beenden);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(TextAnzeigeFeld, 1);
    spalte->addLayout(knoepfe);
    connect(Drucken, &QPushButton::clicked, this, &TFensterTextanzeige::DruckenClick);
    connect(Speichern, &QPushButton::clicked, this, &TFensterTextanzeige::SpeichernClick);
    connect(Beenden, &QPushButton::clicked, this, &TFensterTextanzeige::BeendenClick);
}

void TFensterTextanzeige::TextZeigen(const QString& text) {
    TextAnzeigeFeld->setReadOnly(false);
    TextAnzeigeFeld->clearText();
    TextAnzeigeFeld->setPlainText(QStringLiteral("\n\n") + text);
    TextAnzeigeFeld->setReadOnly(true);
    TextAnzeigeFeld->setModified(true);
}

void TFensterTextanzeige::Anzeigen() {
    show();
    raise();
    TextAnzeigeFeld->setFocus();
}

void TFensterTextanzeige::DruckenClick() {
    TextAnzeigeFeld->print(QStringLiteral("Kasparo - Ergebnis"));
}

namespace {

const QString kErgebnisTitel = QStringLiteral("Ergebnis speichern");
const QString kErgebnisFilter = QStringLiteral("RTF-Dateien(*.rtf)|*.rtf");
const QString kErgebnisName = QStringLiteral("Ergebnis.rtf");

} // namespace

void TFensterTextanzeige::SpeichernClick() {
    feldSpeichern(*TextAnzeigeFeld, kErgebnisTitel, kErgebnisFilter, kErgebnisName,
                  Speicherart::Rtf);
}

void TFensterTextanzeige::BeendenClick() {
    if (ungespeichertesKlaeren(
            *TextAnzeigeFeld,
            QString::fromUtf8("Das Ergebnis ist nicht gespeichert. Möchten Sie es speichern?"),
            kErgebnisTitel, kErgebnisFilter, kErgebnisName, Speicherart::Rtf)) {
        zumHauptmenue();
    }
}

void TFensterTextanzeige::closeEvent(QCloseEvent* event) {
    event->ignore();
    BeendenClick();
}
