#include "evaluation/fehlerkarte.h"

#include "keyboard/hervorhebung.h"
#include "keyboard/keygeometry.h"
#include "ui/anordnen.h"

#include <QPainter>

namespace fehlerkarte {

namespace {

constexpr int kKleinsteSchrift = 9;

const QColor kGruen(80, 200, 80);
const QColor kGelb(250, 220, 0);
const QColor kRot(220, 0, 0);

QColor mischen(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

} // namespace

std::array<std::optional<double>, tastei::kKeyCount> quoten(const kennzahlen::Kennzahlen& k) {
    std::array<int, tastei::kKeyCount> verlangt{};
    std::array<int, tastei::kKeyCount> falsch{};
    for (const auto& [zeichen, anzahl] : k.verlangtJeTaste) {
        if (const auto taste = tastei::tasteFuer(QChar(zeichen))) {
            verlangt[tastei::indexOf(*taste)] += anzahl;
        }
    }
    for (const auto& [zeichen, anzahl] : k.falschJeTaste) {
        if (const auto taste = tastei::tasteFuer(QChar(zeichen))) {
            falsch[tastei::indexOf(*taste)] += anzahl;
        }
    }
    std::array<std::optional<double>, tastei::kKeyCount> ergebnis{};
    for (std::size_t i = 0; i < tastei::kKeyCount; ++i) {
        if (verlangt[i] > 0) {
            ergebnis[i] = double(falsch[i]) / verlangt[i];
        }
    }
    return ergebnis;
}

QColor farbe(double quote) {
    const double t = std::clamp(quote / kVoll, 0.0, 1.0);
    return t < 0.5 ? mischen(kGruen, kGelb, 2 * t) : mischen(kGelb, kRot, 2 * t - 1);
}

} // namespace fehlerkarte

Fehlerkarte::Fehlerkarte(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Fehlerkarte"));
    hintergrundFaerben(this, Qt::white);
}

void Fehlerkarte::setKennzahlen(const kennzahlen::Kennzahlen& k) {
    quoten_ = fehlerkarte::quoten(k);
    update();
}

void Fehlerkarte::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    const int rand = fm.height();
    const int legende = 3 * fm.height();
    // The keyboard model's key places, scaled into the area above the legend.
    const tastei::KeyboardLayout lage =
        tastei::NormalTastei(ScreenClass::C1280, tastei::RowStarts::Staggered);
    QRect umriss;
    for (const QRect& r : lage.keys) {
        umriss = umriss.united(r);
    }
    const QRectF flaeche = QRectF(rect()).adjusted(rand, rand, -rand, -rand - legende);
    if (umriss.isEmpty() || flaeche.width() <= 0 || flaeche.height() <= 0) {
        return;
    }
    const double mass =
        std::min(flaeche.width() / umriss.width(), flaeche.height() / umriss.height());
    const QPointF ursprung(flaeche.left() + (flaeche.width() - umriss.width() * mass) / 2,
                           flaeche.top());
    // Labels a third of a key's height, as on the drill's keyboard.
    QFont schrift = font();
    schrift.setBold(true);
    schrift.setPixelSize(std::max(fehlerkarte::kKleinsteSchrift,
                                  int(lage[tastei::KeyId::Key_A].height() * mass / 3)));
    for (const tastei::KeyDef& def : tastei::keyTable()) {
        const QRect& r = lage[def.id];
        const QRectF taste(ursprung.x() + (r.left() - umriss.left()) * mass,
                           ursprung.y() + (r.top() - umriss.top()) * mass, r.width() * mass,
                           r.height() * mass);
        const std::optional<double>& quote = quoten_[tastei::indexOf(def.id)];
        p.setPen(Qt::darkGray);
        p.setBrush(quote ? fehlerkarte::farbe(*quote) : QColor(Qt::lightGray));
        p.drawRoundedRect(taste.adjusted(1, 1, -1, -1), 3, 3);
        p.setPen(Qt::black);
        p.setFont(schrift);
        p.drawText(taste, Qt::AlignCenter, def.label.toString());
    }
    // The legend: from no errors to many, and keys not asked for.
    p.setFont(font());
    const int y = height() - rand - legende + fm.height();
    const int breite = width() / 3;
    const QRect balken(rand + fm.horizontalAdvance(QStringLiteral("keine Fehler ")), y, breite,
                       fm.height());
    QLinearGradient verlauf(balken.topLeft(), balken.topRight());
    verlauf.setColorAt(0, fehlerkarte::farbe(0));
    verlauf.setColorAt(0.5, fehlerkarte::farbe(fehlerkarte::kVoll / 2));
    verlauf.setColorAt(1, fehlerkarte::farbe(fehlerkarte::kVoll));
    p.setPen(Qt::darkGray);
    p.setBrush(verlauf);
    p.drawRect(balken);
    p.setPen(Qt::black);
    p.drawText(QRect(rand, y, balken.left() - rand, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("keine Fehler"));
    p.drawText(balken.right() + fm.averageCharWidth(), y + fm.ascent(),
               QString::fromUtf8("viele Fehler (ab jedem vierten Anschlag)"));
    const QRect grau(rand, y + 2 * fm.height() - fm.height() / 2, fm.height(), fm.height());
    p.setBrush(QColor(Qt::lightGray));
    p.setPen(Qt::darkGray);
    p.drawRect(grau);
    p.setPen(Qt::black);
    p.drawText(grau.right() + fm.averageCharWidth(), grau.top() + fm.ascent(),
               QString::fromUtf8("nicht geübt"));
}
