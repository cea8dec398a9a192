// Draws the three pictures of the main window and saves them as JPEG files:
//   draw_pictures OUTPUT_DIR   ->  OUTPUT_DIR/food.jpg, creation.jpg, repair.jpg, and the same
//                                  drawings at twice the size for magnified screens:
//                                  food@2x.jpg, creation@2x.jpg, repair@2x.jpg
// The food picture is larger than its place in the window and is cut there; the creation picture
// is shown 8 pixels further left and the repair picture 8 pixels further up, so each drawing keeps
// its subject inside the part that stays visible.
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cstdio>

namespace {

const QColor kBackground(0xef, 0xef, 0xef);  // the window's own colour, so the pictures blend in

// A canvas `scale` times the picture's size; drawing on it goes in the picture's own units.
QImage Canvas(int width, int height, int scale) {
  QImage image(width * scale, height * scale, QImage::Format_RGB32);
  image.fill(kBackground);
  image.setDotsPerMeterX(image.dotsPerMeterX() * scale);
  image.setDotsPerMeterY(image.dotsPerMeterY() * scale);
  return image;
}

void Begin(QPainter& p, int scale) {
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
}

void Apple(QPainter& p, QPointF centre, qreal r) {
  QRadialGradient skin(centre - QPointF(r / 3, r / 3), r * 1.4);
  skin.setColorAt(0, QColor(0xf2, 0x5a, 0x4a));
  skin.setColorAt(1, QColor(0x9e, 0x12, 0x12));
  p.setPen(QPen(QColor(0x6e, 0x0c, 0x0c), 1));
  p.setBrush(skin);
  p.drawEllipse(centre, r, r * 0.92);
  p.setPen(QPen(QColor(0x5a, 0x3a, 0x1a), 2));
  p.drawLine(centre + QPointF(0, -r * 0.8), centre + QPointF(2, -r * 1.25));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3c, 0x9a, 0x2c));
  p.drawEllipse(QRectF(centre.x() + 2, centre.y() - r * 1.35, r * 0.8, r * 0.4));
}

void Banana(QPainter& p) {
  QPainterPath banana;
  banana.moveTo(4, 12);
  banana.cubicTo(6, 38, 30, 46, 52, 36);
  banana.cubicTo(32, 34, 18, 28, 13, 10);
  banana.closeSubpath();
  QLinearGradient peel(0, 14, 0, 44);
  peel.setColorAt(0, QColor(0xff, 0xe6, 0x4a));
  peel.setColorAt(1, QColor(0xd8, 0xa8, 0x10));
  p.setPen(QPen(QColor(0x8a, 0x6a, 0x08), 1));
  p.setBrush(peel);
  p.drawPath(banana);
}

void Fish(QPainter& p) {
  QPainterPath body;
  body.moveTo(30, 38);
  body.cubicTo(38, 28, 56, 28, 64, 38);
  body.cubicTo(56, 48, 38, 48, 30, 38);
  QPolygonF tail({QPointF(62, 38), QPointF(72, 31), QPointF(70, 38), QPointF(72, 45)});
  QLinearGradient scales(0, 30, 0, 46);
  scales.setColorAt(0, QColor(0x4a, 0x7a, 0xb0));
  scales.setColorAt(1, QColor(0xb8, 0xd0, 0xe4));
  p.setPen(QPen(QColor(0x24, 0x40, 0x66), 1));
  p.setBrush(scales);
  p.drawPolygon(tail);
  p.drawPath(body);
  p.setBrush(Qt::black);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(36, 36), 1.5, 1.5);
}

QImage Food(int scale) {
  QImage image = Canvas(80, 56, scale);
  QPainter p(&image);
  Begin(p, scale);
  Banana(p);
  Apple(p, QPointF(52, 17), 11);
  Fish(p);
  return image;
}

void Nail(QPainter& p, QPointF head, qreal length, qreal angle) {
  p.save();
  p.translate(head);
  p.rotate(angle);
  QLinearGradient steel(-2, 0, 2, 0);
  steel.setColorAt(0, QColor(0x70, 0x70, 0x78));
  steel.setColorAt(0.5, QColor(0xd8, 0xd8, 0xe0));
  steel.setColorAt(1, QColor(0x60, 0x60, 0x68));
  p.setPen(QPen(QColor(0x40, 0x40, 0x48), 0.8));
  p.setBrush(steel);
  p.drawPolygon(QPolygonF({QPointF(-1.5, 2), QPointF(1.5, 2), QPointF(1.5, length - 4),
                           QPointF(0, length), QPointF(-1.5, length - 4)}));
  p.drawRoundedRect(QRectF(-4.5, 0, 9, 3), 1, 1);
  p.restore();
}

QImage Creation(int scale) {
  QImage image = Canvas(97, 65, scale);
  QPainter p(&image);
  Begin(p, scale);
  // The hammer lies across the picture, its head at the upper left.
  p.save();
  p.translate(44, 30);
  p.rotate(-30);
  QLinearGradient wood(0, -4, 0, 4);
  wood.setColorAt(0, QColor(0xc8, 0x8a, 0x4a));
  wood.setColorAt(1, QColor(0x7a, 0x4a, 0x1e));
  p.setPen(QPen(QColor(0x4a, 0x2a, 0x10), 1));
  p.setBrush(wood);
  p.drawRoundedRect(QRectF(-14, -3.5, 52, 7), 3, 3);
  QLinearGradient iron(0, -12, 0, 12);
  iron.setColorAt(0, QColor(0xb0, 0xb4, 0xbc));
  iron.setColorAt(0.5, QColor(0x5a, 0x5e, 0x66));
  iron.setColorAt(1, QColor(0x30, 0x32, 0x38));
  p.setPen(QPen(QColor(0x20, 0x20, 0x24), 1));
  p.setBrush(iron);
  QPainterPath head;  // a striking face on one side, a claw on the other
  head.moveTo(-20, -15);
  head.lineTo(-9, -15);
  head.lineTo(-9, 4);
  head.cubicTo(-9, 10, -12, 16, -18, 19);
  head.lineTo(-15, 8);
  head.lineTo(-20, 6);
  head.closeSubpath();
  p.drawPath(head);
  p.restore();
  // Nails scattered below the handle.
  Nail(p, QPointF(64, 36), 22, -20);
  Nail(p, QPointF(76, 34), 24, 10);
  Nail(p, QPointF(86, 40), 20, 35);
  return image;
}

QImage Repair(int scale) {
  QImage image = Canvas(97, 65, scale);
  QPainter p(&image);
  Begin(p, scale);
  // An open-end wrench lying from the lower left to the upper right.
  p.translate(50, 38);
  p.rotate(-20);
  QLinearGradient steel(0, -14, 0, 14);
  steel.setColorAt(0, QColor(0xe4, 0xe6, 0xea));
  steel.setColorAt(0.5, QColor(0x8c, 0x90, 0x98));
  steel.setColorAt(1, QColor(0x4a, 0x4c, 0x52));
  p.setPen(QPen(QColor(0x2a, 0x2c, 0x30), 1));
  p.setBrush(steel);
  QPainterPath wrench;
  wrench.addRoundedRect(QRectF(-30, -4.5, 58, 9), 4, 4);
  QPainterPath jaw;
  jaw.addEllipse(QPointF(34, 0), 12, 12);
  QPainterPath mouth;
  mouth.addRect(QRectF(34, -5, 16, 10));
  QPainterPath ring;
  ring.addEllipse(QPointF(-34, 0), 10, 10);
  QPainterPath hole;
  hole.addEllipse(QPointF(-34, 0), 5, 5);
  p.drawPath(wrench.united(jaw).united(ring).subtracted(mouth).subtracted(hole));
  return image;
}

bool Save(const QImage& image, const QDir& dir, const char* name) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  if (image.save(path, "JPEG", 92)) return true;
  std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_pictures OUTPUT_DIR\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  const bool ok = Save(Food(1), dir, "food.jpg") && Save(Creation(1), dir, "creation.jpg") &&
                  Save(Repair(1), dir, "repair.jpg") && Save(Food(2), dir, "food@2x.jpg") &&
                  Save(Creation(2), dir, "creation@2x.jpg") &&
                  Save(Repair(2), dir, "repair@2x.jpg");
  return ok ? 0 : 1;
}
