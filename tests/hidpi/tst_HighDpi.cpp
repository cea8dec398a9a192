// The main window on a screen magnified to 200%: it must look like the window at 100% made
// twice as large, with every control in its place, every caption fitting, the pictures made of
// whole doubled pixels rather than a blur, and the text drawn anew at the finer resolution.
//
// The magnification is fixed when the application starts, so the test runs itself once per
// scale, on the same platform: the run with KEVOLAN_HIDPI_SHOT set shows the window, grabs it
// and writes what it saw.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include "Pictures.h"
#include "Unit1.h"

namespace {

// The window's size as the build laid it out.
QSize WindowSize() {
  QFile plan(QStringLiteral(KEVOLAN_WINDOW_PLAN));
  if (!plan.open(QIODevice::ReadOnly)) qFatal("cannot read %s", KEVOLAN_WINDOW_PLAN);
  const QJsonArray box =
      QJsonDocument::fromJson(plan.readAll())["places"][0].toArray()[2].toArray();
  return {box[2].toInt(), box[3].toInt()};
}

// What one run saw of one control, in window pixels (not device pixels).
struct Seen {
  QString Parent;
  QRect Place;  // relative to its parent
  QRect InWindow;
  QSize Needed;  // a label's size hint
  bool Visible = false;
  qreal PictureRatio = 0;  // device pixels per window pixel of a label's picture
  QString Kind;            // "frame", "label", "button" or "other"
  int TextHeight = 0;      // the height of a line in the control's font
};

struct Shot {
  QImage Image;
  qreal Ratio = 0;
  QMap<QString, Seen> Controls;
};

// The run with a magnification: show the window, grab it, write the picture and the controls.
int TakeShot(int argc, char* argv[], const QString& dir) {
  QApplication application(argc, argv);
  TForm1 form;
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  // The player may drag the window to another screen.
  if (const QString to = qEnvironmentVariable("KEVOLAN_HIDPI_MOVE_TO"); !to.isEmpty()) {
    form.move(to.section(',', 0, 0).toInt(), to.section(',', 1, 1).toInt());
    QTest::qWait(50);
  }
  const QPixmap shot = form.grab();
  if (!shot.save(dir + "/window.png")) return 1;
  QFile file(dir + "/controls.txt");
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return 1;
  QTextStream out(&file);
  out << "ratio " << shot.devicePixelRatio() << "\n";
  for (QWidget* w : form.findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
    const QRect in(w->mapTo(&form, QPoint(0, 0)), w->size());
    const auto* label = qobject_cast<QLabel*>(w);
    const QSize needed = label ? label->sizeHint() : QSize();
    const qreal picture =
        label && !label->pixmap().isNull() ? label->pixmap().devicePixelRatio() : 0;
    const char* kind = qobject_cast<QGroupBox*>(w)         ? "frame"
                       : label != nullptr                  ? "label"
                       : qobject_cast<QAbstractButton*>(w) ? "button"
                                                           : "other";
    out << w->objectName() << ' ' << w->parentWidget()->objectName() << ' ' << w->x() << ' '
        << w->y() << ' ' << w->width() << ' ' << w->height() << ' ' << in.x() << ' ' << in.y()
        << ' ' << needed.width() << ' ' << needed.height() << ' ' << int(w->isVisible()) << ' '
        << picture << ' ' << kind << ' ' << w->fontMetrics().height() << "\n";
  }
  return 0;
}

Shot ReadShot(const QString& dir) {
  Shot shot;
  shot.Image = QImage(dir + "/window.png").convertToFormat(QImage::Format_RGB32);
  QFile file(dir + "/controls.txt");
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return shot;
  QTextStream in(&file);
  QString word;
  in >> word >> shot.Ratio;
  while (!in.atEnd()) {
    QString name;
    Seen s;
    int x, y, w, h, wx, wy, nw, nh, visible;
    in >> name >> s.Parent >> x >> y >> w >> h >> wx >> wy >> nw >> nh >> visible >>
        s.PictureRatio >> s.Kind >> s.TextHeight;
    if (name.isEmpty()) break;
    s.Place = QRect(x, y, w, h);
    s.InWindow = QRect(wx, wy, w, h);
    s.Needed = QSize(nw, nh);
    s.Visible = visible != 0;
    shot.Controls.insert(name, s);
  }
  return shot;
}

// A part of the window as the screen shows it, in device pixels.
QImage Part(const Shot& shot, const QRect& inWindow) {
  const int r = qRound(shot.Ratio);
  return shot.Image.copy(QRect(inWindow.topLeft() * r, inWindow.size() * r));
}

// How many 2 x 2 blocks of the picture hold more than one colour: none for a picture blown up
// by repeating pixels.
int MixedBlocks(const QImage& image) {
  int mixed = 0;
  for (int y = 0; y + 1 < image.height(); y += 2) {
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb c = image.pixel(x, y);
      if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
          image.pixel(x + 1, y + 1) != c) {
        ++mixed;
      }
    }
  }
  return mixed;
}

// Text as the window draws it: black, or the red of the owned items and the boat. Frame lines,
// bevels and the window's face are lighter greys.
bool Ink(QRgb c) { return qGray(c) < 90 || (qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80); }

// The rightmost column, in window pixels, that holds ink within `area` (window pixels); -1 for
// none.
int InkRight(const Shot& shot, const QRect& area) {
  const int r = qRound(shot.Ratio);
  const QRect device = QRect(area.topLeft() * r, area.size() * r) & shot.Image.rect();
  for (int x = device.right(); x >= device.left(); --x) {
    for (int y = device.top(); y <= device.bottom(); ++y) {
      if (Ink(shot.Image.pixel(x, y))) return x / r;
    }
  }
  return -1;
}

}  // namespace

class HighDpi : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void windowIsTwiceAsLarge();
  void everyControlKeepsItsPlace();
  void everyLabelFitsItsPlace();
  void everyCaptionIsDrawnInsideItsControl();
  void picturesAreDrawnAtTwiceTheSize();
  void foodPictureIsTransparentAtBothSizes();
  void textIsDrawnAtTheFinerResolution();
  void picturesFollowTheWindowToAMagnifiedScreen();

 private:
  // Runs the window once in a process of its own and reads what it saw.
  Shot Run(const QString& name, const QProcessEnvironment& env);

  Shot normal_;
  Shot double_;
  QTemporaryDir work_;
};

Shot HighDpi::Run(const QString& name, const QProcessEnvironment& env) {
  const QString dir = work_.filePath(name);
  if (!QDir().mkpath(dir)) return {};
  QProcessEnvironment shot = env;
  shot.insert("KEVOLAN_HIDPI_SHOT", dir);
  QProcess run;
  run.setProcessEnvironment(shot);
  run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  run.start(QCoreApplication::applicationFilePath(), {});
  if (!run.waitForFinished(60000) || run.exitStatus() != QProcess::NormalExit ||
      run.exitCode() != 0) {
    return {};
  }
  // Kept for a look by eye, beside the other screenshots of the build.
  const QString keep = qEnvironmentVariable("KEVOLAN_SHOTS_DIR");
  if (!keep.isEmpty() && QDir().mkpath(keep)) {
    const QString copy = QStringLiteral("%1/hidpi-%2.png").arg(keep, name);
    QFile::remove(copy);
    QFile::copy(dir + "/window.png", copy);
  }
  return ReadShot(dir);
}

void HighDpi::initTestCase() {
  QVERIFY(work_.isValid());
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("QT_SCREEN_SCALE_FACTORS");
  env.remove("QT_ENABLE_HIGHDPI_SCALING");
  env.insert("QT_SCALE_FACTOR", "1");
  normal_ = Run("100", env);
  env.insert("QT_SCALE_FACTOR", "2");
  double_ = Run("200", env);
  QVERIFY(!normal_.Image.isNull() && !double_.Image.isNull());
  QVERIFY(!normal_.Controls.isEmpty());
}

void HighDpi::windowIsTwiceAsLarge() {
  QCOMPARE(normal_.Ratio, 1.0);
  QCOMPARE(double_.Ratio, 2.0);
  QCOMPARE(normal_.Image.size(), WindowSize());
  QCOMPARE(double_.Image.size(), normal_.Image.size() * 2);
}

void HighDpi::everyControlKeepsItsPlace() {
  // In window pixels the places are the same, so on the screen every one is exactly doubled;
  // labels too, which size themselves to their captions.
  QCOMPARE(double_.Controls.keys(), normal_.Controls.keys());
  for (auto c = normal_.Controls.cbegin(); c != normal_.Controls.cend(); ++c) {
    const Seen& at2 = double_.Controls[c.key()];
    QVERIFY2(at2.Place == c->Place && at2.InWindow == c->InWindow, qPrintable(c.key()));
    QCOMPARE(at2.Visible, c->Visible);
  }
}

void HighDpi::everyLabelFitsItsPlace() {
  const auto& seen = double_.Controls;
  for (auto c = seen.cbegin(); c != seen.cend(); ++c) {
    if (!c->Needed.isValid() || c.key().startsWith("Image")) continue;
    QVERIFY2(c->Place.width() >= c->Needed.width(), qPrintable(c.key()));
    QVERIFY2(c->Place.height() >= c->Needed.height() - 1, qPrintable(c.key()));
    const Seen& parent = seen.contains(c->Parent) ? seen[c->Parent] : Seen{};
    if (c->Parent != "Form1") {
      QVERIFY2(c->Place.right() < parent.Place.width() - 2, qPrintable(c.key()));
    } else {
      QVERIFY2(c->InWindow.right() < WindowSize().width(), qPrintable(c.key()));
    }
  }
  // Names end before the numbers beside them, and the day before the month.
  const QList<QPair<const char*, const char*>> rows = {
      {"Label7", "Label40"},  {"Label13", "Label31"}, {"Label19", "Label25"},
      {"Label17", "Label36"}, {"Label23", "Label29"}, {"Label1", "Label37"},
      {"Label4", "Label47"},  {"Label12", "Label45"}, {"Label57", "Label58"}};
  for (const auto& [name, value] : rows) {
    QVERIFY2(seen[name].Place.right() < seen[value].Place.x(), name);
  }
}

void HighDpi::everyCaptionIsDrawnInsideItsControl() {
  // What the screen shows, at 100% and at 200%: the text of every frame title, label and button
  // ends inside its control, clear of the control's right edge. A font whose glyphs grow wider
  // when drawn at the finer resolution shows here even when its measured widths fit.
  for (const Shot* shot : {&normal_, &double_}) {
    const QString scale = shot == &normal_ ? QStringLiteral("100%") : QStringLiteral("200%");
    int checked = 0;
    for (auto c = shot->Controls.cbegin(); c != shot->Controls.cend(); ++c) {
      if (!c->Visible || c.key().startsWith("Image") || c.key().startsWith("Panel")) continue;
      const QRect box = c->InWindow;
      const QString what = c.key() + QLatin1Char(' ') + scale;
      if (c->Kind == "frame") {
        // The title stands in the frame's top line; from its left end to a little past the
        // frame's right edge only the title's own letters may be dark.
        const QRect title(box.x() + 2, box.y(), box.width() + 6, c->TextHeight);
        const int right = InkRight(*shot, title);
        QVERIFY2(right < box.right() - 2, qPrintable(what));
        checked += right >= 0;
      } else if (c->Kind == "label" || c->Kind == "button") {
        const int inset = c->Kind == "button" ? 3 : 0;  // a button's bevel
        const QRect text(box.x() + inset, box.y() + inset, box.width() - inset + 4,
                         box.height() - 2 * inset);
        const int right = InkRight(*shot, text);
        QVERIFY2(right <= box.right() - inset, qPrintable(what));
        checked += right >= 0;
      }
    }
    QVERIFY(checked >= 45);  // the captions were found at all
  }
}

void HighDpi::picturesAreDrawnAtTwiceTheSize() {
  // At 200% the pictures are the drawings made at twice the size, pixel for pixel, not the
  // small ones blown up.
  Q_INIT_RESOURCE(resources);
  const struct {
    const char* Panel;
    const char* Picture;
    QPoint Shift;  // where the panel's corner lies in the picture, in window pixels
  } opaque[] = {{"Panel3", ":/pictures/creation@2x.jpg", {8, 0}},
                {"Panel2", ":/pictures/repair@2x.jpg", {0, 8}}};
  for (const auto& p : opaque) {
    const QRect place = normal_.Controls[p.Panel].InWindow;
    const QImage drawn = LoadJpegPicture(QString::fromLatin1(p.Picture));
    QVERIFY2(!drawn.isNull(), p.Picture);
    const QImage expected =
        drawn.copy(QRect(p.Shift * 2, place.size() * 2)).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(Part(double_, place) == expected, p.Panel);
  }
  for (const char* panel : {"Panel1", "Panel2", "Panel3"}) {
    const QRect place = normal_.Controls[panel].InWindow;
    const QImage once = Part(normal_, place);
    const QImage twice = Part(double_, place);
    QVERIFY2(twice != once.scaled(once.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation),
             panel);
    // The finer drawing has many more edges than 2 x 2 blocks of one colour would.
    QVERIFY2(MixedBlocks(twice) * 10 > (twice.width() / 2) * (twice.height() / 2), panel);
  }
}

void HighDpi::foodPictureIsTransparentAtBothSizes() {
  // Around the fruit and fish the window's own colour, as in an empty corner of the window.
  for (const Shot* shot : {&normal_, &double_}) {
    const int r = qRound(shot->Ratio);
    const QRgb face = shot->Image.pixel(540 * r, 490 * r);
    const QImage food = Part(*shot, shot->Controls["Panel1"].InWindow);
    for (const QPoint corner : {QPoint(0, 0), QPoint(0, food.height() - 1), QPoint(40 * r, 0)}) {
      QCOMPARE(food.pixel(corner), face);
    }
  }
}

void HighDpi::textIsDrawnAtTheFinerResolution() {
  // Text blown up from 100% would be made of doubled pixels as the pictures are; drawn anew it
  // has edges finer than that.
  for (const char* label : {"Label58", "Label1", "Button1", "RadioGroup1Button0"}) {
    const QImage text = Part(double_, double_.Controls[label].InWindow);
    const int blocks = (text.width() / 2) * (text.height() / 2);
    QVERIFY2(MixedBlocks(text) * 20 > blocks, label);
  }
}

void HighDpi::picturesFollowTheWindowToAMagnifiedScreen() {
  // Two screens side by side, the right one at 200%; the window opens on the left one and is
  // then moved to the right one.
  QFile config(work_.filePath("screens.json"));
  QVERIFY(config.open(QIODevice::WriteOnly));
  config.write(R"({"screens": [
    {"name": "left", "x": 0, "y": 0, "width": 1000, "height": 800, "dpr": 1,
     "logicalDpi": 96, "logicalBaseDpi": 96},
    {"name": "right", "x": 1000, "y": 0, "width": 1000, "height": 800, "dpr": 2,
     "logicalDpi": 96, "logicalBaseDpi": 96}]})");
  config.close();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("QT_SCALE_FACTOR");
  env.remove("QT_SCREEN_SCALE_FACTORS");
  env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
  env.insert("KEVOLAN_HIDPI_MOVE_TO", "1264,125");
  const Shot moved = Run("moved", env);
  QCOMPARE(moved.Ratio, 2.0);
  for (const char* image : {"Image1", "Image2", "Image3"}) {
    QCOMPARE(moved.Controls[image].PictureRatio, 2.0);
  }
  // Drawn as on a screen that was at 200% from the start.
  for (const char* panel : {"Panel1", "Panel2", "Panel3"}) {
    const QRect place = normal_.Controls[panel].InWindow;
    QVERIFY2(Part(moved, place) == Part(double_, place), panel);
  }
}

int main(int argc, char* argv[]) {
  const QString dir = qEnvironmentVariable("KEVOLAN_HIDPI_SHOT");
  if (!dir.isEmpty()) return TakeShot(argc, argv, dir);
  QApplication application(argc, argv);
  HighDpi test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_HighDpi.moc"
