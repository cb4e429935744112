#include "lessons/katalog.h"
#include "lessons/katalogdaten.h"

#include <algorithm>

namespace katalog {
namespace {

// The summary and copy units of the keyboard training. The test is a substring
// test, whatever the group of the name.
constexpr std::array<QStringView, 14> kCKennungen = {
    u"02C", u"03C", u"05C", u"06C", u"08C", u"09C", u"11C",
    u"12C", u"13C", u"14C", u"15C", u"16C", u"17C", u"18C",
};

std::optional<QStringView> cKennung(const QString& datei) {
    const auto it = std::ranges::find_if(
        kCKennungen, [&](QStringView kennung) { return datei.contains(kennung); });
    if (it == kCKennungen.end()) {
        return std::nullopt;
    }
    return *it;
}

const QString kZeitschreibenTitel = QStringLiteral("      10-Minuten-Schreiben");
const QString kSchreibtrainerTitel = QStringLiteral("   Schreibtrainer - Lerneinheit ");
const QString kAllgemeinerTitel = QStringLiteral(" Kasparo - Tastaturschulung");
const QString kLerneinheit = QStringLiteral("Lerneinheit  ");

bool enthaeltEinen(const QString& datei, std::span<const QStringView> gruppen) {
    return std::ranges::any_of(gruppen, [&](QStringView gruppe) { return datei.contains(gruppe); });
}

QString titelOhneZusatz(const QString& datei) {
    if (enthaeltEinen(datei, daten::kGruppenMitFestemTitel)) {
        const auto titel = daten::festeTitel();
        const auto it = std::ranges::find_if(
            titel, [&](const daten::Titel& t) { return t.schluessel == datei; });
        // A name of these groups without a title of its own still gets the
        // program's title rather than a caption of blanks.
        return it == titel.end() ? kAllgemeinerTitel : it->titel.toString();
    }
    for (const daten::Titel& gruppe : daten::gruppentitel()) {
        if (datei.contains(gruppe.schluessel)) {
            return gruppe.titel.toString() + kLerneinheit + einheitsnummer(datei);
        }
    }
    return kAllgemeinerTitel;
}

// A list and the editions that reach it by one way in.
struct Zugang {
    bool (*erreichbar)(const ProgramState&);
    Liste liste;
};

bool schulausgabe(const ProgramState& s) {
    return s.EditionSchool;
}

bool mitSchreibtrainerListen(const ProgramState& s) {
    return s.EditionProgrammed || s.EditionSelfStudy || s.EditionHandImpaired || s.EditionOffice;
}

// The keyboard-writing entry tests these in order; the first that applies decides.
const std::array<Zugang, 4> kTastaturschulung = {{
    {[](const ProgramState& s) { return s.NumpadMode; }, Liste::LerneinheitenZiffernblock},
    {schulausgabe, Liste::LerneinheitenSchul},
    {[](const ProgramState& s) {
         return s.EditionOffice || s.EditionProgrammed || s.EditionSelfStudy || s.EditionCompact;
     },
     Liste::LerneinheitenOfficePuSelbstMini},
    {[](const ProgramState& s) { return s.EditionHandImpaired; },
     Liste::LerneinheitenHandbehinderte},
}};

// The other ways in each lead to one list. The school menu's hand-impaired
// button leaves HandImpairedMode as it is; its other buttons clear it.
struct FesterEinstieg {
    Einstieg einstieg;
    Zugang zugang;
    std::optional<bool> handImpairedMode;
};
const std::array<FesterEinstieg, 5> kFesteEinstiege = {{
    {Einstieg::SundG_Fingerwege,
     {schulausgabe, Liste::LerneinheitenSchreibenUndGestaltenAmPC},
     false},
    {Einstieg::Handbehinderte, {schulausgabe, Liste::LerneinheitenHandbehinderte}, std::nullopt},
    {Einstieg::Neutral, {schulausgabe, Liste::LerneinheitenNeutral}, false},
    {Einstieg::Schreibtrainer,
     {mitSchreibtrainerListen, Liste::LerneinheitenSchreibtrainer},
     std::nullopt},
    {Einstieg::Zeitschreiben,
     {mitSchreibtrainerListen, Liste::LerneinheitenZeitschreibenPU},
     std::nullopt},
}};

} // namespace

Listenrahmen rahmen(Liste liste) {
    const daten::Listendaten& d = daten::listendaten(liste);
    return {d.listBox.toString(), d.groupBox.toString(), d.caption.toString()};
}

QStringList eintragTexte(Liste liste) {
    QStringList texte;
    for (const daten::Eintrag& eintrag : daten::listendaten(liste).eintraege) {
        texte.append(eintrag.text.toString());
    }
    return texte;
}

QString dateiZuEintrag(Liste liste, int index) {
    const auto eintraege = daten::listendaten(liste).eintraege;
    if (index < 0 || static_cast<std::size_t>(index) >= eintraege.size()) {
        return {};
    }
    return eintraege[static_cast<std::size_t>(index)].datei.toString();
}

bool istCEinheit(const QString& datei) {
    return cKennung(datei).has_value();
}

Einheitsart einheitsart(const QString& datei, bool ausZeitschreiben) {
    return ausZeitschreiben || istCEinheit(datei) ? Einheitsart::Schreibtrainer
                                                  : Einheitsart::Tastaturschreiben;
}

QString einheitsnummer(const QString& datei) {
    const QStringView name = QStringView(datei).left(datei.indexOf(u'.'));
    const auto erstesZeichen = std::ranges::find_if_not(
        name, [](QChar c) { return c == u'-' || c == u'_' || (c >= u'A' && c <= u'Z'); });
    return name.sliced(erstesZeichen - name.begin()).toString();
}

QString tastaturschreibenTitel(const QString& datei, const ProgramState& state) {
    return titelOhneZusatz(datei) + editionsZusatz(state);
}

QString schreibtrainerTitel(const QString& datei, bool ausZeitschreiben) {
    if (ausZeitschreiben) {
        return kZeitschreibenTitel;
    }
    // The two digits of the unit are those of its C code, in any group.
    if (const auto kennung = cKennung(datei)) {
        return kSchreibtrainerTitel + kennung->left(2).toString();
    }
    return {};
}

Einstiegsliste einstiegsliste(Einstieg einstieg, const ProgramState& state) {
    if (einstieg == Einstieg::Tastaturschulung) {
        // This entry clears HandImpairedMode unless it offers the hand-impaired list.
        const auto zugang = std::ranges::find_if(
            kTastaturschulung, [&](const Zugang& z) { return z.erreichbar(state); });
        if (zugang == kTastaturschulung.end()) {
            return {std::nullopt, false};
        }
        return {zugang->liste, zugang->liste == Liste::LerneinheitenHandbehinderte};
    }
    const auto fest = std::ranges::find_if(
        kFesteEinstiege, [&](const FesterEinstieg& f) { return f.einstieg == einstieg; });
    if (fest == kFesteEinstiege.end() || !fest->zugang.erreichbar(state)) {
        return {};
    }
    return {fest->zugang.liste, fest->handImpairedMode};
}

} // namespace katalog
