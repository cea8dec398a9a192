// The window's three pictures are JPEG images compiled into the program.
#pragma once

#include <QPixmap>
#include <QString>

// Whether JPEG images can be decoded, under both of the format's names.
bool JpegReadable();

// Decodes a picture from the program's resources; an empty pixmap when it cannot be read.
QPixmap LoadJpegPicture(const QString& path);
