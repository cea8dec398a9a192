#include "Outputs.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using kevolan::window::Frame;

QString FromGame(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray Read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw PlanError(QStringLiteral("cannot read %1").arg(path).toStdString());
  }
  return file.readAll();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
      !file.flush()) {
    throw PlanError(QStringLiteral("cannot write %1").arg(path).toStdString());
  }
}

// --- The design -------------------------------------------------------------------------------

QDomElement FindWidget(const QDomElement& widget, const QString& name) {
  if (widget.attribute(QStringLiteral("name")) == name) return widget;
  for (QDomElement child = widget.firstChildElement(QStringLiteral("widget")); !child.isNull();
       child = child.nextSiblingElement(QStringLiteral("widget"))) {
    const QDomElement found = FindWidget(child, name);
    if (!found.isNull()) return found;
  }
  return {};
}

QDomElement Element(QDomDocument& doc, const QString& tag, const QString& text = {}) {
  QDomElement e = doc.createElement(tag);
  if (!text.isNull()) e.appendChild(doc.createTextNode(text));
  return e;
}

QDomElement Property(QDomDocument& doc, const QString& name, const QDomElement& value) {
  QDomElement p = doc.createElement(QStringLiteral("property"));
  p.setAttribute(QStringLiteral("name"), name);
  p.appendChild(value);
  return p;
}

QDomElement Rect(QDomDocument& doc, const QRect& r) {
  QDomElement rect = doc.createElement(QStringLiteral("rect"));
  rect.appendChild(Element(doc, QStringLiteral("x"), QString::number(r.x())));
  rect.appendChild(Element(doc, QStringLiteral("y"), QString::number(r.y())));
  rect.appendChild(Element(doc, QStringLiteral("width"), QString::number(r.width())));
  rect.appendChild(Element(doc, QStringLiteral("height"), QString::number(r.height())));
  return rect;
}

// Red text in every state of the window, as the design draws the boat and what is owned.
QDomElement RedPalette(QDomDocument& doc) {
  QDomElement palette = doc.createElement(QStringLiteral("palette"));
  for (const char* group : {"active", "inactive", "disabled"}) {
    QDomElement color = doc.createElement(QStringLiteral("color"));
    color.setAttribute(QStringLiteral("alpha"), 255);
    color.appendChild(Element(doc, QStringLiteral("red"), QStringLiteral("255")));
    color.appendChild(Element(doc, QStringLiteral("green"), QStringLiteral("0")));
    color.appendChild(Element(doc, QStringLiteral("blue"), QStringLiteral("0")));
    QDomElement brush = doc.createElement(QStringLiteral("brush"));
    brush.setAttribute(QStringLiteral("brushstyle"), QStringLiteral("SolidPattern"));
    brush.appendChild(color);
    QDomElement role = doc.createElement(QStringLiteral("colorrole"));
    role.setAttribute(QStringLiteral("role"), QStringLiteral("WindowText"));
    role.appendChild(brush);
    QDomElement state = doc.createElement(QLatin1String(group));
    state.appendChild(role);
    palette.appendChild(state);
  }
  return palette;
}

// --- The page ---------------------------------------------------------------------------------

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

QString RowMarkup(const RowLabel& row) {
  QStringList classes;
  if (row.Frame == Frame::Owned) classes << QStringLiteral("owned");
  if (row.Value) classes << QStringLiteral("num");
  if (row.Red && row.Frame != Frame::Owned) classes << QStringLiteral("red");
  QString tag = QStringLiteral("  <span id=\"%1\"").arg(row.Name);
  if (!classes.isEmpty()) tag += QStringLiteral(" class=\"%1\"").arg(classes.join(u' '));
  if (!row.Shown) tag += QStringLiteral(" hidden");
  return tag + u'>' + Escaped(row.Text) + QStringLiteral("</span>\n");
}

// Each item frame of the page holds its title only; the rows go in before the frame closes.
QString WithRows(QString page, const WindowPlan& plan) {
  for (const RowLabel& row : plan.Rows) {
    if (page.contains(QStringLiteral("id=\"%1\"").arg(row.Name))) {
      throw PlanError(QStringLiteral("index.html spells out %1, %2's row in %3: the item rows "
                                     "are written in at build time, leave them out")
                          .arg(row.Name, FromGame(kevolan::Info(row.Item).Key), row.Parent)
                          .toStdString());
    }
  }
  for (const kevolan::window::FrameInfo& frame : kevolan::window::kFrames) {
    const QString name = FromGame(frame.Name);
    const qsizetype open = page.indexOf(QStringLiteral("<div id=\"%1\"").arg(name));
    const qsizetype close = open < 0 ? -1 : page.indexOf(QStringLiteral("</div>"), open);
    const qsizetype inner = page.indexOf(QStringLiteral("<div"), open + 1);
    if (close < 0 || (inner >= 0 && inner < close)) {
      throw PlanError(
          QStringLiteral("index.html has no frame <div id=\"%1\"> closed by the next </div>")
              .arg(name)
              .toStdString());
    }
    QString rows;
    for (const RowLabel& row : plan.Rows) {
      if (row.Parent == name) rows += RowMarkup(row);
    }
    const qsizetype lineStart = page.lastIndexOf(u'\n', close - 1) + 1;
    page.insert(page.mid(lineStart, close - lineStart).trimmed().isEmpty() ? lineStart : close,
                rows);
  }
  return page;
}

QString PlacesCss(const WindowPlan& plan) {
  QString css = QStringLiteral(
      "/* Written at build time from ui/Unit1.ui and the window's table of item rows: every\n"
      "   control of the main window at the place and size the desktop gives it. Labels are as\n"
      "   wide as their text. */\n");
  const auto rule = [&css](const QString& name, const QString& parent, const QString& kind,
                           const QRect& r) {
    if (parent.isEmpty()) {
      // The window's size, also for the scale that fits it to a larger screen.
      css += QStringLiteral(
                 ":root { --form-width: %2px; --form-height: %3px; }\n"
                 "#%1 { width: var(--form-width); height: var(--form-height); }\n")
                 .arg(name)
                 .arg(r.width())
                 .arg(r.height());
    } else if (kind == QLatin1String("QLabel") && name.startsWith(QLatin1String("Label"))) {
      css += QStringLiteral("#%1 { left: %2px; top: %3px; height: %4px; }\n")
                 .arg(name)
                 .arg(r.x())
                 .arg(r.y())
                 .arg(r.height());
    } else {
      css += QStringLiteral("#%1 { left: %2px; top: %3px; width: %4px; height: %5px; }\n")
                 .arg(name)
                 .arg(r.x())
                 .arg(r.y())
                 .arg(r.width())
                 .arg(r.height());
    }
  };
  for (const PlacedControl& c : plan.Controls) rule(c.Name, c.Parent, c.Class, c.Place);
  for (const RowLabel& row : plan.Rows)
    rule(row.Name, row.Parent, QStringLiteral("QLabel"), row.Place);
  return css;
}

QJsonObject Counters() {
  QJsonObject counters;
  counters.insert(LabelName(kevolan::window::kDayLabel), QStringLiteral("Day"));
  counters.insert(LabelName(kevolan::window::kMonthLabel), QStringLiteral("Month"));
  for (const kevolan::window::CounterLabel& c : kevolan::window::kCounterLabels) {
    counters.insert(LabelName(c.Label), FromGame(c.Key));
  }
  return counters;
}

// Each item's labels by what they show, in the catalogue's order; null where it has none.
QJsonArray Items() {
  QJsonArray items;
  for (const kevolan::ItemInfo& info : kevolan::kItemTable) {
    const kevolan::window::ItemRows& rows = kevolan::window::RowsOf(info.Id);
    QJsonObject item{{QStringLiteral("Item"), FromGame(info.Key)},
                     {QStringLiteral("Name"), FromGame(info.Name)}};
    for (const kevolan::window::FrameInfo& frame : kevolan::window::kFrames) {
      const kevolan::window::Row& row = rows[frame.Id];
      const int label = frame.Id == Frame::Owned ? row.NameLabel : row.ValueLabel;
      item.insert(FromGame(frame.Key), row.Shown() ? QJsonValue(LabelName(label)) : QJsonValue());
    }
    items.append(item);
  }
  return items;
}

QJsonArray Box(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

void WriteDesign(WindowPlan& plan, const QString& path) {
  QDomDocument& doc = plan.Design;
  const QDomElement window = doc.documentElement().firstChildElement(QStringLiteral("widget"));
  for (const PlacedControl& c : plan.Controls) {
    if (c.Place == c.Designed) continue;
    QDomElement widget = FindWidget(window, c.Name);
    for (QDomElement p = widget.firstChildElement(QStringLiteral("property")); !p.isNull();
         p = p.nextSiblingElement(QStringLiteral("property"))) {
      if (p.attribute(QStringLiteral("name")) == QLatin1String("geometry")) {
        p.replaceChild(Rect(doc, c.Place), p.firstChildElement(QStringLiteral("rect")));
      }
    }
  }
  for (const RowLabel& row : plan.Rows) {
    QDomElement label = doc.createElement(QStringLiteral("widget"));
    label.setAttribute(QStringLiteral("class"), QStringLiteral("QLabel"));
    label.setAttribute(QStringLiteral("name"), row.Name);
    label.appendChild(Property(doc, QStringLiteral("geometry"), Rect(doc, row.Place)));
    label.appendChild(
        Property(doc, QStringLiteral("text"), Element(doc, QStringLiteral("string"), row.Text)));
    if (row.Red) label.appendChild(Property(doc, QStringLiteral("palette"), RedPalette(doc)));
    if (!row.Shown) {
      label.appendChild(Property(doc, QStringLiteral("visible"),
                                 Element(doc, QStringLiteral("bool"), QStringLiteral("false"))));
    }
    FindWidget(window, row.Parent).appendChild(label);
  }
  Write(path, doc.toByteArray(2));
}

void WriteSite(const WindowPlan& plan, const QString& site) {
  const QDir dir(site);
  Write(dir.filePath(QStringLiteral("places.css")), PlacesCss(plan).toUtf8());
  const QJsonObject controls{
      {QStringLiteral("window"),
       QJsonArray{plan.Controls.front().Place.width(), plan.Controls.front().Place.height()}},
      {QStringLiteral("counters"), Counters()},
      {QStringLiteral("items"), Items()}};
  Write(dir.filePath(QStringLiteral("controls.js")),
        "// Written at build time from the window's table of labels: which label shows which\n"
        "// field of the state, and each item's name.\n'use strict';\nconst controls = " +
            QJsonDocument(controls).toJson(QJsonDocument::Indented).trimmed() + ";\n");
  const QString index = dir.filePath(QStringLiteral("index.html"));
  Write(index, WithRows(QString::fromUtf8(Read(index)), plan).toUtf8());
}

void WritePlanJson(const WindowPlan& plan, const QString& path) {
  QJsonArray places;
  QJsonObject designed;
  for (const PlacedControl& c : plan.Controls) {
    places.append(QJsonArray{c.Name, c.Parent.isEmpty() ? QJsonValue() : QJsonValue(c.Parent),
                             Box(c.Place), c.Class});
    designed.insert(c.Name, Box(c.Designed));
  }
  for (const RowLabel& row : plan.Rows) {
    places.append(QJsonArray{row.Name, row.Parent, Box(row.Place), QStringLiteral("QLabel")});
  }
  const QJsonObject json{{QStringLiteral("places"), places},
                         {QStringLiteral("designed"), designed},
                         {QStringLiteral("counters"), Counters()},
                         {QStringLiteral("items"), Items()}};
  Write(path, QJsonDocument(json).toJson(QJsonDocument::Indented));
}
