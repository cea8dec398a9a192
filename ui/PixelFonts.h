// The window was designed in "MS Sans Serif" at 8, 12 and 18 points on a 96-dpi screen. That face
// is not installed here (the free bitmap face of that name has no outlines, so it would be blown
// up blocky at 200% and cannot be drawn at 11 pixels), so every font is replaced by a scalable sans
// of the same pixel height, chosen for its widths: every caption must fit the control that the
// window gave it. Sizes are given in pixels so the layout does not depend on the screen's
// resolution.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

// "Liberation Sans Narrow" when installed (a little narrower than the design face, so no caption
// runs out of its control), otherwise "Liberation Sans", "DejaVu Sans" or the system's sans.
QString WindowFontFamily();

// Pixel height of a font designed at `points` on a 96-dpi screen: 8 gives 11, 12 gives 16.
int PixelsForPoints(qreal points);

// The stand-in for the design font of that many points, regular or bold, with family, size and
// weight all set, so nothing is taken from a parent later.
QFont DesignFont(qreal points, bool bold);

// Gives a control the stand-in for the design font of that many points, regular or bold.
void SetDesignFont(QWidget* widget, qreal points, bool bold);

// Makes the window font (8 points, regular) the application's default, so that controls are
// built in it from the start instead of being given it after they have been laid out.
void UseDesignFontByDefault();
