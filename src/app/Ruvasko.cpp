#include "app/Ruvasko.h"

#include "ui/panel.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>

namespace {

const QColor kFensterBlau(0, 0, 160);

QPushButton* knopf(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

Panel* schriftzug(QWidget* parent, const QString& name, const QColor& farbe) {
    auto* panel = new Panel(parent, name);
    panel->setBevel(Panel::Bevel::Flat);
    panel->setColor(kFensterBlau);
    panel->setFontColor(farbe);
    return panel;
}

} // namespace

TFensterStart::TFensterStart(Anwendung& anwendung)
    : Fenster(anwendung, QStringLiteral("FensterStart")) {
    QPalette blau = palette();
    blau.setColor(QPalette::Window, kFensterBlau);
    blau.setColor(QPalette::WindowText, Qt::white);
    setPalette(blau);
    setAutoFillBackground(true);
    setFont(QFont(QStringLiteral("Arial")));

    Startmenue = new QGroupBox(QStringLiteral("   Hauptmenü   "), this);
    Startmenue->setObjectName(QStringLiteral("Startmenue"));
    Tastaturschreiben = knopf(Startmenue, QStringLiteral("Tastaturschreiben"),
                              QStringLiteral("&TastaturSchreiben"));
    Schreibtrainer =
        knopf(Startmenue, QStringLiteral("Schreibtrainer"), QStringLiteral("&SchreibTrainer"));
    Texteditor = knopf(Startmenue, QStringLiteral("Texteditor"), QStringLiteral("Text&Editor"));
    ZiffernblockButton =
        knopf(Startmenue, QStringLiteral("ZiffernblockButton"), QStringLiteral("&Ziffernblock"));
    Beenden = knopf(Startmenue, QStringLiteral("Beenden"), QStringLiteral("&Beenden"));
    const QString info = QStringLiteral("Info");
    InfoTastaturschreiben = knopf(Startmenue, QStringLiteral("InfoTastaturschreiben"), info);
    InfoSchreibtrainer = knopf(Startmenue, QStringLiteral("InfoSchreibtrainer"), info);
    InfoTexteditor = knopf(Startmenue, QStringLiteral("InfoTexteditor"), info);
    InfoZiffernblock = knopf(Startmenue, QStringLiteral("InfoZiffernblock"), info);
    InfoTastaturschreiben->setAccessibleName(QStringLiteral("Info zum Tastaturschreiben"));
    InfoSchreibtrainer->setAccessibleName(QStringLiteral("Info zum Schreibtrainer"));
    InfoTexteditor->setAccessibleName(QStringLiteral("Info zum Texteditor"));
    InfoZiffernblock->setAccessibleName(QStringLiteral("Info zum Ziffernblock"));

    KasparoLogo = schriftzug(this, QStringLiteral("KasparoLogo"), QColor(255, 220, 0));
    Namezeile1 = schriftzug(this, QStringLiteral("Namezeile1"), Qt::white);
    Namezeile1->setCaption(QStringLiteral("Interaktives Lernprogramm"));
    NameZeile4 = schriftzug(this, QStringLiteral("NameZeile4"), Qt::white);
    NameZeile4->setCaption(QStringLiteral("Version 2003"));

    connect(Beenden, &QPushButton::clicked, this, &TFensterStart::BeendenClick);
    FormCreate();
}

void TFensterStart::FormCreate() {
    KasparoLogo->setCaption(QStringLiteral("Kasparo"));
    StartDirectory = QDir::currentPath();
}

void TFensterStart::EditionAnpassen(const StartfensterAnpassung& anpassung) {
    if (anpassung.caption) {
        setWindowTitle(*anpassung.caption);
    }
    if (anpassung.schreibtrainerCaption) {
        Schreibtrainer->setText(*anpassung.schreibtrainerCaption);
    }
    if (anpassung.schreibtrainerVisible) {
        Schreibtrainer->setVisible(*anpassung.schreibtrainerVisible);
        InfoSchreibtrainer->setVisible(*anpassung.schreibtrainerVisible);
    }
    if (anpassung.texteditorCaption) {
        Texteditor->setText(*anpassung.texteditorCaption);
    }
    if (anpassung.texteditorHint) {
        Texteditor->setToolTip(*anpassung.texteditorHint);
    }
    if (anpassung.texteditorVisible) {
        Texteditor->setVisible(*anpassung.texteditorVisible);
    }
    if (anpassung.infoTexteditorVisible) {
        InfoTexteditor->setVisible(*anpassung.infoTexteditorVisible);
    }
    if (anpassung.ziffernblockVisible) {
        ZiffernblockButton->setVisible(*anpassung.ziffernblockVisible);
        InfoZiffernblock->setVisible(*anpassung.ziffernblockVisible);
    }
}

void TFensterStart::BeendenClick() {
    close();
}

void TFensterStart::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT Geschlossen();
}
