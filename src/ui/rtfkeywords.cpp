#include "ui/rtfkeywords.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace rtfkeywords {
namespace {

// Kept sorted for binary search.
constexpr auto kSkippedDestinations = std::to_array<std::string_view>({
    "aftncn",     "aftnsep",   "aftnsepc",  "annotation", "atnauthor", "atnid",
    "author",     "bkmkend",   "bkmkstart", "buptim",     "category",  "comment",
    "company",    "creatim",   "doccomm",   "docvar",     "fchars",    "fldinst",
    "footer",     "footerf",   "footerl",   "footerr",    "footnote",  "ftncn",
    "ftnsep",     "ftnsepc",   "generator", "header",     "headerf",   "headerl",
    "headerr",    "hlinkbase", "info",      "keywords",   "lchars",    "listoverridetable",
    "listtable",  "listtext",  "manager",   "nonshppict", "objdata",   "object",
    "operator",   "pict",      "pntext",    "pntxta",     "pntxtb",    "printim",
    "private",    "revtbl",    "revtim",    "rxe",        "shp",       "shpinst",
    "stylesheet", "subject",   "tc",        "template",   "title",     "txe",
    "upr",        "xe",
});
static_assert(std::is_sorted(kSkippedDestinations.begin(), kSkippedDestinations.end()));

struct NamedCharacter {
    std::string_view word;
    char16_t character;
};

constexpr auto kCharacters = std::to_array<NamedCharacter>({
    {"bullet", 0x2022},
    {"cell", u'\t'},
    {"emdash", 0x2014},
    {"emspace", 0x2003},
    {"endash", 0x2013},
    {"enspace", 0x2002},
    {"ldblquote", 0x201C},
    {"line", 0x2028},
    {"lquote", 0x2018},
    {"qmspace", 0x2005},
    {"rdblquote", 0x201D},
    {"rquote", 0x2019},
    {"tab", u'\t'},
});

std::string_view view(const QByteArray& word) {
    return {word.constData(), size_t(word.size())};
}

} // namespace

bool isSkippedDestination(const QByteArray& word) {
    return std::binary_search(kSkippedDestinations.begin(), kSkippedDestinations.end(), view(word));
}

bool isUnderline(const QByteArray& word) {
    return word.startsWith("ul") && word != "ulnone" && word != "ulc";
}

QChar characterFor(const QByteArray& word) {
    const auto found =
        std::find_if(kCharacters.begin(), kCharacters.end(),
                     [&](const NamedCharacter& named) { return named.word == view(word); });
    return found == kCharacters.end() ? QChar() : QChar(found->character);
}

} // namespace rtfkeywords
