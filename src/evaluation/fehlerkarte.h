#pragma once

#include "evaluation/kennzahlen.h"
#include "keyboard/keytable.h"

#include <QWidget>

#include <array>
#include <optional>

// The error map of a drill unit: the keyboard, each key coloured by how
// often it went wrong when it was asked for, from green (never) over yellow
// to red (a quarter of the times or more); keys not asked for stay silver.
namespace fehlerkarte {

// Per key of the keyboard model: wrong keys per key asked for, none when the
// key was not asked for. Capitals and shifted signs count to their key.
std::array<std::optional<double>, tastei::kKeyCount> quoten(const kennzahlen::Kennzahlen& k);

// At this rate and above a key is full red.
inline constexpr double kVoll = 0.25;

// The colour of a rate (0 to 1).
QColor farbe(double quote);

} // namespace fehlerkarte

class Fehlerkarte : public QWidget {
    Q_OBJECT
public:
    explicit Fehlerkarte(QWidget* parent);

    void setKennzahlen(const kennzahlen::Kennzahlen& k);
    const std::array<std::optional<double>, tastei::kKeyCount>& quoten() const { return quoten_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<std::optional<double>, tastei::kKeyCount> quoten_{};
};
