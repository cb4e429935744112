#include "ui/filefilter.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

QStringList qtFilters(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The description often repeats its pattern in parentheses; Qt shows
        // the pattern itself, so it is dropped from the description.
        static const QRegularExpression trailingPattern(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
        QString description = parts[i];
        description.remove(trailingPattern);
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        filters << QStringLiteral("%1 (%2)").arg(description.trimmed(),
                                                 patterns.join(QLatin1Char(' ')));
    }
    return filters;
}

} // namespace

QString qtFileFilter(const QString& pairs) {
    return qtFilters(pairs).join(QStringLiteral(";;"));
}

int fileFilterIndex(const QString& pairs, const QString& qtFilter) {
    const qsizetype index = qtFilters(pairs).indexOf(qtFilter);
    return index < 0 ? 0 : static_cast<int>(index);
}
