#include "Pictures.h"

#include <QHash>
#include <QImageReader>
#include <cstdlib>

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
