#pragma once

class QColor;
class QGroupBox;

// Fills a group box with exactly one colour. The style's own group-box frame
// shades the area, so panels of that colour on it would show their outlines.
void fillGroupBox(QGroupBox* box, const QColor& color);
