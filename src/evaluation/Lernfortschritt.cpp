#include "evaluation/Lernfortschritt.h"

#include "evaluation/verlaufsdiagramm.h"
#include "layout/screenclass.h"
#include "ui/platform.h"
#include "ui/programstate.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace {

const QStringList kSpalten{QStringLiteral("Datum"),
                           QStringLiteral("Ausgabe"),
                           QStringLiteral("Einheit oder Text"),
                           QStringLiteral("Minuten"),
                           QString::fromUtf8("Anschläge je Minute"),
                           QStringLiteral("Fehlerquote in %")};

QString dezimal(double wert) {
    return QLocale(QLocale::German).toString(wert, 'f', 1);
}

QTableWidgetItem* zelle(const QString& text, bool zahl) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(zahl ? Qt::AlignRight | Qt::AlignVCenter
                                : Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

} // namespace

TFensterLernfortschritt::TFensterLernfortschritt(Umgebung umgebung)
    : Fenster(umgebung, QStringLiteral("FensterLernfortschritt")) {
    setWindowTitle(QStringLiteral("Lernfortschritt"));
    Auswahl = new QComboBox(this);
    Auswahl->setObjectName(QStringLiteral("Auswahl"));
    Auswahl->setAccessibleName(QStringLiteral("Einheit oder Text"));
    Diagramm = new Verlaufsdiagramm(this);
    Tabelle = new QTableWidget(0, int(kSpalten.size()), this);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->setHorizontalHeaderLabels(kSpalten);
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle->verticalHeader()->hide();
    Tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Tabelle->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    Zusammenfassung = new QLabel(this);
    Zusammenfassung->setObjectName(QStringLiteral("Zusammenfassung"));
    Zurueck = new QPushButton(QString::fromUtf8("&Zurück"), this);
    Zurueck->setObjectName(QStringLiteral("Zurueck"));

    auto* oben = new QHBoxLayout;
    oben->addWidget(new QLabel(QStringLiteral("Zeigen:"), this));
    oben->addWidget(Auswahl, 1);
    auto* unten = new QHBoxLayout;
    unten->addWidget(Zusammenfassung, 1);
    unten->addWidget(Zurueck);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addWidget(Diagramm, 3);
    spalte->addWidget(Tabelle, 2);
    spalte->addLayout(unten);

    connect(Auswahl, &QComboBox::currentIndexChanged, this,
            &TFensterLernfortschritt::auswahlZeigen);
    connect(Zurueck, &QPushButton::clicked, this, &TFensterLernfortschritt::ZurueckClick);
}

void TFensterLernfortschritt::Anordnen() {
    resize(fenstergroesse(state()));
}

void TFensterLernfortschritt::Zeigen() {
    const lernverlauf::Verlauf verlauf = lernverlauf::lesenAus(state().LernverlaufDatei);
    ergebnisse_ = verlauf.ergebnisse;
    const QString datei = QDir::toNativeSeparators(state().LernverlaufDatei);
    if (!verlauf.fehler.isEmpty()) {
        platform().message(MessageKind::Warning,
                           QStringLiteral("Der Lernverlauf \"%1\" kann nicht gelesen werden.\r%2")
                               .arg(datei, verlauf.fehler));
    } else if (!verlauf.beschaedigt.empty()) {
        QStringList zeilen;
        for (const int zeile : verlauf.beschaedigt) {
            zeilen << QString::number(zeile);
        }
        platform().message(
            MessageKind::Warning,
            QString::fromUtf8("Im Lernverlauf \"%1\" sind Zeilen beschädigt (Zeile %2). Sie "
                              "werden übergangen und bleiben in der Datei, wie sie sind.")
                .arg(datei, zeilen.join(QStringLiteral(", "))));
    }
    std::set<QString> einheiten;
    for (const lernverlauf::Ergebnis& e : ergebnisse_) {
        einheiten.insert(e.einheit);
    }
    const QSignalBlocker sperre(Auswahl);
    Auswahl->clear();
    Auswahl->addItem(kAlle);
    for (const QString& einheit : einheiten) {
        Auswahl->addItem(einheit);
    }
    auswahlZeigen();
    show();
    raise();
    activateWindow();
}

void TFensterLernfortschritt::auswahlZeigen() {
    const QString gewaehlt = Auswahl->currentText();
    std::vector<lernverlauf::Ergebnis> gezeigt;
    for (const lernverlauf::Ergebnis& e : ergebnisse_) {
        if (gewaehlt == kAlle || e.einheit == gewaehlt) {
            gezeigt.push_back(e);
        }
    }
    const QLocale de(QLocale::German);
    Tabelle->setRowCount(int(gezeigt.size()));
    double tempo = 0;
    double quote = 0;
    for (std::size_t i = 0; i < gezeigt.size(); ++i) {
        const lernverlauf::Ergebnis& e = gezeigt[i];
        const int zeile = int(i);
        Tabelle->setItem(zeile, 0, zelle(de.toString(e.zeitpunkt, QLocale::ShortFormat), false));
        Tabelle->setItem(zeile, 1, zelle(e.ausgabe, false));
        Tabelle->setItem(zeile, 2, zelle(e.einheit, false));
        Tabelle->setItem(zeile, 3, zelle(dezimal(e.minuten), true));
        Tabelle->setItem(zeile, 4, zelle(dezimal(e.anschlaegeJeMinute), true));
        Tabelle->setItem(zeile, 5, zelle(dezimal(e.fehlerquote), true));
        tempo += e.anschlaegeJeMinute;
        quote += e.fehlerquote;
    }
    Tabelle->scrollToBottom();
    Zusammenfassung->setText(
        gezeigt.empty()
            ? QStringLiteral("Noch keine Ergebnisse")
            : QString::fromUtf8("%1 Ergebnisse, im Mittel %2 Anschläge je Minute und %3 % Fehler")
                  .arg(gezeigt.size())
                  .arg(dezimal(tempo / double(gezeigt.size())),
                       dezimal(quote / double(gezeigt.size()))));
    Diagramm->setErgebnisse(std::move(gezeigt));
}

void TFensterLernfortschritt::ZurueckClick() {
    zumHauptmenue();
}

void TFensterLernfortschritt::closeEvent(QCloseEvent* event) {
    event->ignore();
    ZurueckClick();
}
