#pragma once

#include "lessons/katalog.h"

#include <QStringView>

#include <span>

// The catalogue's texts as plain tables; katalog.cpp answers the lookups.
namespace katalog::daten {

struct Eintrag {
    QStringView text;
    QStringView datei; // empty for a blank item
};

struct Listendaten {
    QStringView listBox;
    QStringView groupBox;
    QStringView caption;
    std::span<const Eintrag> eintraege;
};

struct Titel {
    QStringView schluessel; // a whole file name or a group code such as "KP_FI"
    QStringView titel;
};

const Listendaten& listendaten(Liste liste);

// The drill units whose caption is fixed: every unit of these groups but the C
// units has its own title.
inline constexpr std::array<QStringView, 4> kGruppenMitFestemTitel = {u"KP_ZR", u"KP_ZB", u"KP_FW",
                                                                      u"KP_TS"};
std::span<const Titel> festeTitel();

// The groups whose caption is composed from a group title and the unit number,
// in the order they are tested.
std::span<const Titel> gruppentitel();

} // namespace katalog::daten
