#include "drill/Tastaturschreiben.h"

#include "drill/wortaufbau.h"
#include "ui/panel.h"
#include "ui/programstate.h"

#include <QGroupBox>

// The displays of the three line exercises: the 36 cells of the normal line,
// the 13 cells of the grid line around its centre, the ten word panels with
// the six colour panels of word building.

namespace {

Panel* zelle(QWidget* parent, const QString& name) {
    auto* panel = new Panel(parent, name);
    panel->setColor(Qt::white);
    panel->setBevel(Panel::Bevel::Flat);
    return panel;
}

QString zweistellig(int i) {
    return QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
}

QString strichAlsGedankenstrich(QChar c) {
    return c == QLatin1Char('-') ? QStringLiteral("–") : QString(c);
}

} // namespace

void TFensterTastaturschreiben::uebungsanzeigenAnlegen() {
    for (std::size_t i = 0; i < Normal.size(); ++i) {
        Normal[i] = zelle(NormalzeilenFeld, QStringLiteral("Normal") + zweistellig(int(i) + 1));
    }
    Zentrum = new QGroupBox(QStringLiteral("   Rasterfeld   "), Rasterzeilenfeld);
    Zentrum->setObjectName(QStringLiteral("Zentrum"));
    for (std::size_t i = 0; i < Raster.size(); ++i) {
        QWidget* parent = i == 6 ? static_cast<QWidget*>(Zentrum) : Rasterzeilenfeld;
        Raster[i] = zelle(parent, QStringLiteral("Raster") + zweistellig(int(i) + 1));
    }
    Raster7L = zelle(Rasterzeilenfeld, QStringLiteral("Raster7L"));
    Raster7R = zelle(Rasterzeilenfeld, QStringLiteral("Raster7R"));
    Leerzeichen = zelle(Zentrum, QStringLiteral("Leerzeichen"));
    Leerzeichen->setCaption(QStringLiteral("Leer"));
    Leerzeichen->setColor(Qt::red);
    Leerzeichen->setFontColor(Qt::white);
    Leerzeichen->hide();
    RasterzeileReturn->setParent(Zentrum);

    for (std::size_t i = 0; i < Wort.size(); ++i) {
        Wort[i] = zelle(WortaufbauFeld, QStringLiteral("Wort%1").arg(i + 1));
    }
    const std::array<std::pair<Panel**, const char*>, 6> farben = {{
        {&FarbeObenLinks, "FarbeObenLinks"},
        {&FarbeMitteLinks, "FarbeMitteLinks"},
        {&FarbeUntenLinks, "FarbeUntenLinks"},
        {&FarbeObenRechts, "FarbeObenRechts"},
        {&FarbeMitteRechts, "FarbeMitteRechts"},
        {&FarbeUntenRechts, "FarbeUntenRechts"},
    }};
    const QStringList beschriftung{QStringLiteral("links oben"),   QStringLiteral("links Mitte"),
                                   QStringLiteral("links unten"),  QStringLiteral("rechts oben"),
                                   QStringLiteral("rechts Mitte"), QStringLiteral("rechts unten")};
    for (std::size_t i = 0; i < farben.size(); ++i) {
        *farben[i].first = zelle(WortaufbauFeld, QString::fromLatin1(farben[i].second));
        (*farben[i].first)->setCaption(beschriftung[qsizetype(i)]);
        (*farben[i].first)->setBevel(Panel::Bevel::Raised);
        (*farben[i].first)->hide();
    }
}

void TFensterTastaturschreiben::normalzeileZeichnen() {
    const QString sichtbar = normalFenster_.sichtbar();
    for (int i = 0; i < kNormalzellen; ++i) {
        const bool aktuell = i + 1 == normalFenster_.aktuell;
        Panel* cell = Normal[std::size_t(i)];
        cell->setCaption(normalzellenText(sichtbar.at(i), aktuell));
        cell->setColor(aktuell ? Qt::red : Qt::white);
        cell->setFontColor(aktuell ? Qt::white : Qt::black);
        cell->setStateDescription(aktuell ? QStringLiteral("markiert") : QString());
    }
    // Where Return is due, its panel stands under the current cell.
    if (einheit_.ExpectedChar == QLatin1Char('\r')) {
        const Panel* cell = Normal[std::size_t(normalFenster_.aktuell - 1)];
        NormalzeileReturn->move(cell->x(), NormalzeileReturn->y());
        NormalzeileReturn->show();
    }
}

void TFensterTastaturschreiben::rasterzeileZeichnen() {
    for (std::size_t i = 0; i < Raster.size(); ++i) {
        const QChar c =
            i < std::size_t(rasterText_.size()) ? rasterText_.at(qsizetype(i)) : QLatin1Char(' ');
        Raster[i]->setCaption(
            c == QLatin1Char('\r') || c == QChar(12) ? QString() : strichAlsGedankenstrich(c));
    }
    const QChar mitte = rasterText_.size() > 6 ? rasterText_.at(6) : QLatin1Char(' ');
    const bool zeilenende = mitte == QLatin1Char('\r') || mitte == QChar(12);
    Leerzeichen->setVisible(mitte == QLatin1Char(' '));
    RasterzeileReturn->setVisible(zeilenende);
    Raster[6]->setVisible(!zeilenende && mitte != QLatin1Char(' '));
}

void TFensterTastaturschreiben::wortaufbauZeichnen() {
    const QString wort = aktuellesWort(einheit_.ScriptLine, einheit_.CharPos);
    const int erstes = erstesWortpanel(wort);
    // The next character's place within the word on display.
    const int naechstes =
        einheit_.CharPos - wortanfang(einheit_.ScriptLine, einheit_.CharPos) -
        (einheit_.ScriptLine.mid(wortanfang(einheit_.ScriptLine, einheit_.CharPos) - 1, 1) ==
                 QString(kKorrekturmarke)
             ? 1
             : 0);
    for (int i = 0; i < kWortpanels; ++i) {
        Panel* panel = Wort[std::size_t(i)];
        const int imWort = i + 1 - erstes;
        const QChar c = imWort >= 0 && imWort < wort.size() ? wort.at(imWort) : QChar();
        panel->setFont(QStringLiteral("Times NewRoman"), -40);
        panel->setBevel(Panel::Bevel::Flat);
        panel->setColor(Qt::white);
        panel->setFontColor(Qt::black);
        panel->setCaption(c.isNull() ? QString() : strichAlsGedankenstrich(c));
        panel->setStateDescription(QString());
        if (imWort != naechstes || c.isNull()) {
            continue;
        }
        panel->setBevel(Panel::Bevel::Raised);
        panel->setStateDescription(QStringLiteral("markiert"));
        if (c == QLatin1Char(' ')) {
            panel->setColor(Qt::red);
            panel->setFontColor(Qt::white);
            panel->setFont(QStringLiteral("Arial"), -14);
            panel->setCaption(QStringLiteral("leer"));
        } else if (const auto farbe = fingerfarbe(c)) {
            panel->setColor(farbe->farbe);
            panel->setFontColor(farbe->schrift);
        }
    }
    const std::array<Panel*, 6> felder{FarbeObenLinks,  FarbeMitteLinks,  FarbeUntenLinks,
                                       FarbeObenRechts, FarbeMitteRechts, FarbeUntenRechts};
    const auto feld = farbfeld(einheit_.ExpectedChar);
    const auto farbe = fingerfarbe(einheit_.ExpectedChar);
    for (std::size_t i = 0; i < felder.size(); ++i) {
        const bool an = feld && farbe && static_cast<std::size_t>(*feld) == i;
        felder[i]->setVisible(an);
        if (an) {
            felder[i]->setColor(farbe->farbe);
            felder[i]->setFontColor(farbe->schrift);
        }
    }
}
