#include "PixelFonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QtMath>

QString WindowFontFamily() {
  // The installed fonts do not change while the game runs: looked up once.
  static const QString chosen = [] {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family :
         {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Liberation Sans"),
          QStringLiteral("DejaVu Sans")}) {
      if (installed.contains(family)) return family;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  }();
  return chosen;
}

int PixelsForPoints(qreal points) { return qRound(points * 96.0 / 72.0); }

QFont DesignFont(qreal points, bool bold) {
  QFont font(WindowFontFamily());
  font.setPixelSize(PixelsForPoints(points));
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setStyle(QFont::StyleNormal);
  return font;
}

void SetDesignFont(QWidget* widget, qreal points, bool bold) {
  widget->setFont(DesignFont(points, bold));
}

void UseDesignFontByDefault() { QApplication::setFont(DesignFont(8, false)); }
