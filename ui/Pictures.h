// The window's three pictures are JPEG images compiled into the program, each drawn twice: at
// the window's own size and at twice that size ("name@2x.jpg") for magnified screens.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Whether JPEG images can be decoded. Asked once per run.
bool JpegReadable();

// Decodes a picture from the program's resources, once per run however often it is asked for;
// a null image when it cannot be read.
QImage LoadJpegPicture(const QString& path);

// The name of the picture drawn at twice the size: ":/pictures/food.jpg" gives
// ":/pictures/food@2x.jpg".
QString DoubleSizePath(const QString& path);

// A transparent picture: every pixel of the colour of its bottom-left pixel becomes clear, so the
// window's own colour shows through, whatever the desktop's colours. A JPEG never holds a colour
// exactly, so colours within a small distance of it count as that colour.
QImage KeyedOut(const QImage& picture);

// The picture ready to be drawn on a screen with `devicePixelRatio` device pixels per window
// pixel, `picture` being drawn at the window's size and `doubleSize` (may be null) at twice it.
// At 100% the picture itself; at 200% the double-size one, pixel for pixel; at other ratios the
// double-size one scaled to fit. Without a double-size picture each pixel becomes a block of
// screen pixels, never a blur.
QPixmap PictureForScreen(const QImage& picture, const QImage& doubleSize, qreal devicePixelRatio);
