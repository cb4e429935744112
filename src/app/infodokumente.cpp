#include "app/infodokumente.h"

#include <array>

namespace {

// Columns: school (or teacher), compact, self-study/programmed/office, hand-impaired.
struct Zeile {
    std::array<const char*, 4> dokumente;
};

constexpr std::array<Zeile, 3> kDokumente = {{
    {{"InTastaturSchul.RTF", "InTastatur.RTF", "InTastatur.RTF", "InHandTast.RTF"}},
    {{"InTrainerSchul.RTF", "InEigene.RTF", "InGelSchreib.RTF", "InGelSchreib.RTF"}},
    {{"InEditSchul.RTF", "InEditSchul.RTF", "InZeitSchreib.RTF", "InZeitSchreib.RTF"}},
}};

int spalte(const ProgramState& s) {
    if (s.EditionSchool || s.EditionTeacher) {
        return 0;
    }
    if (s.EditionCompact) {
        return 1;
    }
    if (s.EditionSelfStudy || s.EditionProgrammed || s.EditionOffice) {
        return 2;
    }
    return s.EditionHandImpaired ? 3 : -1;
}

} // namespace

QString infoDokument(InfoKnopf knopf, const ProgramState& state) {
    if (knopf == InfoKnopf::Ziffernblock) {
        return QStringLiteral("InZiffernblock.RTF");
    }
    const int s = spalte(state);
    if (s < 0) {
        return {};
    }
    if (knopf == InfoKnopf::Texteditor && s == 0 && state.EditionTeacher) {
        return QStringLiteral("InEditLehrer.RTF");
    }
    return QString::fromLatin1(
        kDokumente[static_cast<std::size_t>(knopf)].dokumente[std::size_t(s)]);
}
