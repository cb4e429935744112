#include "messreihe.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kNamensbreite = 46;
constexpr int kZahlbreite = 10;
} // namespace

double Messreihe::quantil(double q) const {
    if (dauern_.empty()) {
        return 0;
    }
    std::vector<std::chrono::nanoseconds> sortiert = dauern_;
    std::sort(sortiert.begin(), sortiert.end());
    // The nearest rank: the smallest duration that q of all do not exceed.
    const auto rang = std::size_t(std::ceil(q * double(sortiert.size())));
    const std::size_t index = std::clamp<std::size_t>(rang, 1, sortiert.size()) - 1;
    return std::chrono::duration<double, std::milli>(sortiert[index]).count();
}

QString Messreihe::kopf(const QString& einheit) {
    return QStringLiteral("%1%2%3%4%5")
        .arg(einheit, -kNamensbreite)
        .arg(QStringLiteral("Median"), kZahlbreite)
        .arg(QStringLiteral("99 %"), kZahlbreite)
        .arg(QStringLiteral("Maximum"), kZahlbreite)
        .arg(QStringLiteral("Anzahl"), kZahlbreite);
}

QString Messreihe::zeile() const {
    return QStringLiteral("%1%2%3%4%5")
        .arg(name_, -kNamensbreite)
        .arg(quantil(0.5), kZahlbreite, 'f', 3)
        .arg(quantil(0.99), kZahlbreite, 'f', 3)
        .arg(maximum(), kZahlbreite, 'f', 3)
        .arg(qulonglong(anzahl()), kZahlbreite);
}
