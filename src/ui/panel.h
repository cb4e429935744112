#pragma once

#include <QColor>
#include <QLabel>

// A coloured panel with a centred caption and a raised, lowered or flat
// border. The on-screen keyboard, the information lines and the logo are
// made of these; windows move and resize them while a lesson runs.
class Panel : public QLabel {
    Q_OBJECT
public:
    enum class Bevel { Flat, Raised, Lowered };

    explicit Panel(QWidget* parent = nullptr, const QString& name = {});

    void setCaption(const QString& caption);
    QString caption() const { return text(); }

    void setColor(const QColor& color);
    QColor color() const { return color_; }
    void setFontColor(const QColor& color);
    QColor fontColor() const { return fontColor_; }

    void setBevel(Bevel bevel);
    Bevel bevel() const { return bevel_; }

    // Font heights are given as character heights in pixels, written negative.
    void setFont(const QString& family, int height, bool bold = false);
    // Makes the font smaller until the caption fits the panel's width, so a
    // long line on a small screen is not cut off at both ends.
    void shrinkFontToFit();
    static constexpr int kSmallestFitPixels = 9;
    static constexpr int kFitMargin = 4;

    // What a screen reader says of the panel's state, in German words.
    void setStateDescription(const QString& description);

private:
    void applyPalette();

    QColor color_;
    QColor fontColor_ = Qt::black;
    // A new label has no frame: flat, until the constructor raises it.
    Bevel bevel_ = Bevel::Flat;
};

// The pixel size behind a negative font height (-16 -> 16); positive heights
// are taken as they are.
int pixelSizeForHeight(int height);
