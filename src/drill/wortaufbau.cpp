#include "drill/wortaufbau.h"

#include "drill/normalzeile.h"

#include <array>

namespace {

const QChar kBlank(QLatin1Char(' '));

struct Gruppe {
    const char* zeichen; // UTF-8
    int index;
};

template <std::size_t N>
std::optional<int> gruppeVon(QChar c, const std::array<Gruppe, N>& gruppen) {
    for (const Gruppe& g : gruppen) {
        if (QString::fromUtf8(g.zeichen).contains(c)) {
            return g.index;
        }
    }
    return std::nullopt;
}

// Little, ring, middle and index finger.
constexpr std::array<Gruppe, 4> kFinger = {{
    {"!\"#'*+-12?APQY_apqy\u00B4\u00C4\u00D6\u00DC\u00DF\u00E4\u00F6\u00FC`", 0},
    {".03:=LOSWXloswx\u00A7", 1},
    {"$),49;CDEIKcdeik", 2},
    {"%&(/5678BFGHJMNRTUVZbfghjmnrtuvz", 3},
}};

constexpr std::array<Gruppe, 6> kFarbfelder = {{
    {"!\"12Qq3Ww\u00A7$4Ee%&56RTrt", 0},
    {"AaSsDdFGfg", 1},
    {"YyXxCcBVbv", 2},
    {"(/78UZuz)9Ii0=Oo+?Pp\u00B4\u00DC\u00DF\u00FC`", 3},
    {"HJhjKkLl#'\u00C4\u00D6\u00E4\u00F6", 4},
    {"MNmn,;.:-_", 5},
}};

} // namespace

QString woerterKuerzen(const QString& zeile) {
    QString ergebnis;
    qsizetype anfang = 0;
    while (anfang < zeile.size()) {
        const qsizetype blank = zeile.indexOf(kBlank, anfang);
        const qsizetype ende = blank < 0 ? zeile.size() : blank + 1;
        const QString wort = zeile.mid(anfang, ende - anfang);
        ergebnis += wort.size() > kWortpanels ? wort.left(kWortpanels - 1) + wort.right(1) : wort;
        anfang = ende;
    }
    return ergebnis;
}

int wortanfang(const QString& zeile, int charPos) {
    const qsizetype vorher = zeile.lastIndexOf(kBlank, std::max(0, charPos - 2));
    return charPos <= 1 || vorher < 0 ? 1 : static_cast<int>(vorher) + 2;
}

QString aktuellesWort(const QString& zeile, int charPos) {
    const int anfang = wortanfang(zeile, charPos) - 1;
    const qsizetype blank = zeile.indexOf(kBlank, anfang);
    QString wort = zeile.mid(anfang, blank < 0 ? -1 : blank - anfang + 1);
    if (wort.startsWith(kKorrekturmarke)) {
        wort.remove(0, 1);
    }
    return wort.left(kWortpanels);
}

int erstesWortpanel(const QString& wort) {
    const int n = static_cast<int>(wort.size());
    if (n >= kWortpanels) {
        return 1;
    }
    const int erstes = 5 - (n - 1) / 2 + (wort.endsWith(kBlank) ? 1 : 0);
    return std::clamp(erstes, 1, kWortpanels - n + 1);
}

std::optional<Fingerfarbe> fingerfarbe(QChar zeichen) {
    static const std::array<Fingerfarbe, 4> kFarben = {{
        {Qt::blue, Qt::white},
        {QColor(0, 255, 0), QColor(0, 0, 128)},
        {Qt::yellow, Qt::black},
        {Qt::white, Qt::black},
    }};
    const auto finger = gruppeVon(zeichen, kFinger);
    return finger ? std::optional(kFarben[static_cast<std::size_t>(*finger)]) : std::nullopt;
}

std::optional<Farbfeld> farbfeld(QChar zeichen) {
    const auto feld = gruppeVon(zeichen, kFarbfelder);
    return feld ? std::optional(static_cast<Farbfeld>(*feld)) : std::nullopt;
}
