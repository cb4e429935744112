#pragma once

#include <QString>

#include <chrono>
#include <vector>

// The durations of one case and their median, 99th percentile and maximum.
class Messreihe {
public:
    explicit Messreihe(QString name) : name_(std::move(name)) {}

    void hinzu(std::chrono::nanoseconds dauer) { dauern_.push_back(dauer); }
    std::size_t anzahl() const { return dauern_.size(); }

    // Milliseconds; the quantile q (0 to 1) of the sorted durations.
    double quantil(double q) const;
    double maximum() const { return quantil(1.0); }

    // One line of the table: name, median, 99 %, maximum, count.
    QString zeile() const;
    static QString kopf(const QString& einheit);

private:
    QString name_;
    std::vector<std::chrono::nanoseconds> dauern_;
};

// Measures what the callable does, start to end, on the steady clock.
template <typename F> std::chrono::nanoseconds messen(F&& f) {
    const auto anfang = std::chrono::steady_clock::now();
    f();
    return std::chrono::steady_clock::now() - anfang;
}
