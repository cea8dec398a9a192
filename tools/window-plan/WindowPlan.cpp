#include "WindowPlan.h"

#include <QFile>
#include <QHash>
#include <algorithm>

#include "GameState.h"

namespace {

using kevolan::window::Frame;
using kevolan::window::FrameInfo;

QString FromGame(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QDomElement GeometryOf(const QDomElement& widget) {
  for (QDomElement p = widget.firstChildElement(QStringLiteral("property")); !p.isNull();
       p = p.nextSiblingElement(QStringLiteral("property"))) {
    if (p.attribute(QStringLiteral("name")) == QLatin1String("geometry")) {
      return p.firstChildElement(QStringLiteral("rect"));
    }
  }
  return {};
}

// A number of the place; a place with a field missing or not a number is no place.
int Number(const QDomElement& rect, const char* field, bool& ok) {
  bool read = false;
  const int n = rect.firstChildElement(QLatin1String(field)).text().toInt(&read);
  ok = ok && read;
  return n;
}

void Collect(const QDomElement& widget, const QString& parent, QList<PlacedControl>& out) {
  const QString name = widget.attribute(QStringLiteral("name"));
  const QDomElement rect = GeometryOf(widget);
  bool ok = !rect.isNull();
  const QRect box(Number(rect, "x", ok), Number(rect, "y", ok), Number(rect, "width", ok),
                  Number(rect, "height", ok));
  if (!ok) {
    throw PlanError(QStringLiteral("%1 has no place").arg(name).toStdString());
  }
  out.append({name, parent, widget.attribute(QStringLiteral("class")), box, box});
  for (QDomElement child = widget.firstChildElement(QStringLiteral("widget")); !child.isNull();
       child = child.nextSiblingElement(QStringLiteral("widget"))) {
    Collect(child, name, out);
  }
}

QString FrameWords(Frame frame) {
  static const char* const kWords[] = {"creation", "repair", "wear", "owned"};
  return QStringLiteral("%1 (%2)").arg(FromGame(kevolan::window::Info(frame).Name),
                                       QLatin1String(kWords[static_cast<int>(frame)]));
}

// A row label's width in the design; the window sizes its labels to their captions anyway.
int RoughWidth(const QString& text) { return 6 * static_cast<int>(text.size()) + 2; }

}  // namespace

QString LabelName(int number) { return QStringLiteral("Label%1").arg(number); }

WindowPlan MakePlan(const QString& designPath) {
  WindowPlan plan;
  QFile file(designPath);
  if (!file.open(QIODevice::ReadOnly)) {
    throw PlanError(QStringLiteral("cannot read %1").arg(designPath).toStdString());
  }
  QString error;
  int line = 0;
  if (!plan.Design.setContent(&file, &error, &line)) {
    throw PlanError(QStringLiteral("%1:%2: %3").arg(designPath).arg(line).arg(error).toStdString());
  }
  const QDomElement window =
      plan.Design.documentElement().firstChildElement(QStringLiteral("widget"));
  if (window.isNull()) throw PlanError("the design holds no window");
  Collect(window, QString(), plan.Controls);

  QHash<QString, qsizetype> byName;
  for (qsizetype i = 0; i < plan.Controls.size(); ++i) byName.insert(plan.Controls[i].Name, i);
  const auto labelMustStand = [&](int number, const QString& what) {
    if (!byName.contains(LabelName(number))) {
      throw PlanError(QStringLiteral("the design has no %1, which shows %2")
                          .arg(LabelName(number), what)
                          .toStdString());
    }
  };
  for (const kevolan::window::CounterLabel& counter : kevolan::window::kCounterLabels) {
    labelMustStand(counter.Label, FromGame(counter.Key));
  }
  labelMustStand(kevolan::window::kDayLabel, QStringLiteral("Day"));
  labelMustStand(kevolan::window::kMonthLabel, QStringLiteral("Month"));

  // Each frame's rows; a frame grows by a row's height for every row past those drawn.
  const kevolan::GameState game = kevolan::NewGame();
  QHash<QString, int> growth;
  for (const FrameInfo& frame : kevolan::window::kFrames) {
    const QString frameName = FromGame(frame.Name);
    if (!byName.contains(frameName) ||
        plan.Controls[byName[frameName]].Parent != window.attribute(QStringLiteral("name"))) {
      throw PlanError(QStringLiteral("the design has no frame %1 on the window for the items' rows")
                          .arg(FrameWords(frame.Id))
                          .toStdString());
    }
    const auto& items = kevolan::window::Rows(frame.Id);
    growth.insert(frameName, frame.Step * (static_cast<int>(items.Count) - frame.DrawnRows));
    for (kevolan::Item item : items) {
      const kevolan::window::Row& row = kevolan::window::RowsOf(item)[frame.Id];
      const int top = row.Top(frame);
      const QString itemName = FromGame(kevolan::NameOf(item));
      const auto add = [&](int number, int left, const QString& text, bool shown, bool value) {
        const QString name = LabelName(number);
        if (byName.contains(name)) {
          throw PlanError(QStringLiteral("%1 of %2's row in %3 is in the design already: give "
                                         "the row a label number no control has")
                              .arg(name, FromGame(kevolan::Info(item).Key), FrameWords(frame.Id))
                              .toStdString());
        }
        plan.Rows.append({item, frame.Id, name, frameName,
                          QRect(left, top, RoughWidth(text), frame.RowHeight), text, shown,
                          row.Red || frame.Id == Frame::Owned, value});
      };
      if (frame.Id == Frame::Owned) {
        add(row.NameLabel, frame.NameLeft, itemName, game[item].Owned, false);
      } else {
        const kevolan::Counter& counter = game[item].*frame.Shows;
        add(row.NameLabel, frame.NameLeft, itemName, true, false);
        add(row.ValueLabel, frame.ValueLeft, QString::number(counter.Value), counter.Shown, true);
      }
    }
  }

  // Whatever stands on the window below a grown frame, across from it, moves down as far (a
  // frame drawn to overlap the one above by a pixel counts as below it). The window keeps its
  // margin below the lowest control.
  const QString windowName = window.attribute(QStringLiteral("name"));
  int lowestDrawn = 0;
  int lowest = 0;
  for (PlacedControl& control : plan.Controls) {
    if (control.Parent != windowName) continue;
    int down = 0;
    for (const PlacedControl& frame : std::as_const(plan.Controls)) {
      const int grown = growth.value(frame.Name, 0);
      if (grown == 0 || &frame == &control) continue;
      const QRect& f = frame.Designed;
      const QRect& c = control.Designed;
      const bool across = c.left() <= f.right() && f.left() <= c.right();
      if (across && c.top() >= f.top() + f.height() - 1) down += grown;
    }
    control.Place.translate(0, down);
    control.Place.setHeight(control.Designed.height() + growth.value(control.Name, 0));
    lowestDrawn = std::max(lowestDrawn, control.Designed.top() + control.Designed.height());
    lowest = std::max(lowest, control.Place.top() + control.Place.height());
  }
  plan.Controls.front().Place.setHeight(plan.Controls.front().Designed.height() + lowest -
                                        lowestDrawn);
  return plan;
}
