#include "drill/Tastaturschreiben.h"

#include "keyboard/Bildschirmtastatur.h"
#include "ui/anordnen.h"
#include "ui/filledgroupbox.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/richtextfield.h"
#include "ui/secondtimer.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace {

const QColor kFensterGrau(212, 216, 224);
const QColor kInfoGelb(255, 255, 225);
const QColor kLimette(0, 255, 0);

QGroupBox* bereich(QWidget* parent, const QString& name, const QString& titel) {
    auto* box = new QGroupBox(titel, parent);
    box->setObjectName(name);
    return box;
}

Panel* tafel(QWidget* parent, const QString& name, const QString& caption, const QColor& farbe,
             Panel::Bevel rand = Panel::Bevel::Raised) {
    auto* panel = new Panel(parent, name);
    panel->setCaption(caption);
    panel->setColor(farbe);
    panel->setBevel(rand);
    return panel;
}

QPushButton* knopf(QWidget* parent, const QString& name, const QString& caption,
                   const QString& hinweis) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hinweis);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TFensterTastaturschreiben::TFensterTastaturschreiben(Umgebung umgebung)
    : Fenster(umgebung, QStringLiteral("FensterTastaturschreiben")) {
    setWindowTitle(QStringLiteral(" Kasparo - Tastaturschulung"));
    hintergrundFaerben(this, kFensterGrau);
    setFont(QFont(QStringLiteral("Arial")));

    Steuerdatei = new RichTextField(platform(), this, QStringLiteral("Steuerdatei"));
    Steuerdatei->setAcceptRichText(false);
    Steuerdatei->setWordWrap(false);
    Steuerdatei->hide();

    Texteingabefeld = new RichTextField(platform(), this, QStringLiteral("Texteingabefeld"));
    Texteingabefeld->setAcceptRichText(false);
    Texteingabefeld->setContextMenuPolicy(Qt::NoContextMenu);
    Texteingabefeld->setAcceptDrops(false);
    Texteingabefeld->installEventFilter(this);
    Texteingabefeld->viewport()->installEventFilter(this);

    NormalTastatur = new Bildschirmtastatur(this);

    NormalzeilenFeld =
        bereich(this, QStringLiteral("NormalzeilenFeld"), QStringLiteral("  Normalzeile  "));
    Rasterzeilenfeld =
        bereich(this, QStringLiteral("Rasterzeilenfeld"), QStringLiteral("  Rasterzeile  "));
    WortaufbauFeld =
        bereich(this, QStringLiteral("WortaufbauFeld"), QStringLiteral("  Wortaufbau  "));
    const QString returnPfeil = QStringLiteral("\u21B5");
    const QString backPfeil = QStringLiteral("\u2190");
    NormalzeileReturn =
        tafel(NormalzeilenFeld, QStringLiteral("NormalzeileReturn"), returnPfeil, Qt::red);
    RasterzeileReturn =
        tafel(Rasterzeilenfeld, QStringLiteral("RasterzeileReturn"), returnPfeil, Qt::red);
    WortaufbauReturn =
        tafel(WortaufbauFeld, QStringLiteral("WortaufbauReturn"), returnPfeil, Qt::red);
    NormalzeileBack =
        tafel(NormalzeilenFeld, QStringLiteral("NormalzeileBack"), backPfeil, Qt::red);
    RasterzeileBack =
        tafel(Rasterzeilenfeld, QStringLiteral("RasterzeileBack"), backPfeil, Qt::red);
    WortaufbauBack = tafel(WortaufbauFeld, QStringLiteral("WortaufbauBack"), backPfeil, Qt::red);
    for (QWidget* w :
         std::initializer_list<QWidget*>{NormalzeilenFeld, Rasterzeilenfeld, WortaufbauFeld,
                                         NormalzeileReturn, RasterzeileReturn, WortaufbauReturn,
                                         NormalzeileBack, RasterzeileBack, WortaufbauBack}) {
        w->hide();
    }

    uebungsanzeigenAnlegen();

    InfoFeld = bereich(this, QStringLiteral("InfoFeld"), QStringLiteral("  Informationen  "));
    fillGroupBox(InfoFeld, kLimette);
    const QStringList infoNamen{QStringLiteral("Infozeile1"), QStringLiteral("InfoZeile2"),
                                QStringLiteral("InfoZeile3"), QStringLiteral("InfoZeile4"),
                                QStringLiteral("InfoZeile5")};
    std::array<Panel**, 5> infoZeilen{&Infozeile1, &InfoZeile2, &InfoZeile3, &InfoZeile4,
                                      &InfoZeile5};
    for (std::size_t i = 0; i < infoZeilen.size(); ++i) {
        *infoZeilen[i] = tafel(InfoFeld, infoNamen[static_cast<qsizetype>(i)], QString(), kInfoGelb,
                               Panel::Bevel::Flat);
        (*infoZeilen[i])->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    StoppStart = tafel(InfoFeld, QStringLiteral("StoppStart"), QStringLiteral("Stopp"), Qt::red);
    StoppStart->setFontColor(Qt::white);
    StoppStart->hide();
    InfoFeld->hide();

    TasteiZeileButton =
        knopf(this, QStringLiteral("TasteiZeileButton"), QStringLiteral("Tastei - Zeile"),
              QStringLiteral("Wechsel zwischen Tastei- und Zeilendarstellung"));
    TasteiZeileButton->hide();
    AbbrechenButton = knopf(this, QStringLiteral("AbbrechenButton"), QStringLiteral("  Abbrechen"),
                            QStringLiteral("Lerneinheit abbrechen. "));

    Zusatzuebung = tafel(this, QStringLiteral("Zusatzuebung"), QString(), kInfoGelb);
    Zusatzuebung->hide();
    Uhr = tafel(this, QStringLiteral("Uhr"), kUhrNull, kFensterGrau, Panel::Bevel::Lowered);
    Zeilennummern = tafel(this, QStringLiteral("Zeilennummern"), QString(), kFensterGrau,
                          Panel::Bevel::Lowered);
    Zeilennummern->setToolTip(QStringLiteral("Sprung zu einer Zeile"));
    KlickZeile = tafel(this, QStringLiteral("KlickZeile"), QStringLiteral("Klick = Gehe zu Zeile"),
                       kFensterGrau, Panel::Bevel::Flat);
    KlickZeile->setToolTip(QStringLiteral("Sprung zu einer Zeile"));
    Zeilennummern->installEventFilter(this);
    KlickZeile->installEventFilter(this);

    GeheZuZeile = tafel(this, QStringLiteral("GeheZuZeile"), QString(), kInfoGelb);
    auto* beschriftung = new QLabel(QStringLiteral("Gehe zu Zeile: "), GeheZuZeile);
    ZeilNumEingabe = new QLineEdit(GeheZuZeile);
    ZeilNumEingabe->setObjectName(QStringLiteral("ZeilNumEingabe"));
    OkZeile = knopf(GeheZuZeile, QStringLiteral("OkZeile"), QStringLiteral("OK"), QString());
    EscZeile =
        knopf(GeheZuZeile, QStringLiteral("EscZeile"), QStringLiteral("Abbrechen"), QString());
    auto* zeile = new QHBoxLayout(GeheZuZeile);
    zeile->addWidget(beschriftung);
    zeile->addWidget(ZeilNumEingabe);
    zeile->addWidget(OkZeile);
    zeile->addWidget(EscZeile);
    GeheZuZeile->hide();

    connect(OkZeile, &QPushButton::clicked, this, &TFensterTastaturschreiben::OkZeileClick);
    connect(ZeilNumEingabe, &QLineEdit::returnPressed, this,
            &TFensterTastaturschreiben::OkZeileClick);
    connect(EscZeile, &QPushButton::clicked, this, &TFensterTastaturschreiben::EscZeileClick);
    connect(TasteiZeileButton, &QPushButton::clicked, this,
            &TFensterTastaturschreiben::TasteiZeileButtonClick);
    connect(AbbrechenButton, &QPushButton::clicked, this,
            &TFensterTastaturschreiben::AbbrechenButtonClick);
    Timer1 = platform().createSecondTimer(this);
    connect(Timer1.get(), &SecondTimer::timeout, this, &TFensterTastaturschreiben::Timer1Timer);
    Timer1->start();
}

TFensterTastaturschreiben::~TFensterTastaturschreiben() = default;

void TFensterTastaturschreiben::Anschliessen(TFensterTextanzeige& ergebnis,
                                             TFensterInformationen& informationen) {
    ergebnis_ = &ergebnis;
    informationen_ = &informationen;
}

QString TFensterTastaturschreiben::Skriptzeile(int index) const {
    return index >= 0 && index < Skriptzeilenzahl() ? Steuerdatei->line(index) : QString();
}

int TFensterTastaturschreiben::Skriptzeilenzahl() const {
    return Steuerdatei->lineCount();
}

Panel* TFensterTastaturschreiben::Infozeile(int nummer) const {
    switch (nummer) {
    case 1:
        return Infozeile1;
    case 2:
        return InfoZeile2;
    case 3:
        return InfoZeile3;
    case 4:
        return InfoZeile4;
    case 5:
        return InfoZeile5;
    default:
        return nullptr;
    }
}
