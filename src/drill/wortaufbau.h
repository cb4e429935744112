#pragma once

#include <QColor>
#include <QString>

#include <optional>

// Word building shows the current word of the drill line, centred in ten
// panels, with the next character in its finger colour and a colour panel
// for hand and keyboard row.

inline constexpr int kWortpanels = 10;

// Every word (with the blank after it) longer than ten characters keeps its
// first nine characters and its last one.
QString woerterKuerzen(const QString& zeile);

// The word at the 1-based position: from the start of the word to the blank
// after it, at most ten characters, without a correction mark at its head.
QString aktuellesWort(const QString& zeile, int charPos);
// 1-based position in the line where the word at charPos begins.
int wortanfang(const QString& zeile, int charPos);

// The first of the ten panels a word occupies (1-based).
int erstesWortpanel(const QString& wort);

struct Fingerfarbe {
    QColor farbe;
    QColor schrift;
};
std::optional<Fingerfarbe> fingerfarbe(QChar zeichen);

enum class Farbfeld { ObenLinks, MitteLinks, UntenLinks, ObenRechts, MitteRechts, UntenRechts };
std::optional<Farbfeld> farbfeld(QChar zeichen);
