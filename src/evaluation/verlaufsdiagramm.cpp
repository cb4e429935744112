#include "evaluation/verlaufsdiagramm.h"

#include "ui/anordnen.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

const QColor kTempoFarbe(0, 0, 160);
const QColor kFehlerFarbe(200, 0, 0);
constexpr double kTempoSchritt = 50;
constexpr double kFehlerSchritt = 5;
constexpr int kRand = 12;
constexpr int kTeilstriche = 5;
constexpr int kPunkt = 3;

} // namespace

Verlaufsdiagramm::Verlaufsdiagramm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Verlaufsdiagramm"));
    hintergrundFaerben(this, Qt::white);
    setMinimumHeight(160);
}

void Verlaufsdiagramm::setErgebnisse(std::vector<lernverlauf::Ergebnis> ergebnisse) {
    ergebnisse_ = std::move(ergebnisse);
    update();
}

double Verlaufsdiagramm::skalenende(double groesster, double schritt) {
    return std::max(schritt, std::ceil(groesster / schritt) * schritt);
}

void Verlaufsdiagramm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    if (ergebnisse_.empty()) {
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Noch keine Ergebnisse"));
        return;
    }
    const QLocale de(QLocale::German);
    double tempoMax = 0;
    double fehlerMax = 0;
    for (const lernverlauf::Ergebnis& e : ergebnisse_) {
        tempoMax = std::max(tempoMax, e.anschlaegeJeMinute);
        fehlerMax = std::max(fehlerMax, e.fehlerquote);
    }
    tempoMax = skalenende(tempoMax, kTempoSchritt);
    fehlerMax = skalenende(fehlerMax, kFehlerSchritt);

    const int zahlBreite = fm.horizontalAdvance(QStringLiteral("0000"));
    const QRect flaeche = rect().adjusted(kRand + zahlBreite, kRand + 2 * fm.height(),
                                          -kRand - zahlBreite, -kRand - fm.height());
    if (flaeche.width() < 2 || flaeche.height() < 2) {
        return;
    }
    // Legend above the area.
    p.setPen(kTempoFarbe);
    p.drawText(flaeche.left(), kRand + fm.ascent(), QString::fromUtf8("Anschläge je Minute"));
    p.setPen(kFehlerFarbe);
    const QString fehlerText = QStringLiteral("Fehlerquote in %");
    p.drawText(flaeche.right() - fm.horizontalAdvance(fehlerText), kRand + fm.ascent(), fehlerText);

    // Frame, grid and both scales.
    p.setPen(Qt::lightGray);
    for (int i = 0; i <= kTeilstriche; ++i) {
        const int y = flaeche.bottom() - i * flaeche.height() / kTeilstriche;
        p.drawLine(flaeche.left(), y, flaeche.right(), y);
        p.setPen(kTempoFarbe);
        p.drawText(QRect(0, y - fm.height() / 2, flaeche.left() - 4, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter,
                   de.toString(tempoMax * i / kTeilstriche, 'f', 0));
        p.setPen(kFehlerFarbe);
        p.drawText(QRect(flaeche.right() + 4, y - fm.height() / 2, zahlBreite, fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   de.toString(fehlerMax * i / kTeilstriche, 'f', 0));
        p.setPen(Qt::lightGray);
    }
    p.setPen(Qt::black);
    p.drawRect(flaeche);

    // Dates of the first and the last result below the area.
    const QString erstes = de.toString(ergebnisse_.front().zeitpunkt.date(), QLocale::ShortFormat);
    const QString letztes = de.toString(ergebnisse_.back().zeitpunkt.date(), QLocale::ShortFormat);
    p.drawText(flaeche.left(), flaeche.bottom() + fm.height(), erstes);
    p.drawText(flaeche.right() - fm.horizontalAdvance(letztes), flaeche.bottom() + fm.height(),
               letztes);

    const auto x = [&](std::size_t i) {
        return ergebnisse_.size() == 1
                   ? flaeche.center().x()
                   : flaeche.left() + double(i) * flaeche.width() / double(ergebnisse_.size() - 1);
    };
    const auto linie = [&](const QColor& farbe, double oben, auto wert) {
        QPainterPath pfad;
        for (std::size_t i = 0; i < ergebnisse_.size(); ++i) {
            const QPointF punkt(x(i),
                                flaeche.bottom() - wert(ergebnisse_[i]) / oben * flaeche.height());
            if (i == 0) {
                pfad.moveTo(punkt);
            } else {
                pfad.lineTo(punkt);
            }
            p.setPen(farbe);
            p.setBrush(farbe);
            p.drawEllipse(punkt, kPunkt, kPunkt);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(farbe, 2));
        p.drawPath(pfad);
    };
    linie(kTempoFarbe, tempoMax,
          [](const lernverlauf::Ergebnis& e) { return e.anschlaegeJeMinute; });
    linie(kFehlerFarbe, fehlerMax, [](const lernverlauf::Ergebnis& e) { return e.fehlerquote; });
}
