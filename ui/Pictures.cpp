#include "Pictures.h"

#include <QHash>
#include <QImageReader>
#include <cstdlib>

namespace {

// Decodes a picture, asking for the JPEG reader by the file's extension ("jpg"), the name the
// pictures are stored under; only that reader is loaded, not every image reader there is.
QImage Decode(const QString& path) {
  QImageReader reader(path, "jpg");
  return reader.read();
}

}  // namespace

bool JpegReadable() {
  // The reader is there exactly when a picture known to be a good JPEG decodes.
  return !LoadJpegPicture(QStringLiteral(":/pictures/food.jpg")).isNull();
}

QImage LoadJpegPicture(const QString& path) {
  static QHash<QString, QImage> decoded;
  if (const auto found = decoded.constFind(path); found != decoded.cend()) return *found;
  const QImage picture = Decode(path);  // null without a JPEG reader
  decoded.insert(path, picture);
  return picture;
}

QString DoubleSizePath(const QString& path) {
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  if (dot <= path.lastIndexOf(QLatin1Char('/'))) return path + QStringLiteral("@2x");
  return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QImage KeyedOut(const QImage& picture) {
  if (picture.isNull()) return picture;
  // How far a JPEG strays from a flat colour; the drawings' own colours lie much further off.
  constexpr int kNear = 16;
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = keyed.pixel(0, keyed.height() - 1);
  for (int y = 0; y < keyed.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      const QRgb c = line[x];
      if (std::abs(qRed(c) - qRed(key)) <= kNear && std::abs(qGreen(c) - qGreen(key)) <= kNear &&
          std::abs(qBlue(c) - qBlue(key)) <= kNear) {
        line[x] = qRgba(0, 0, 0, 0);
      }
    }
  }
  return keyed;
}

QPixmap PictureForScreen(const QImage& picture, const QImage& doubleSize, qreal devicePixelRatio) {
  if (picture.isNull() || devicePixelRatio <= 1.0) return QPixmap::fromImage(picture);
  const QSize onScreen = (QSizeF(picture.size()) * devicePixelRatio).toSize();
  QPixmap pixmap;
  if (doubleSize.isNull()) {
    // Scaled here by repeating pixels, the picture is then drawn without any further scaling,
    // which would smooth it.
    pixmap =
        QPixmap::fromImage(picture.scaled(onScreen, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  } else if (doubleSize.size() == onScreen) {
    pixmap = QPixmap::fromImage(doubleSize);
  } else {
    pixmap = QPixmap::fromImage(
        doubleSize.scaled(onScreen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}
