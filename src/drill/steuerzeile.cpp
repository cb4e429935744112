#include "drill/steuerzeile.h"

namespace {

const QChar kBlank(QLatin1Char(' '));

QString nachDemDoppelpunkt(const QString& line, qsizetype colon) {
    QString rest = line.mid(colon + 1);
    if (rest.startsWith(kBlank)) {
        rest.remove(0, 1);
    }
    return rest;
}

QChar grossAn(const QString& line, qsizetype index) {
    return index < line.size() ? line.at(index).toUpper() : QChar();
}

} // namespace

QString SteuerStringNetto(const QString& line) {
    qsizetype start = 0;
    while (start < line.size() && line.at(start) == kBlank) {
        ++start;
    }
    qsizetype end = line.size();
    while (end > start && line.at(end - 1) == kBlank) {
        --end;
    }
    return line.mid(start, end - start);
}

bool istBefehlszeile(const QString& cleaned) {
    return cleaned.startsWith(QLatin1String("//"));
}

QString ohneBlankNachSlashes(const QString& cleaned) {
    if (!istBefehlszeile(cleaned)) {
        return cleaned;
    }
    QString line = cleaned;
    while (line.size() > 2 && line.at(2) == kBlank) {
        line.remove(2, 1);
    }
    return line;
}

Befehl befehlVon(const QString& cleaned) {
    const QString line = ohneBlankNachSlashes(cleaned);
    if (!istBefehlszeile(line) || line.size() < 4) {
        return Befehl::Unbekannt;
    }
    const QString woerter = line.mid(2, 2).toUpper();
    struct Eintrag {
        const char* buchstaben;
        Befehl befehl;
    };
    static constexpr Eintrag kTabelle[] = {
        {"VO", Befehl::Volltastei},  {"BL", Befehl::Blindtastei},   {"BA", Befehl::Bahntastei},
        {"TE", Befehl::Teiltastei},  {"WO", Befehl::Wortaufbau},    {"RA", Befehl::Rasterzeile},
        {"NO", Befehl::Normalzeile}, {"AB", Befehl::Abschreibtext}, {"ZI", Befehl::Ziffernblock},
        {"WE", Befehl::Weg},         {"IN", Befehl::Info},          {"II", Befehl::Info},
        {"KO", Befehl::Korrektur},   {"EN", Befehl::Ende},          {"GR", Befehl::Grundstellung},
        {"HA", Befehl::Hand},        {"FR", Befehl::Frei},
    };
    for (const Eintrag& eintrag : kTabelle) {
        if (woerter == QLatin1String(eintrag.buchstaben)) {
            return eintrag.befehl;
        }
    }
    return Befehl::Unbekannt;
}

QString teilKeySet(const QString& line, bool handImpairedMode) {
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    QString keys = colon < 0 ? QString() : nachDemDoppelpunkt(line, colon);
    while (keys.endsWith(kBlank)) {
        keys.chop(1);
    }
    if (keys.size() <= 1) {
        return kGrundreihe;
    }
    if (handImpairedMode) {
        return keys;
    }
    for (QChar taste : kGrundreihe) {
        const qsizetype at = keys.indexOf(taste);
        if (at >= 0) {
            keys.remove(at, 1);
        }
    }
    return keys + kGrundreihe;
}

std::optional<QString> wegZeichen(const QString& line) {
    QString weg = line;
    if (!weg.contains(QLatin1Char(':'))) {
        weg.insert(std::min<qsizetype>(5, weg.size()), QLatin1Char(':'));
    }
    const qsizetype colon = weg.indexOf(QLatin1Char(':'));
    if (colon == weg.size() - 1) {
        return std::nullopt;
    }
    return nachDemDoppelpunkt(weg, colon);
}

QString infoText(const QString& line) {
    qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        // Without a colon the text starts after the command word.
        colon = line.indexOf(kBlank);
        if (colon < 0) {
            return QString(kBlank);
        }
    }
    return kBlank + nachDemDoppelpunkt(line, colon);
}

std::optional<Korrekturmodus> korrekturModus(const QString& line) {
    if (line.contains(QLatin1String("ein"))) {
        return Korrekturmodus::Ein;
    }
    if (line.contains(QLatin1String("aus"))) {
        return Korrekturmodus::Aus;
    }
    return std::nullopt;
}

bool istEndeOderWeg(const QString& line) {
    const QString befehl = ohneBlankNachSlashes(line);
    if (!istBefehlszeile(befehl)) {
        return false;
    }
    const QChar erster = grossAn(befehl, 2);
    const QChar zweiter = grossAn(befehl, 3);
    return (erster == QLatin1Char('E') || erster == QLatin1Char('W')) &&
           (zweiter == QLatin1Char('E') || zweiter == QLatin1Char('N'));
}

bool istInfozeile(const QString& line) {
    const QString befehl = ohneBlankNachSlashes(line);
    return befehl.size() >= 4 && istBefehlszeile(befehl) && grossAn(befehl, 2) == QLatin1Char('I');
}

bool kuendigtZusatzuebungAn(const QString& line) {
    return line.contains(kZusatzuebungMarke);
}

bool zaehltAlsUebungszeile(const QString& line) {
    return line.size() > 2 && line.at(0) != QLatin1Char('/') && line.at(1) != QLatin1Char('/');
}

int zaehleUebungszeilen(const QStringList& lines, int from) {
    int count = 0;
    for (qsizetype i = std::max(0, from); i < lines.size(); ++i) {
        if (zaehltAlsUebungszeile(lines.at(i))) {
            ++count;
        }
    }
    return count;
}

std::optional<Sprungziel> sprungziel(const QStringList& lines, int n) {
    Sprungziel ziel;
    if (n == 0 && !lines.isEmpty() && lines.first().startsWith(QLatin1Char('/'))) {
        // From the start: the set-up step replays the script's own settings.
        return ziel;
    }
    int gezaehlt = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& zeile = lines.at(i);
        if (zeile.startsWith(QLatin1Char('/'))) {
            if (zeile.size() > 5 &&
                (zeile.contains(QLatin1String("kor")) || zeile.contains(QLatin1String("Kor")))) {
                ziel.korrektur = korrekturModus(zeile).value_or(ziel.korrektur);
            }
            continue;
        }
        if (zeile.isEmpty() || ++gezaehlt != n) {
            continue;
        }
        ziel.zeile = i;
        ziel.uebungszeile = true;
        ziel.blockanfang = i;
        while (ziel.blockanfang > 0 && !lines.at(ziel.blockanfang).startsWith(QLatin1Char('/'))) {
            --ziel.blockanfang;
        }
        return ziel;
    }
    return std::nullopt;
}
