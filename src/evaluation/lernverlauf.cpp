#include "evaluation/lernverlauf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace lernverlauf {

namespace {

const QChar kTrenner(QLatin1Char('\t'));
constexpr int kFelder = 6;
// The history is a handful of lines per day; a file beyond this is not one.
constexpr qint64 kGroessteDatei = 64 * 1024 * 1024;

QString einzeilig(QString text) {
    text.replace(kTrenner, QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString zahl(double wert) {
    return QString::number(wert, 'f', 1);
}

std::optional<double> zahlLesen(const QString& text) {
    bool ok = false;
    const double wert = text.toDouble(&ok);
    if (!ok || wert < 0) {
        return std::nullopt;
    }
    return wert;
}

} // namespace

QString zeile(const Ergebnis& e) {
    return QStringList{e.zeitpunkt.toString(Qt::ISODate),
                       einzeilig(e.ausgabe),
                       einzeilig(e.einheit),
                       zahl(e.minuten),
                       zahl(e.anschlaegeJeMinute),
                       zahl(e.fehlerquote)}
        .join(kTrenner);
}

std::optional<Ergebnis> lesen(const QString& zeile) {
    const QStringList felder = zeile.split(kTrenner);
    if (felder.size() != kFelder) {
        return std::nullopt;
    }
    Ergebnis e;
    e.zeitpunkt = QDateTime::fromString(felder[0], Qt::ISODate);
    e.ausgabe = felder[1];
    e.einheit = felder[2];
    const auto minuten = zahlLesen(felder[3]);
    const auto tempo = zahlLesen(felder[4]);
    const auto quote = zahlLesen(felder[5]);
    if (!e.zeitpunkt.isValid() || !minuten || !tempo || !quote) {
        return std::nullopt;
    }
    e.minuten = *minuten;
    e.anschlaegeJeMinute = *tempo;
    e.fehlerquote = *quote;
    return e;
}

QString einheitsname(const QString& fenstertitel) {
    static const QRegularExpression kVorne(QStringLiteral("^(Kasparo( \\d+)? )?(- )?"));
    static const QRegularExpression kHinten(QStringLiteral(" Version \\S+$"));
    QString name = fenstertitel.simplified();
    name.remove(kVorne);
    name.remove(kHinten);
    return name;
}

Verlauf lesenAus(const QString& pfad) {
    Verlauf verlauf;
    QFile datei(pfad);
    if (!datei.exists()) {
        return verlauf;
    }
    if (QFileInfo(pfad).size() > kGroessteDatei) {
        verlauf.fehler = QStringLiteral("Die Datei ist zu groß für einen Lernverlauf.");
        return verlauf;
    }
    if (!datei.open(QIODevice::ReadOnly)) {
        verlauf.fehler = datei.errorString();
        return verlauf;
    }
    const QStringList zeilen = QString::fromUtf8(datei.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        QString text = zeilen[i];
        if (text.endsWith(QLatin1Char('\r'))) {
            text.chop(1);
        }
        if (text.isEmpty() || text.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (const auto ergebnis = lesen(text)) {
            verlauf.ergebnisse.push_back(*ergebnis);
        } else {
            verlauf.beschaedigt.push_back(int(i) + 1);
        }
    }
    return verlauf;
}

bool anhaengen(const QString& pfad, const Ergebnis& ergebnis, QString* fehler) {
    const QFileInfo info(pfad);
    if (!QDir().mkpath(info.absolutePath())) {
        *fehler = QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.")
                      .arg(QDir::toNativeSeparators(info.absolutePath()));
        return false;
    }
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        *fehler = datei.errorString();
        return false;
    }
    // A file whose last line lacks its break gets one first, in the same write.
    QByteArray bytes;
    if (datei.size() > 0) {
        QFile lesen(pfad);
        if (lesen.open(QIODevice::ReadOnly) && lesen.seek(lesen.size() - 1) &&
            lesen.read(1) != "\n") {
            bytes += '\n';
        }
    }
    bytes += zeile(ergebnis).toUtf8() + '\n';
    if (datei.write(bytes) != bytes.size() || !datei.flush()) {
        *fehler = datei.errorString();
        return false;
    }
    return true;
}

QString standardpfad() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("lernverlauf.txt"));
}

} // namespace lernverlauf
