#include "Pictures.h"

#include <QHash>
#include <QImageReader>

bool JpegReadable() {
  static const bool readable = [] {
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    return formats.contains("jpeg") && formats.contains("jpg");
  }();
  return readable;
}

QImage LoadJpegPicture(const QString& path) {
  static QHash<QString, QImage> decoded;
  if (const auto found = decoded.constFind(path); found != decoded.cend()) return *found;
  QImage picture;
  if (JpegReadable()) {
    QImageReader reader(path, "jpeg");
    picture = reader.read();
  }
  decoded.insert(path, picture);
  return picture;
}

QPixmap PictureForScreen(const QImage& picture, qreal devicePixelRatio) {
  if (picture.isNull() || devicePixelRatio <= 1.0) return QPixmap::fromImage(picture);
  // Scaled here by repeating pixels, the picture is then drawn without any further scaling,
  // which would smooth it.
  const QSize onScreen = (QSizeF(picture.size()) * devicePixelRatio).toSize();
  QPixmap pixmap =
      QPixmap::fromImage(picture.scaled(onScreen, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}
