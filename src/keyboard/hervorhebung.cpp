#include "keyboard/hervorhebung.h"

#include <array>

namespace tastei {
namespace {

// Keys named by the character they type without shift.
KeyId taste(char16_t zeichen) {
    return *tasteFuer(QChar(zeichen));
}

std::vector<KeyId> tasten(const char16_t* zeichen) {
    std::vector<KeyId> result;
    for (; *zeichen; ++zeichen) {
        result.push_back(taste(*zeichen));
    }
    return result;
}

struct Zeile {
    const char16_t* zeichen; // the characters of the row, plain and shifted
    char16_t heim;           // 0: no home key
    const char16_t* fuehrung;
    const char16_t* verdecken;
};

// clang-format off
constexpr Zeile kTabelle[] = {
    {u"\t", u'a', u"", u""},
    {u"1!", u'a', u"q", u"qy"},    {u"2\"", u'a', u"q", u"qy"},  {u"3§", u's', u"w", u"wx"},
    {u"4$", u'd', u"e", u"ec"},    {u"5%", u'f', u"r", u"rv"},   {u"6&", u'f', u"t", u"tb"},
    {u"7/", u'j', u"z", u"zn"},    {u"8(", u'j', u"u", u"um"},   {u"9)", u'k', u"i", u"i,"},
    {u"0=", u'l', u"o", u"o."},    {u"ß?", u'ö', u"p", u"p-"},
    {u"+", u'ö', u"#", u"#"},      {u"*", u'ö', u"#", u"#"},     {u"#'", u'ö', u"+", u"+"},
    {u",;", u'k', u"ki", u",i"},   {u".:", u'l', u"lo", u".o"},  {u"-_", u'ö', u"öp", u"-p"},
    {u"aA", u'a', u"qy", u"qy"},   {u"sS", u's', u"wx", u"wx"},  {u"dD", u'd', u"ec", u"ec"},
    {u"fF", u'f', u"rv", u"rv"},   {u"gG", u'f', u"tb", u"tb"},  {u"hH", u'j', u"zn", u"zn"},
    {u"jJ", u'j', u"um", u"um"},   {u"kK", u'k', u"i,", u"i,"},  {u"lL", u'l', u"o.", u"o."},
    {u"öÖ", u'ö', u"p-", u"p-"},   {u"äÄ", u'ö', u"ü", u"ü"},
    {u"qQ", u'a', u"ay", u"qy"},   {u"wW", u's', u"sx", u"wx"},  {u"eE", u'd', u"dc", u"ec"},
    {u"rR", u'f', u"fv", u"rv"},   {u"tT", u'f', u"gb", u"tb"},  {u"zZ", u'j', u"hn", u"zn"},
    {u"uU", u'j', u"jm", u"um"},   {u"iI", u'k', u"k,", u"i,"},  {u"oO", u'l', u"l.", u"o."},
    {u"pP", u'ö', u"ö-", u"p-"},   {u"üÜ", u'ö', u"", u"ü"},
    {u"yY", u'a', u"aq", u"yq"},   {u"xX", u's', u"sw", u"xw"},  {u"cC", u'd', u"de", u"ce"},
    {u"vV", u'f', u"fr", u"vr"},   {u"bB", u'f', u"gt", u"bt"},  {u"nN", u'j', u"hz", u"nz"},
    {u"mM", u'j', u"ju", u"mu"},
    {u"àáèéìíòóùú", u'ö', u"", u""},
    {u"\r", 0, u"", u""},          {u" ", 0, u"", u""},          {u"@", 0, u"", u""},
};
// clang-format on

const Zeile* zeileFuer(QChar zeichen) {
    for (const Zeile& zeile : kTabelle) {
        if (QStringView(zeile.zeichen).contains(zeichen)) {
            return &zeile;
        }
    }
    return nullptr;
}

const QString kRechtsUmschalten = QString::fromUtf8("!\"$%&ABCDEFGQRSTVWXY§");
const QString kLinksUmschalten = QString::fromUtf8("'()*/:;=>?HIJKLMNOPUZ[\\]^_`ÄÖÜ");
const QString kAkzente = QString::fromUtf8("àáèéìíòóùú");

} // namespace

std::optional<KeyId> tasteFuer(QChar zeichen) {
    switch (zeichen.unicode()) {
    case u'\t':
        return KeyId::Key_Tab;
    case u'\r':
        return KeyId::Key_Return;
    case u' ':
        return KeyId::Key_Leer;
    case u'@':
        return KeyId::Key_Back;
    default:
        break;
    }
    for (const KeyDef& def : keyTable()) {
        if (!def.isSpecial() && (def.character == zeichen || def.shiftedCharacter == zeichen ||
                                 (def.isLetter() && def.character == zeichen.toLower()))) {
            return def.id;
        }
    }
    return std::nullopt;
}

bool istZweitbelegung(QChar zeichen) {
    const auto key = tasteFuer(zeichen);
    return key && !keyDef(*key).isLetter() && keyDef(*key).shiftedCharacter == zeichen;
}

Fuehrung fuehrungFuer(QChar zeichen) {
    const Zeile* zeile = zeileFuer(zeichen);
    if (!zeile) {
        return {};
    }
    Fuehrung fuehrung;
    if (zeile->heim != 0) {
        fuehrung.heimtaste = taste(zeile->heim);
    }
    fuehrung.fuehrungstasten = tasten(zeile->fuehrung);
    fuehrung.verdecken = tasten(zeile->verdecken);
    return fuehrung;
}

Umschaltung umschaltungFuer(QChar zeichen) {
    if (kRechtsUmschalten.contains(zeichen)) {
        return Umschaltung::Rechts;
    }
    return kLinksUmschalten.contains(zeichen) ? Umschaltung::Links : Umschaltung::Keine;
}

bool istAkzentbuchstabe(QChar zeichen) {
    return kAkzente.contains(zeichen);
}

QChar grundvokal(QChar zeichen) {
    static const QString kVokale = QStringLiteral("aaeeiioouu");
    const qsizetype at = kAkzente.indexOf(zeichen);
    return at < 0 ? zeichen : kVokale.at(at);
}

bool mitGravis(QChar zeichen) {
    const qsizetype at = kAkzente.indexOf(zeichen);
    return at >= 0 && at % 2 == 0;
}

std::optional<Fingerweg> fingerwegFuer(QChar zeichen) {
    struct Gruppe {
        const char16_t* zeichen;
        char16_t heim;
        int schritte;
        int teiler;
    };
    static constexpr std::array<Gruppe, 10> kZiffern{{
        {u"1!2\"", u'a', 8, 8},
        {u"3§", u's', 8, 8},
        {u"6&", u'f', 8, 8},
        {u"7/", u'j', 8, 8},
        {u"0=", u'l', 8, 8},
        {u"ß?", u'ö', 8, 8},
        {u"4$", u'd', 5, 8},
        {u"5%", u'f', 5, 8},
        {u"8(", u'j', 5, 8},
        {u"9)", u'k', 5, 8},
    }};
    for (const Gruppe& g : kZiffern) {
        if (QStringView(g.zeichen).contains(zeichen)) {
            return Fingerweg{taste(g.heim), g.schritte, g.teiler, 40, 30};
        }
    }
    if (istAkzentbuchstabe(zeichen)) {
        return Fingerweg{KeyId::Key_Oe, 10, 10, 30, 0};
    }
    // Home-row letters, Return, space and the at sign stay where they are.
    const QString ohneWeg = QString::fromUtf8("asdfjklöASDFJKLÖ\r @");
    const Fuehrung fuehrung = fuehrungFuer(zeichen);
    if (ohneWeg.contains(zeichen) || !fuehrung.heimtaste) {
        return std::nullopt;
    }
    return Fingerweg{*fuehrung.heimtaste, 5, 5, 40, 40};
}

namespace {

struct Wegtaste {
    const char16_t* zeichen;
    KeyId heim;
};

// The characters a finger reaches from its home key in the demonstration;
// "{" stands for Tab.
constexpr Wegtaste kWegtasten[] = {
    {u"1!2\"qy{", KeyId::Key_A},  {u"3§wx", KeyId::Key_S},
    {u"4$ce", KeyId::Key_D},      {u"5%6&bgrtv", KeyId::Key_F},
    {u"7/8(hmnuz", KeyId::Key_J}, {u"9),;i", KeyId::Key_K},
    {u"0=.:o", KeyId::Key_L},     {u"#'*+-_?ßp´`äü@", KeyId::Key_Oe},
};

} // namespace

std::optional<KeyId> vorfuehrungHeimtaste(QChar zeichen) {
    for (const Wegtaste& w : kWegtasten) {
        if (QStringView(w.zeichen).contains(zeichen)) {
            return w.heim;
        }
    }
    return std::nullopt;
}

QString fingerwegText(QChar c) {
    static const std::pair<char16_t, const char*> kEigene[] = {
        {u'ü', "zu Ü."},
        {u'ä', "zu Ä."},
        {u',', "zum Komma."},
        {u';', "zum Strichpunkt."},
        {u'.', "zum Punkt."},
        {u':', "zum Doppelpunkt."},
        {u'-', "zum Mittestrich."},
        {u'_', "zum Unterstrich."},
        {u'!', "zum Ausrufezeichen."},
        {u'?', "zum Fragezeichen."},
        {u'@', "zur Korrigiertaste."},
        {u'&', "zu &&."},
        {u'\'', "zum Apostroph."},
        {u'´', "zum Accent aigu."},
        {u'`', "zum Accent grave."},
        {u'{', "zur Tabtaste."},
    };
    const QString anfang = QString::fromUtf8("Der neue Fingerweg führt ");
    for (const auto& [zeichen, text] : kEigene) {
        if (c == QChar(zeichen)) {
            // A panel shows the doubled ampersand as one.
            return anfang +
                   QString::fromUtf8(text).replace(QStringLiteral("&&"), QStringLiteral("&"));
        }
    }
    const QChar gezeigt = c >= u'a' && c <= u'z' ? c.toUpper() : c;
    return anfang + QStringLiteral("zu ") + gezeigt + QLatin1Char('.');
}

QPoint wegschritt(QPoint von, QPoint nach, int teiler) {
    // Integer division in C++ truncates toward zero, as the walk wants.
    return {(nach.x() - von.x()) / teiler, (nach.y() - von.y()) / teiler};
}

} // namespace tastei
