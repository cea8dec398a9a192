#include "Pictures.h"

#include <QImageReader>

bool JpegReadable() {
  const QList<QByteArray> formats = QImageReader::supportedImageFormats();
  return formats.contains("jpeg") && formats.contains("jpg");
}

QPixmap LoadJpegPicture(const QString& path) {
  if (!JpegReadable()) return {};
  QImageReader reader(path, "jpeg");
  return QPixmap::fromImage(reader.read());
}
