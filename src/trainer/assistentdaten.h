#pragma once

#include <QString>
#include <QStringList>

// The catalogue texts the settings assistant offers: the texts of the
// fluent-text training and the units of the fluency training.
namespace assistent {

inline constexpr int kTexte = 30;
inline constexpr int kGelaeufigkeitseinheiten = 18;

// " Text 01  Linkshändigkeit" ... " Text 30  Chinesische Mauer".
QStringList texteintraege();
// " Geläufigkeitstraining  01" ... "  18", then two blank items.
QStringList gelaeufigkeitseintraege();

// The file of a list row; empty for a row without a file (none, a blank).
QString textdatei(int zeile);
QString gelaeufigkeitsdatei(int zeile);

} // namespace assistent
