#include "evaluation/Textanzeige.h"

#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "ui/platform.h"
#include "ui/richtextfield.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFensterTextanzeige::TFensterTextanzeige(Anwendung& anwendung)
    : Fenster(anwendung, QStringLiteral("FensterTextanzeige")) {
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

void TFensterTextanzeige::DruckenClick() {
    TextAnzeigeFeld->print(QStringLiteral("Kasparo - Ergebnis"));
}

void TFensterTextanzeige::SpeichernClick() {
    const QString pfad = platform().saveFileName(
        QStringLiteral("Ergebnis speichern"), QStringLiteral("RTF-Dateien(*.rtf)|*.rtf"),
        anwendung().FensterStart().StartDirectory, QStringLiteral("Ergebnis.rtf"));
    if (pfad.isEmpty()) {
        return;
    }
    QString fehler;
    if (!TextAnzeigeFeld->saveRtf(pfad, &fehler)) {
        platform().message(MessageKind::Error, fehler);
        return;
    }
    TextAnzeigeFeld->setModified(false);
}

void TFensterTextanzeige::BeendenClick() {
    // The result is kept unless the learner lets it go.
    if (TextAnzeigeFeld->isModified()) {
        const MessageAnswer antwort = platform().message(
            MessageKind::Confirmation,
            QStringLiteral("Das Ergebnis ist nicht gespeichert. Möchten Sie es speichern?"),
            MessageButtons::YesNoCancel);
        if (antwort == MessageAnswer::Cancel) {
            return;
        }
        if (antwort == MessageAnswer::Yes) {
            SpeichernClick();
            if (TextAnzeigeFeld->isModified()) {
                return;
            }
        }
    }
    hide();
    TFensterStart& start = anwendung().FensterStart();
    start.Startmenue->show();
    start.show();
}

void TFensterTextanzeige::closeEvent(QCloseEvent* event) {
    event->ignore();
    BeendenClick();
}
