#include "keyboard/Informationen.h"

#include "layout/screenclass.h"
#include "layout/tabellen.h"
#include "ui/anordnen.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QCloseEvent>
#include <QPushButton>

namespace {

QPushButton* knopf(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->hide();
    return button;
}

} // namespace

TFensterInformationen::TFensterInformationen(Umgebung umgebung)
    : Fenster(umgebung, QStringLiteral("FensterInformationen")) {
    setWindowTitle(QStringLiteral("  Kasparo 2003  -  Info"));
    hintergrundFaerben(this, QColor(0xC0, 0xC0, 0xC0));
    Hinweis = new RichTextField(platform(), this, QStringLiteral("Hinweis"));
    Hinweis->setReadOnly(true);
    InfoOk = knopf(this, QStringLiteral("InfoOk"), QStringLiteral("OK"));
    InfoJa = knopf(this, QStringLiteral("InfoJa"), QStringLiteral("&Ja"));
    InfoNein = knopf(this, QStringLiteral("InfoNein"), QStringLiteral("&Nein"));
    InfoEsc = knopf(this, QStringLiteral("InfoEsc"), QStringLiteral("Abbrechen"));
    QPalette blau = Hinweis->palette();
    blau.setColor(QPalette::Text, Qt::blue);
    Hinweis->setPalette(blau);
    connect(InfoOk, &QPushButton::clicked, this, &TFensterInformationen::InfoOkClick);
    connect(InfoJa, &QPushButton::clicked, this, &TFensterInformationen::InfoJaClick);
    connect(InfoNein, &QPushButton::clicked, this, &TFensterInformationen::InfoNeinClick);
    connect(InfoEsc, &QPushButton::clicked, this, &TFensterInformationen::InfoEscClick);
}

bool TFensterInformationen::DokumentZeigen(const QString& datei, QString* fehler) {
    const ProgramState& s = state();
    struct Masse {
        QSize fenster;
        QRect hinweis;
        int hinweisSchrift;
        QRect ok;
        int okSchrift;
    };
    const Masse m =
        perClass<Masse>(s, {{{{800, 600}, {10, 10, 780, 480}, -14, {10, 500, 80, 25}, -13},
                             {{1024, 768}, {60, 30, 904, 600}, -18, {60, 640, 100, 30}, -16},
                             {{1152, 864}, {106, 20, 940, 700}, -26, {106, 730, 120, 33}, -18},
                             {{1280, 960}, {150, 50, 980, 760}, -22, {150, 820, 130, 35}, -20}}});
    Hinweis->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Hinweis->clearText();
    Hinweis->setTextFont(QStringLiteral("Arial"), m.hinweisSchrift);
    if (!Hinweis->loadFile(datei, fehler)) {
        return false;
    }
    Hinweis->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFixedSize(m.fenster);
    mittigStellen();
    Hinweis->setGeometry(m.hinweis);
    InfoOk->setGeometry(m.ok);
    QFont okSchrift = InfoOk->font();
    okSchrift.setPixelSize(pixelSizeForHeight(m.okSchrift));
    InfoOk->setFont(okSchrift);
    InfoOk->show();
    InfoJa->hide();
    InfoNein->hide();
    InfoEsc->hide();
    showMaximized();
    raise();
    activateWindow();
    Hinweis->setCaretPosition(0);
    Hinweis->setFocus();
    return true;
}

TFensterInformationen::Antwort TFensterInformationen::HinweisChange(const QString& text,
                                                                    int warteEinheiten,
                                                                    const QString& knoepfe) {
    const std::array<std::pair<const char*, QPushButton*>, 4> woerter = {
        {{"ESC", InfoEsc}, {"JA", InfoJa}, {"NEIN", InfoNein}, {"OK", InfoOk}}};
    const std::array<Antwort, 4> codes{Antwort::Abbruch, Antwort::Ja, Antwort::Nein, Antwort::Ok};
    for (const auto& [wort, knopf] : woerter) {
        knopf->hide();
    }
    Information();
    for (std::size_t i = 0; i < woerter.size(); ++i) {
        if (text == QLatin1String(woerter[i].first)) {
            hide();
            return codes[i];
        }
    }
    Hinweis->clearText();
    Hinweis->setLines(text.split(QLatin1Char('\r')));
    show();
    raise();
    if (warteEinheiten > 0) {
        platform().pause(warteEinheiten * 800);
    }
    for (const auto& [wort, knopf] : woerter) {
        knopf->setVisible(knoepfe.contains(QLatin1String(wort)));
    }
    return Antwort::Abbruch;
}

void TFensterInformationen::Information() {
    const tabellen::Hinweisfenster& m = tabellen::hinweisfenster(currentScreenClass(state()));
    showNormal();
    setFixedSize(m.fenster);
    mittigStellen();
    Hinweis->setGeometry(m.hinweis);
    Hinweis->setTextFont(QStringLiteral("Arial"), m.hinweisSchrift, Qt::blue);
    const std::array<QPushButton*, 4> knoepfe{InfoOk, InfoJa, InfoNein, InfoEsc};
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        knoepfe[i]->setGeometry(QRect(QPoint(m.knopfLinks[i], m.knopfOben), m.knopf));
        QFont schrift = knoepfe[i]->font();
        schrift.setPixelSize(pixelSizeForHeight(m.knopfSchrift));
        knoepfe[i]->setFont(schrift);
    }
}

void TFensterInformationen::InfoOkClick() {
    hide();
    // Back to the menu unless a module is still at work: the application knows.
    Q_EMIT Geschlossen();
}

void TFensterInformationen::InfoJaClick() {
    HinweisChange(QStringLiteral("JA"), 0, QString());
}

void TFensterInformationen::InfoNeinClick() {
    HinweisChange(QStringLiteral("NEIN"), 0, QString());
}

void TFensterInformationen::InfoEscClick() {
    HinweisChange(QStringLiteral("ESC"), 0, QString());
}

void TFensterInformationen::closeEvent(QCloseEvent* event) {
    event->ignore();
    InfoOkClick();
}
