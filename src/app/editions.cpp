#include "app/editions.h"

void setEditionFlags(ProgramState& state, Edition edition) {
    state.EditionSchool = edition == Edition::School || edition == Edition::Teacher;
    state.EditionTeacher = edition == Edition::Teacher;
    state.EditionProgrammed = edition == Edition::Programmed;
    state.EditionSelfStudy = edition == Edition::SelfStudy;
    state.EditionOffice = edition == Edition::Office;
    state.EditionCompact = edition == Edition::Compact;
    state.EditionHandImpaired = edition == Edition::HandImpaired;
    state.HandImpairedMode = false;
}

namespace {

QString caption(const char* edition) {
    return QStringLiteral(" Kasparo 2003          ") + QString::fromUtf8(edition);
}

const QString kZehnMinuten = QStringLiteral("10-&Minuten-Schreiben");
const QString kZeitschreibenHint = QStringLiteral("Modul zum Zeitschreiben");
const QString kEinfacherEditor = QStringLiteral("&Einfacher Texteditor");

} // namespace

StartfensterAnpassung startfensterAnpassung(const ProgramState& state) {
    StartfensterAnpassung a;
    if (state.EditionSchool) {
        if (state.EditionTeacher) {
            a.caption = caption("Lehrer");
            a.texteditorCaption = QStringLiteral("Text&Editor");
            a.infoTexteditorVisible = true;
        } else {
            a.caption = caption("Schule");
            a.schreibtrainerVisible = true;
            a.texteditorCaption = kEinfacherEditor;
        }
        a.texteditorVisible = true;
    } else if (state.EditionProgrammed) {
        a.caption = caption("Programmiert");
        a.schreibtrainerVisible = true;
        a.texteditorCaption = kZehnMinuten;
        a.texteditorHint = kZeitschreibenHint;
        a.texteditorVisible = true;
        a.infoTexteditorVisible = true;
        a.ziffernblockVisible = false;
    } else if (state.EditionSelfStudy || state.EditionOffice) {
        a.caption = caption(state.EditionSelfStudy ? "Selbstlernen" : "Büro");
        a.texteditorCaption = kZehnMinuten;
        a.texteditorVisible = true;
        a.infoTexteditorVisible = true;
        a.ziffernblockVisible = false;
    } else if (state.EditionCompact) {
        a.caption = caption("MiniKasp");
        a.schreibtrainerCaption = QStringLiteral("Eigene &Lernsoftware");
        a.schreibtrainerVisible = true;
        a.texteditorCaption = kEinfacherEditor;
        a.texteditorVisible = true;
        a.infoTexteditorVisible = true;
        a.ziffernblockVisible = false;
    } else if (state.EditionHandImpaired) {
        a.caption = caption("Handicap");
        a.schreibtrainerVisible = true;
        a.texteditorCaption = kZehnMinuten;
        a.texteditorHint = kZeitschreibenHint;
        a.texteditorVisible = true;
        a.infoTexteditorVisible = true;
    }
    return a;
}
