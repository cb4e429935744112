#include "app/Ruvasko.h"

#include "app/anwendung.h"
#include "app/infodokumente.h"
#include "drill/Tastaturschreiben.h"
#include "editor/Texteditor.h"
#include "evaluation/Lernfortschritt.h"
#include "keyboard/Informationen.h"
#include "layout/screenclass.h"
#include "layout/tabellen.h"
#include "lessons/AuswahlLektionen.h"
#include "trainer/Schreibtrainer.h"
#include "trainer/TrainerAssi.h"
#include "ui/anordnen.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
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

TFensterStart::TFensterStart(Umgebung umgebung, Anwendung& anwendung)
    : Fenster(umgebung, QStringLiteral("FensterStart")), anwendung_(anwendung) {
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
    LernfortschrittButton =
        knopf(this, QStringLiteral("LernfortschrittButton"), QStringLiteral("Lern&fortschritt"));
    connect(LernfortschrittButton, &QPushButton::clicked, this, [this] {
        this->anwendung().FensterLernfortschritt().Zeigen();
        hide();
    });

    connect(Beenden, &QPushButton::clicked, this, &TFensterStart::BeendenClick);
    connect(Tastaturschreiben, &QPushButton::clicked, this, &TFensterStart::TastaturschreibenClick);
    connect(Schreibtrainer, &QPushButton::clicked, this, &TFensterStart::SchreibtrainerClick);
    connect(Texteditor, &QPushButton::clicked, this, &TFensterStart::TextEditorClick);
    connect(ZiffernblockButton, &QPushButton::clicked, this, &TFensterStart::ZiffernblockTastatur);
    const std::array<std::pair<QPushButton*, InfoKnopf>, 4> infos = {{
        {InfoTastaturschreiben, InfoKnopf::Tastaturschreiben},
        {InfoSchreibtrainer, InfoKnopf::Schreibtrainer},
        {InfoTexteditor, InfoKnopf::Texteditor},
        {InfoZiffernblock, InfoKnopf::Ziffernblock},
    }};
    for (const auto& [button, knopf] : infos) {
        // Captured by copy under its own name: clang 14 captures no structured binding.
        connect(button, &QPushButton::clicked, this,
                [this, knopf = knopf] { InfoDateiAufrufen(infoDokument(knopf, state())); });
    }
    FormCreate();
}

void TFensterStart::FormCreate() {
    KasparoLogo->setCaption(QStringLiteral("Kasparo"));
    state().StartDirectory = QDir::currentPath();
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

void TFensterStart::MenueZeigen() {
    Startmenue->show();
    show();
}

void TFensterStart::Anordnen() {
    const tabellen::Startfenster& t = tabellen::startfenster(currentScreenClass(state()));
    setFixedSize(fenstergroesse(state()));
    Startmenue->setGeometry(t.menue);
    setzeSchrift(Startmenue, t.schrift);
    const std::array<std::pair<QPushButton*, QPushButton*>, 5> reihe = {{
        {Tastaturschreiben, InfoTastaturschreiben},
        {Schreibtrainer, InfoSchreibtrainer},
        {Texteditor, InfoTexteditor},
        {ZiffernblockButton, InfoZiffernblock},
        {Beenden, nullptr},
    }};
    for (std::size_t i = 0; i < reihe.size(); ++i) {
        const QRect knopf = t.knoepfe.an(static_cast<int>(i));
        reihe[i].first->setGeometry(knopf);
        setzeSchrift(reihe[i].first, t.schrift);
        if (reihe[i].second) {
            reihe[i].second->setGeometry(knopf.right() + 1 + t.infoAbstand, knopf.top(),
                                         t.infoBreite, knopf.height());
            setzeSchrift(reihe[i].second, t.schrift);
        }
    }
    const std::array<std::pair<Panel*, tabellen::Schriftzeile>, 3> zeilen = {{
        {KasparoLogo, t.logo},
        {Namezeile1, t.name1},
        {NameZeile4, t.name4},
    }};
    for (const auto& [panel, zeile] : zeilen) {
        panel->setGeometry(t.spalteLinks, zeile.oben, t.spalteBreite, zeile.hoehe);
        panel->setFont(QStringLiteral("Arial"), zeile.schrift, panel == KasparoLogo);
    }
    // Half a button's height below the last name line, as wide as a menu button.
    const QRect knopf = t.knoepfe.an(0);
    LernfortschrittButton->setGeometry(t.spalteLinks + (t.spalteBreite - knopf.width()) / 2,
                                       t.name4.oben + t.name4.hoehe + knopf.height() / 2,
                                       knopf.width(), knopf.height());
    setzeSchrift(LernfortschrittButton, t.schrift);
}

void TFensterStart::BeendenClick() {
    close();
}

void TFensterStart::TastaturschreibenClick() {
    ModuleTastaturschreiben();
}

void TFensterStart::ModuleTastaturschreiben() {
    ProgramState& st = state();
    TFensterLektionen& lektionen = anwendung().FensterLektionen();
    lektionen.hide();
    st.HandImpairedMode = false;
    st.NumpadMode = false;
    anwendung().FensterTastaturschreiben().Zuruecksetzen();
    anwendung().FensterTastaturschreiben().NormalTastei();
    lektionen.Anbieten();
}

void TFensterStart::ZiffernblockTastatur() {
    ProgramState& st = state();
    st.NumpadMode = true;
    st.HandImpairedMode = false;
    anwendung().FensterTastaturschreiben().Zuruecksetzen();
    anwendung().FensterLektionen().ZiffernblockAnbieten();
}

void TFensterStart::trainerVorbereiten() {
    ProgramState& st = state();
    // The copy-typing state of the exercise before is gone.
    st.trainerZuruecksetzen();
    st.HandImpairedMode = false;
    anwendung().FensterTastaturschreiben().NormalTastei();
    anwendung().FensterSchreibtrainer().Vorbereiten();
    Startmenue->hide();
}

void TFensterStart::SchreibtrainerClick() {
    ProgramState& st = state();
    trainerVorbereiten();
    if (st.EditionSchool) {
        anwendung().FensterAssi().Beginnen();
    } else if (st.EditionProgrammed || st.EditionSelfStudy || st.EditionHandImpaired ||
               st.EditionOffice) {
        Startmenue->show();
        st.HandImpairedMode = st.EditionHandImpaired;
        anwendung().FensterLektionen().SchreibtrainerAnbieten();
        hide();
    } else if (st.EditionCompact) {
        anwendung().FensterLektionen().EigeneClick();
    }
    if (st.EditionHandImpaired) {
        anwendung().FensterTastaturschreiben().NormalTastei();
    }
}

void TFensterStart::TextEditorClick() {
    const ProgramState& st = state();
    // The teacher edition is a school edition with the full editor.
    if (st.EditionTeacher) {
        anwendung().FensterTexteditor().Leer();
        hide();
    } else if (st.EditionSchool || st.EditionCompact) {
        EinfachEditor();
    } else if (st.EditionProgrammed || st.EditionSelfStudy || st.EditionOffice ||
               st.EditionHandImpaired) {
        PuZeitschreiben();
    }
}

void TFensterStart::PuZeitschreiben() {
    trainerVorbereiten();
    Startmenue->show();
    anwendung().FensterLektionen().ZeitschreibenAnbieten();
    hide();
}

void TFensterStart::EinfachEditor() {
    ProgramState& st = state();
    TFensterSchreibtrainer& trainer = anwendung().FensterSchreibtrainer();
    trainer.show();
    st.trainerZuruecksetzen();
    st.TrainerPrintTemplate = true;
    Startmenue->hide();
    trainer.EinfachenEditorOeffnen();
}

void TFensterStart::FormClick() {
    // The settings assistant is given up; the menu comes back.
    anwendung().FensterAssi().hide();
    Startmenue->show();
}

void TFensterStart::mousePressEvent(QMouseEvent* event) {
    FormClick();
    Fenster::mousePressEvent(event);
}

void TFensterStart::InfoDateiAufrufen(const QString& datei) {
    if (datei.isEmpty() || !QFileInfo::exists(QDir::current().filePath(datei))) {
        platform().message(MessageKind::Information,
                           QStringLiteral("Es ist keine Information vorhanden."));
        return;
    }
    QString fehler;
    if (anwendung().FensterInformationen().DokumentZeigen(datei, &fehler)) {
        hide();
    } else {
        platform().message(MessageKind::Error, fehler);
    }
}

void TFensterStart::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT Geschlossen();
}
