#include "PixelFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QtMath>

QString WindowFontFamily() {
  // The installed fonts do not change while the game runs: looked up once.
  static const QString chosen = [] {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family :
         {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}) {
      if (installed.contains(family)) return family;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  }();
  return chosen;
}

int PixelsForPoints(qreal points) { return qRound(points * 96.0 / 72.0); }

void SetDesignFont(QWidget* widget, qreal points, bool bold) {
  // Family, size and weight are all set, so nothing is taken from the parent later.
  QFont font(WindowFontFamily());
  font.setPixelSize(PixelsForPoints(points));
  font.setBold(bold);
  widget->setFont(font);
}
