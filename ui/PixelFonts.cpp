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

namespace {

void UsePixelFont(QWidget* widget, const QString& family) {
  QFont font = widget->font();
  const qreal points = font.pointSizeF();
  // Family, size and weight are all set explicitly, so nothing is taken from the parent later.
  font.setFamily(family);
  if (points > 0) font.setPixelSize(PixelsForPoints(points));
  font.setBold(font.bold());
  widget->setFont(font);
}

}  // namespace

void UsePixelFonts(QWidget* window) {
  const QString family = WindowFontFamily();
  UsePixelFont(window, family);
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (child->testAttribute(Qt::WA_SetFont)) UsePixelFont(child, family);
  }
}
