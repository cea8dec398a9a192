// The window was designed in "MS Sans Serif" at 8, 12 and 18 points on a 96-dpi screen. That font
// does not exist here, so every font is replaced by an installed sans of the same pixel height,
// and sizes are given in pixels so the layout does not depend on the screen's resolution.
#pragma once

#include <QString>
#include <QWidget>

// "Liberation Sans" when installed, otherwise "DejaVu Sans", otherwise the system's sans.
QString WindowFontFamily();

// Pixel height of a font designed at `points` on a 96-dpi screen: 8 gives 11, 12 gives 16.
int PixelsForPoints(qreal points);

// Gives a control the stand-in for the design font of that many points, regular or bold.
void SetDesignFont(QWidget* widget, qreal points, bool bold);
