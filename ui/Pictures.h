// The window's three pictures are JPEG images compiled into the program.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Whether JPEG images can be decoded, under both of the format's names. Asked once per run.
bool JpegReadable();

// Decodes a picture from the program's resources, once per run however often it is asked for;
// a null image when it cannot be read.
QImage LoadJpegPicture(const QString& path);

// The picture ready to be drawn pixel for pixel on a screen with `devicePixelRatio` device
// pixels per window pixel: each picture pixel becomes a block of screen pixels, never a blur.
QPixmap PictureForScreen(const QImage& picture, qreal devicePixelRatio);
