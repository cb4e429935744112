#include "ui/startmessung.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

// The floor of the start-up: a Qt program that shows one empty window of the
// given size ("kasparo-leerfenster 1280 960") and nothing else; with "text"
// as third argument the window carries one line of text, so that the fonts
// are loaded as in any window that shows words.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList argumente = QApplication::arguments();
    QWidget fenster;
    fenster.resize(argumente.value(1, QStringLiteral("800")).toInt(),
                   argumente.value(2, QStringLiteral("600")).toInt());
    if (argumente.value(3) == QLatin1String("text")) {
        auto* zeile = new QLabel(QStringLiteral("Tastaturschreiben"), &fenster);
        zeile->move(20, 20);
    }
    Startmessung::erstesBildMelden(&fenster);
    fenster.show();
    return app.exec();
}
