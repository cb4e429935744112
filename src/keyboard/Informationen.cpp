#include "keyboard/Informationen.h"

#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "app/programstate.h"
#include "layout/screenclass.h"
#include "ui/panel.h"
#include "ui/richtextfield.h"

#include <QPushButton>

namespace {

QPushButton* knopf(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->hide();
    return button;
}

} // namespace

TFensterInformationen::TFensterInformationen(Anwendung& anwendung)
    : Fenster(anwendung, QStringLiteral("FensterInformationen")) {
    setWindowTitle(QStringLiteral(" Kasparo - Information"));
    Hinweis = new RichTextField(platform(), this, QStringLiteral("Hinweis"));
    Hinweis->setReadOnly(true);
    InfoOk = knopf(this, QStringLiteral("InfoOk"), QStringLiteral("OK"));
    InfoJa = knopf(this, QStringLiteral("InfoJa"), QStringLiteral("&Ja"));
    InfoNein = knopf(this, QStringLiteral("InfoNein"), QStringLiteral("&Nein"));
    InfoEsc = knopf(this, QStringLiteral("InfoEsc"), QStringLiteral("Abbrechen"));
    connect(InfoOk, &QPushButton::clicked, this, &TFensterInformationen::InfoOkClick);
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
    resize(m.fenster);
    move(0, 0);
    Hinweis->setGeometry(m.hinweis);
    InfoOk->setGeometry(m.ok);
    QFont okSchrift = InfoOk->font();
    okSchrift.setPixelSize(pixelSizeForHeight(m.okSchrift));
    InfoOk->setFont(okSchrift);
    InfoOk->show();
    InfoJa->hide();
    InfoNein->hide();
    InfoEsc->hide();
    anwendung().FensterStart().hide();
    showMaximized();
    raise();
    activateWindow();
    Hinweis->setCaretPosition(0);
    Hinweis->setFocus();
    return true;
}

void TFensterInformationen::InfoOkClick() {
    hide();
    anwendung().FensterStart().show();
}
