#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

// The font and colour tables of an RTF file, filled while they are read and
// looked up by index afterwards.
class RtfTables {
public:
    // Font table: \fN starts an entry, its text is the name up to ';'.
    void startFont(int index);
    void addFontText(const QString& text);
    void finishFont();
    // Empty when the index names no font.
    QString family(int index) const { return fonts_.value(index); }

    // Colour table: \redN \greenN \blueN, each entry ended by ';'. An entry
    // without components is the automatic colour.
    void setColorComponent(const QByteArray& word, int value);
    void addColorText(const QString& text);
    // Invalid for the automatic colour and unknown indices.
    QColor color(int index) const;

private:
    QHash<int, QString> fonts_;
    int fontIndex_ = 0;
    QString fontName_;

    QList<QColor> colors_;
    QColor pendingColor_ = QColor(0, 0, 0);
    bool colorHasComponent_ = false;
};
