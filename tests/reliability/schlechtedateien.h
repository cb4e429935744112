#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

// The bad input a learner can hand the program as a file: each kind made at
// run time in a private directory, so nothing big lies in the repository.

enum class Schlecht {
    Fehlt,
    Leer,
    Verzeichnis,
    Gesperrt,
    Zufall,
    PngKopf,
    Riesig,
    LangeZeile,
};

inline std::string artName(Schlecht art) {
    switch (art) {
    case Schlecht::Fehlt:
        return "Fehlt";
    case Schlecht::Leer:
        return "Leer";
    case Schlecht::Verzeichnis:
        return "Verzeichnis";
    case Schlecht::Gesperrt:
        return "Gesperrt";
    case Schlecht::Zufall:
        return "Zufall";
    case Schlecht::PngKopf:
        return "PngKopf";
    case Schlecht::Riesig:
        return "Riesig";
    case Schlecht::LangeZeile:
        return "LangeZeile";
    }
    return "?";
}

// In failure messages: the kind's name, not its bytes.
inline void PrintTo(Schlecht art, std::ostream* os) {
    *os << artName(art);
}

// For INSTANTIATE_TEST_SUITE_P: the kind's name as the case's name.
struct ArtName {
    template <typename Info> std::string operator()(const Info& info) const {
        return artName(info.param);
    }
};

inline constexpr qint64 kRiesigBytes = 100LL * 1024 * 1024;
inline constexpr qint64 kLangeZeileBytes = 10LL * 1024 * 1024;

// Ten words of a drill, repeated to one line of `bytes` bytes without a break.
inline QByteArray eineLangeZeile(qint64 bytes) {
    const QByteArray wort("asdf jkl\xf6 ");
    QByteArray zeile;
    zeile.reserve(bytes);
    while (zeile.size() + wort.size() <= bytes) {
        zeile += wort;
    }
    return zeile.trimmed();
}

// The German sentence a file of the kind gets once a reader has opened it
// (missing and empty files are each reader's own matter).
inline QString lesefehler(Schlecht art, const QString& pfad) {
    const QString name =
        QStringLiteral("\"") + QDir::toNativeSeparators(pfad) + QStringLiteral("\"");
    switch (art) {
    case Schlecht::Fehlt:
        return QStringLiteral("Die Datei %1 ist nicht vorhanden.").arg(name);
    case Schlecht::Verzeichnis:
    case Schlecht::Gesperrt:
        return QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(name);
    case Schlecht::Zufall:
    case Schlecht::PngKopf:
        return QStringLiteral("Die Datei %1 ist keine Textdatei.").arg(name);
    case Schlecht::Riesig:
        return QString::fromUtf8("Die Datei %1 ist zu groß (mehr als 16 MB).").arg(name);
    case Schlecht::LangeZeile:
        return QString::fromUtf8("Die Datei %1 enthält eine Zeile mit mehr als einer Million "
                                 "Zeichen.")
            .arg(name);
    case Schlecht::Leer:
        break;
    }
    return {};
}

// The dialogs' own sentence for a name that is no file.
inline QString nichtVorhanden(const QString& pfad) {
    return QStringLiteral("Die Datei ") + QDir::toNativeSeparators(pfad) +
           QStringLiteral("\r ist nicht vorhanden.");
}

class SchlechteDateien {
public:
    // The file of the kind, made on first use; the missing one is a name only.
    QString pfad(Schlecht art) {
        return anlegen(art, QString::fromStdString(artName(art)) + QStringLiteral(".ts"));
    }

    // The file of the kind under `name`.
    QString anlegen(Schlecht art, const QString& name) {
        const QString p = dir_.filePath(name);
        if (QFileInfo::exists(p) || art == Schlecht::Fehlt) {
            return p;
        }
        switch (art) {
        case Schlecht::Fehlt:
            break;
        case Schlecht::Leer:
            schreiben(p, {});
            break;
        case Schlecht::Verzeichnis:
            EXPECT_TRUE(QDir(dir_.path()).mkdir(name));
            break;
        case Schlecht::Gesperrt:
            schreiben(p, "//Volltastei\r\nasdf jkl\xf6\r\n");
            EXPECT_TRUE(QFile::setPermissions(p, QFileDevice::Permissions()));
            break;
        case Schlecht::Zufall: {
            // A fixed seed: the same bytes on every run, NUL bytes among them.
            QRandomGenerator zufall(20261208);
            QByteArray bytes(64 * 1024, '\0');
            for (char& b : bytes) {
                b = static_cast<char>(zufall.bounded(256));
            }
            schreiben(p, bytes);
            break;
        }
        case Schlecht::PngKopf: {
            // The signature and the start of the header chunk of a picture.
            static const char kPng[] =
                "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0";
            schreiben(p, QByteArray(kPng, sizeof(kPng) - 1));
            break;
        }
        case Schlecht::Riesig: {
            // Sparse: the size is there, the disk blocks are not.
            QFile datei(p);
            EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
            EXPECT_TRUE(datei.resize(kRiesigBytes));
            break;
        }
        case Schlecht::LangeZeile:
            schreiben(p, eineLangeZeile(kLangeZeileBytes));
            break;
        }
        return p;
    }

    // Whoever may read a file without read permission (root) reads it anyway.
    bool sperreWirkt() {
        QFile datei(pfad(Schlecht::Gesperrt));
        return !datei.open(QIODevice::ReadOnly);
    }

    // The kinds made for every reader.
    static constexpr std::array kAlle = {
        Schlecht::Fehlt,  Schlecht::Leer,    Schlecht::Verzeichnis, Schlecht::Gesperrt,
        Schlecht::Zufall, Schlecht::PngKopf, Schlecht::Riesig,      Schlecht::LangeZeile};

    QString gut(const QString& name, const QByteArray& bytes) {
        const QString p = dir_.filePath(name);
        schreiben(p, bytes);
        return p;
    }

    QString verzeichnis() const { return dir_.path(); }

    ~SchlechteDateien() {
        // A locked file must go with its directory.
        for (const QString& name : QDir(dir_.path()).entryList(QDir::Files)) {
            QFile::setPermissions(dir_.filePath(name),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }

private:
    static void schreiben(const QString& p, const QByteArray& bytes) {
        QFile datei(p);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly)) << p.toStdString();
        ASSERT_EQ(datei.write(bytes), bytes.size());
    }

    QTemporaryDir dir_;
};
