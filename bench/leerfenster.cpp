#include "ui/startmessung.h"

#include <QApplication>
#include <QWidget>

// The floor of the start-up: a Qt program that shows one empty window of the
// given size ("kasparo-leerfenster 1280 960") and nothing else.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList argumente = QApplication::arguments();
    QWidget fenster;
    fenster.resize(argumente.value(1, QStringLiteral("800")).toInt(),
                   argumente.value(2, QStringLiteral("600")).toInt());
    Startmessung::erstesBildMelden(&fenster);
    fenster.show();
    return app.exec();
}
