#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Files the tests write and read back byte for byte.

inline QString dateiSchreiben(const QString& pfad, const QByteArray& bytes) {
    QFile datei(pfad);
    EXPECT_TRUE(datei.open(QIODevice::WriteOnly)) << pfad.toStdString();
    datei.write(bytes);
    return pfad;
}

inline QString dateiSchreiben(const QTemporaryDir& verzeichnis, const QString& name,
                              const QByteArray& bytes) {
    return dateiSchreiben(verzeichnis.filePath(name), bytes);
}

inline QByteArray dateiLesen(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}
