// The main window as a new game opens it: every control in its place with its text and looks,
// what is shown and what is hidden, and the context menu on every part of the window.
#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStyleOptionButton>
#include <QTest>

#include "MessageBoxMessenger.h"
#include "PixelFonts.h"
#include "Unit1.h"
#include "Unit2.h"
#include "ViewChecks.h"
#include "WindowRows.h"

using kevolan::Item;
using kevolan::window::Frame;

namespace {

QString LabelName(int number) { return QStringLiteral("Label%1").arg(number); }

// The window's design draws it for the catalogue's own items. An item more grows the frames its
// rows go into and moves down what stands below them: the plan the build laid out says how far,
// and a control's designed place is checked where that moved it (for these items, nowhere).
QRect Moved(const QString& name, QRect designed) {
  static const QJsonObject plan = [] {
    QFile file(QStringLiteral(KEVOLAN_WINDOW_PLAN));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", KEVOLAN_WINDOW_PLAN);
    return QJsonDocument::fromJson(file.readAll()).object();
  }();
  const QJsonArray drawn = plan[QStringLiteral("designed")][name].toArray();
  for (const QJsonValue& place : plan[QStringLiteral("places")].toArray()) {
    const QJsonArray row = place.toArray();
    if (row[0].toString() != name || drawn.size() != 4) continue;
    const QJsonArray now = row[2].toArray();
    designed.translate(0, now[1].toInt() - drawn[1].toInt());
    designed.setHeight(designed.height() + now[3].toInt() - drawn[3].toInt());
    return designed;
  }
  return designed;
}

}  // namespace

class Form1Layout : public QObject {
  Q_OBJECT

 private:
  QWidget* Find(TForm1& form, const char* name) {
    if (form.objectName() == QLatin1String(name)) return &form;
    return form.findChild<QWidget*>(QLatin1String(name));
  }

 private slots:
  void theWindowsTableIsTheDesign();
  void everyControlHasItsNamePlaceAndSize_data();
  void everyControlHasItsNamePlaceAndSize();
  void textsFontsAndColours();
  void newGameShown();
  void everyCaptionFitsItsPlace();
  void picturesFillTheirPanels();
  void foodPictureShowsTheWindowColour();
  void nextDayButtonComesFirst();
  void rightClickAnywhereOpensTheMenu();
  void aboutShowsTheCreditsWindow();
  void applicationTitleComesFromTheProgramName();
};

void Form1Layout::everyControlHasItsNamePlaceAndSize_data() {
  QTest::addColumn<QString>("parent");
  QTest::addColumn<QRect>("place");
  const auto row = [](const char* name, const char* parent, QRect place) {
    QTest::newRow(name) << QString::fromLatin1(parent) << Moved(QLatin1String(name), place);
  };
  row("GroupBox2", "Form1", {8, 24, 193, 97});
  row("GroupBox3", "Form1", {208, 8, 161, 65});
  row("GroupBox4", "Form1", {208, 72, 161, 33});
  row("GroupBox7", "Form1", {376, 8, 153, 113});
  row("RadioGroup1", "Form1", {8, 129, 177, 360});
  row("GroupBox1", "Form1", {192, 128, 153, 121});
  row("Panel1", "Form1", {48, 144, 73, 49});
  row("ComboBox2", "Form1", {16, 208, 161, 21});
  row("Panel3", "Form1", {40, 240, 89, 65});
  row("GroupBox5", "Form1", {192, 248, 153, 121});
  row("ComboBox3", "Form1", {16, 328, 161, 21});
  row("Panel2", "Form1", {48, 360, 97, 57});
  row("GroupBox6", "Form1", {192, 368, 153, 121});
  row("ComboBox4", "Form1", {16, 440, 161, 21});
  row("GroupBox8", "Form1", {360, 176, 169, 177});
  row("Button1", "Form1", {360, 384, 169, 25});
  row("Button2", "Form1", {360, 432, 169, 25});
  row("CheckBox1", "GroupBox2", {8, 8, 65, 17});
  row("ComboBox1", "GroupBox2", {8, 32, 153, 21});
  // Labels size themselves to their captions: only the height is fixed, the width is checked
  // for fit elsewhere.
  row("Label57", "Form1", {8, 0, -1, 20});
  row("Label58", "Form1", {32, 0, -1, 20});
  row("Label56", "Form1", {208, 112, -1, 13});
  row("Label46", "GroupBox4", {8, 16, -1, 13});
  const char* foods[][2] = {{"Label1", "Label37"}, {"Label2", "Label38"}, {"Label3", "Label39"}};
  for (int i = 0; i < 3; ++i) {
    row(foods[i][0], "GroupBox1", {8, 24 + 24 * i, -1, 13});
    row(foods[i][1], "GroupBox1", {104, 24 + 24 * i, -1, 13});
  }
  const char* streaks[][2] = {{"Label4", "Label47"}, {"Label5", "Label48"}, {"Label6", "Label49"}};
  for (int i = 0; i < 3; ++i) {
    row(streaks[i][0], "GroupBox3", {8, 16 + 16 * i, -1, 13});
    row(streaks[i][1], "GroupBox3", {96, 16 + 16 * i, -1, 13});
  }
  // Every item's rows where the window's table puts them (its design, as the first test holds).
  for (const kevolan::window::ItemRows& rows : kevolan::window::kItemRows) {
    for (const kevolan::window::FrameInfo& frame : kevolan::window::kFrames) {
      const kevolan::window::Row& at = rows[frame.Id];
      if (!at.Shown()) continue;
      const QString parent = QString::fromLatin1(frame.Name.data(), frame.Name.size());
      const auto label = [&](int number, int left) {
        QTest::newRow(qPrintable(LabelName(number)))
            << parent << QRect(left, at.Top(frame), -1, frame.RowHeight);
      };
      label(at.NameLabel, frame.NameLeft);
      if (at.ValueLabel) label(at.ValueLabel, frame.ValueLeft);
    }
  }
}

// The window's table, which the window, the page and their checks are made from, holds the
// design's rows for the catalogue's own items: which item each row of each frame shows, with
// which labels, and where; and which label shows each counter that is no item's.
void Form1Layout::theWindowsTableIsTheDesign() {
  const struct {
    Frame Id;
    const char* Control;
    Item Items[6];
    int Names[6];
    int Values[6];
    int Tops[6];
    int Left, ValueLeft, Height;
  } design[] = {
      {Frame::Creation,
       "GroupBox5",
       {Item::FishingTackle, Item::HuntingWeapon, Item::Hut, Item::Cave, Item::NewClothes,
        Item::Boat},
       {7, 8, 9, 10, 11, 12},
       {40, 41, 42, 43, 44, 45},
       {16, 32, 48, 64, 80, 96},
       8,
       128,
       13},
      {Frame::Repair,
       "GroupBox6",
       {Item::FishingTackle, Item::HuntingWeapon, Item::Hut, Item::Cave, Item::NewClothes,
        Item::OldClothes},
       {13, 14, 15, 16, 18, 17},
       {31, 32, 33, 34, 35, 36},
       {16, 32, 48, 64, 80, 96},
       8,
       128,
       13},
      {Frame::Wear,
       "GroupBox7",
       {Item::FishingTackle, Item::HuntingWeapon, Item::Hut, Item::Cave, Item::OldClothes,
        Item::NewClothes},
       {19, 20, 21, 22, 23, 24},
       {25, 26, 27, 28, 29, 30},
       {16, 32, 48, 64, 80, 96},
       8,
       128,
       13},
      {Frame::Owned,
       "GroupBox8",
       {Item::OldClothes, Item::FishingTackle, Item::HuntingWeapon, Item::Hut, Item::Cave,
        Item::NewClothes},
       {55, 50, 51, 52, 53, 54},
       {0, 0, 0, 0, 0, 0},
       {29, 56, 80, 104, 128, 152},
       8,
       0,
       20},
  };
  for (const auto& frame : design) {
    const kevolan::window::FrameInfo& info = kevolan::window::Info(frame.Id);
    QCOMPARE(QLatin1String(info.Name.data(), info.Name.size()), QLatin1String(frame.Control));
    QCOMPARE(info.DrawnRows, 6);
    QCOMPARE(info.RowHeight, frame.Height);
    QCOMPARE(info.NameLeft, frame.Left);
    if (frame.ValueLeft) QCOMPARE(info.ValueLeft, frame.ValueLeft);
    for (int i = 0; i < 6; ++i) {
      const kevolan::window::Row& row = kevolan::window::RowsOf(frame.Items[i])[frame.Id];
      const QString where = QStringLiteral("%1 row %2").arg(frame.Control).arg(i);
      QVERIFY2(row.At == i, qPrintable(where));
      QVERIFY2(row.NameLabel == frame.Names[i], qPrintable(where));
      QVERIFY2(row.ValueLabel == frame.Values[i], qPrintable(where));
      QVERIFY2(row.Top(info) == frame.Tops[i], qPrintable(where));
      // Only the boat's days of work are red among the counters.
      QVERIFY2(row.Red == (frame.Items[i] == Item::Boat), qPrintable(where));
    }
  }
  QCOMPARE(kevolan::window::kDayLabel, 57);
  QCOMPARE(kevolan::window::kMonthLabel, 58);
  const std::pair<kevolan::Count kevolan::GameState::*, int> counters[] = {
      {&kevolan::GameState::SickDays, 56},      {&kevolan::GameState::HungryDays, 46},
      {&kevolan::GameState::FruitStock, 37},    {&kevolan::GameState::FishStock, 38},
      {&kevolan::GameState::WildGameStock, 39}, {&kevolan::GameState::FruitStreak, 47},
      {&kevolan::GameState::FishStreak, 48},    {&kevolan::GameState::WildGameStreak, 49}};
  QCOMPARE(std::size(kevolan::window::kCounterLabels), std::size(counters));
  for (const auto& [field, label] : counters) {
    const auto* row = std::ranges::find(kevolan::window::kCounterLabels, field,
                                        &kevolan::window::CounterLabel::Field);
    QCOMPARE(row->Label, label);
  }
}

void Form1Layout::everyControlHasItsNamePlaceAndSize() {
  QFETCH(QString, parent);
  QFETCH(QRect, place);
  TForm1 form;
  QWidget* control = Find(form, QTest::currentDataTag());
  QVERIFY2(control != nullptr, QTest::currentDataTag());
  QCOMPARE(control->parentWidget()->objectName(), parent);
  QCOMPARE(control->pos(), place.topLeft());
  QCOMPARE(control->height(), place.height());
  if (place.width() >= 0) QCOMPARE(control->width(), place.width());
}

void Form1Layout::textsFontsAndColours() {
  TForm1 form;
  QCOMPARE(form.objectName(), QStringLiteral("Form1"));
  QCOMPARE(form.windowTitle(), QStringLiteral("Игра \"Кеволан\""));
  // The client area inside the original 554 x 525 outer size, at the original place.
  QCOMPARE(QRect(QPoint(), form.size()), Moved(QStringLiteral("Form1"), QRect(0, 0, 546, 498)));
  QCOMPARE(form.pos(), QPoint(264, 125));
  const Qt::WindowFlags flags = form.windowFlags();
  QVERIFY(flags & Qt::WindowCloseButtonHint);
  QVERIFY(flags & Qt::WindowSystemMenuHint);
  QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
  QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

  QCOMPARE(form.font().pixelSize(), 11);
  QCOMPARE(form.font().family(), WindowFontFamily());
  const struct {
    QWidget* Control;
    int Pixels;
    bool Bold;
  } fonts[] = {
      {form.Label57, 16, true},    {form.Label58, 16, true},
      {form.GroupBox8, 24, true},  {form.Label55, 16, false},
      {form.Label54, 16, false},   {form.Button1, 16, false},
      {form.Button2, 16, true},    {form.Label37, 11, false},
      {form.ComboBox3, 11, false}, {form.RadioGroup1Button0, 11, false},
      {form.Label12, 11, false},
  };
  for (const auto& f : fonts) {
    QCOMPARE(f.Control->font().pixelSize(), f.Pixels);
    QCOMPARE(f.Control->font().bold(), f.Bold);
    QCOMPARE(f.Control->font().family(), WindowFontFamily());
  }

  const QColor red(255, 0, 0);
  for (QLabel* label : {form.Label12, form.Label45, form.Label50, form.Label51, form.Label52,
                        form.Label53, form.Label54, form.Label55}) {
    QCOMPARE(label->palette().color(QPalette::WindowText), red);
  }
  for (QLabel* label : {form.Label11, form.Label44, form.Label17, form.Label23, form.Label37}) {
    QVERIFY(label->palette().color(QPalette::WindowText) != red);
  }

  const struct {
    QLabel* Label;
    const char* Text;
  } texts[] = {
      {form.Label1, "Фрукты "},
      {form.Label2, "Рыба "},
      {form.Label3, "Дичь"},
      {form.Label4, "Фрукты"},
      {form.Label5, "Рыба"},
      {form.Label6, "Дичь"},
      {form.Label7, "Рыболовные снасти"},
      {form.Label12, "Лодка"},
      {form.Label17, "Старая одежда"},
      {form.Label18, "Новая одежда"},
      {form.Label23, "Старая одежда"},
      {form.Label24, "Новая одежда"},
      {form.Label53, "Пещера"},
      {form.Label55, "Старая одежда"},
  };
  for (const auto& t : texts) QCOMPARE(t.Label->text(), QString::fromUtf8(t.Text));
  // Every item's name in each of its rows; only the boat's days of work and what is owned red.
  for (const kevolan::window::ItemRows& rows : kevolan::window::kItemRows) {
    for (const kevolan::window::FrameInfo& frame : kevolan::window::kFrames) {
      const kevolan::window::Row& row = rows[frame.Id];
      if (!row.Shown()) continue;
      const bool drawnRed = row.Red || frame.Id == Frame::Owned;
      for (int number : {row.NameLabel, row.ValueLabel}) {
        if (number == 0) continue;
        const auto* label = form.findChild<QLabel*>(LabelName(number));
        QVERIFY2(label != nullptr, qPrintable(LabelName(number)));
        QVERIFY2((label->palette().color(QPalette::WindowText) == red) == drawnRed,
                 qPrintable(LabelName(number)));
      }
      QCOMPARE(form.findChild<QLabel*>(LabelName(row.NameLabel))->text(),
               FromGame(kevolan::NameOf(rows.Id)));
    }
  }

  QCOMPARE(form.GroupBox2->title(), QString());
  QCOMPARE(form.GroupBox3->title(), QStringLiteral("Питание дней подряд"));
  QCOMPARE(form.GroupBox4->title(), QStringLiteral("Оставался голодный"));
  QCOMPARE(form.GroupBox7->title(), QStringLiteral("Осталось дней действия"));
  QCOMPARE(form.GroupBox1->title(), QStringLiteral("Запасы еды"));
  QCOMPARE(form.GroupBox5->title(), QStringLiteral("Осталось дней на создание"));
  QCOMPARE(form.GroupBox6->title(), QStringLiteral("Осталось дней на ремонт"));
  QCOMPARE(form.GroupBox8->title(), QStringLiteral("У вас есть"));
  QCOMPARE(form.RadioGroup1->title(), QStringLiteral("Вид деятельности"));
  QCOMPARE(form.RadioGroup1Button0->text(), QStringLiteral("Заготовка продуктов"));
  QCOMPARE(form.RadioGroup1Button1->text(), QStringLiteral("Создание"));
  QCOMPARE(form.RadioGroup1Button2->text(), QStringLiteral("Ремонт"));
  QCOMPARE(form.CheckBox1->text(), QStringLiteral("Питание"));
  QCOMPARE(form.Button1->text(), QStringLiteral("следующий день ->"));
  QCOMPARE(form.Button2->text(), QStringLiteral("ВЫ НЕ ВЫЖИЛИ"));
}

void Form1Layout::newGameShown() {
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QVERIFY_VIEW(form);

  QCOMPARE(form.Label57->text(), QStringLiteral("1"));
  QCOMPARE(form.Label58->text(), QStringLiteral("Января"));
  // Of all the per-item numbers only the old clothes' wear and the boat's days are on show.
  QStringList shownValues;
  for (const kevolan::window::ItemRows& rows : kevolan::window::kItemRows) {
    for (const kevolan::window::FrameInfo& frame : kevolan::window::kFrames) {
      if (!rows[frame.Id].ValueLabel) continue;
      auto* label = form.findChild<QLabel*>(LabelName(rows[frame.Id].ValueLabel));
      if (label->isVisible()) shownValues << label->objectName() + "=" + label->text();
    }
  }
  shownValues.sort();
  QCOMPARE(shownValues, QStringList({"Label29=30", "Label45=100"}));
  QVERIFY(form.Label55->isVisible());
  for (QLabel* owned : {form.Label50, form.Label51, form.Label52, form.Label53, form.Label54}) {
    QVERIFY(!owned->isVisible());
  }

  QVERIFY(!form.CheckBox1->isChecked());
  QCOMPARE(form.RadioGroup1Items->checkedId(), -1);
  QVERIFY(form.RadioGroup1->isEnabled());
  for (TChoiceBox* box : {form.ComboBox1, form.ComboBox2, form.ComboBox3, form.ComboBox4}) {
    QVERIFY(!box->isEnabled());
    QVERIFY(box->isEditable());
  }
  QCOMPARE(form.ComboBox2->currentText(), QStringLiteral("Поход за фруктами"));
  QCOMPARE(form.ComboBox3->count(), OfferedForCreationAtStart());
  QCOMPARE(form.ComboBox3->currentText(), QString());
  QCOMPARE(form.ComboBox4->itemText(0), QStringLiteral("Старая одежда"));
  QCOMPARE(form.ComboBox4->currentText(), QString());
  QCOMPARE(form.ComboBox1->count(), 0);
  QVERIFY(form.Button1->isVisible());
  QVERIFY(!form.Button2->isVisible());
}

void Form1Layout::everyCaptionFitsItsPlace() {
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  for (QLabel* label : form.findChildren<QLabel*>()) {
    if (label->objectName().startsWith("Image")) continue;
    const QSize needed = label->sizeHint();
    QVERIFY2(label->width() >= needed.width() && label->height() >= needed.height() - 1,
             qPrintable(label->objectName()));
    // Inside its frame, clear of the frame's right border.
    QVERIFY2(label->geometry().right() < label->parentWidget()->width() - 2,
             qPrintable(label->objectName()));
  }
  // Name labels end before the numbers beside them, even the longest item names.
  QList<QPair<QLabel*, QLabel*>> rows = {{form.Label1, form.Label37}, {form.Label4, form.Label47}};
  for (const kevolan::window::ItemRows& items : kevolan::window::kItemRows) {
    for (const kevolan::window::FrameInfo& frame : kevolan::window::kFrames) {
      const kevolan::window::Row& row = items[frame.Id];
      if (row.ValueLabel == 0) continue;
      rows.append(qMakePair(form.findChild<QLabel*>(LabelName(row.NameLabel)),
                            form.findChild<QLabel*>(LabelName(row.ValueLabel))));
    }
  }
  for (const auto& [name, value] : rows) {
    QVERIFY2(name->geometry().right() < value->x(), qPrintable(name->objectName()));
  }
  // The largest numbers a long game brings still fit their frames.
  form.Label28->setText("183");
  form.Label28->adjustSize();
  QVERIFY(form.Label28->geometry().right() < form.GroupBox7->width() - 2);
  // A frame's title starts 8 pixels in and keeps as much room before the frame's right edge.
  for (QGroupBox* frame : form.findChildren<QGroupBox*>()) {
    const qreal title = QFontMetricsF(frame->font()).horizontalAdvance(frame->title());
    QVERIFY2(8 + title + 8 <= frame->width(), qPrintable(frame->objectName()));
  }
  for (QPushButton* button : {form.Button1, form.Button2}) {
    QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->objectName()));
  }
  // The check box and the options: the caption fits beside the mark.
  const QList<QPair<QAbstractButton*, QStyle::SubElement>> marked = {
      {form.CheckBox1, QStyle::SE_CheckBoxContents},
      {form.RadioGroup1Button0, QStyle::SE_RadioButtonContents},
      {form.RadioGroup1Button1, QStyle::SE_RadioButtonContents},
      {form.RadioGroup1Button2, QStyle::SE_RadioButtonContents}};
  for (const auto& [button, contents] : marked) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect room = button->style()->subElementRect(contents, &option, button);
    const int text = button->fontMetrics().horizontalAdvance(button->text());
    QVERIFY2(room.x() + text <= button->width(), qPrintable(button->objectName()));
  }
  // The day fits before the month even on the widest day, "30".
  form.Label57->setText("30");
  form.Label57->adjustSize();
  QVERIFY(form.Label57->geometry().right() < form.Label58->x());
}

void Form1Layout::picturesFillTheirPanels() {
  TForm1 form;
  const struct {
    QLabel* Image;
    QSize Size;
    QPoint Offset;
  } pictures[] = {
      {form.Image1, {80, 56}, {0, 0}},  // cut to its panel
      {form.Image3, {97, 65}, {-8, 0}},
      {form.Image2, {97, 65}, {0, -8}},
  };
  for (const auto& p : pictures) {
    QVERIFY2(!p.Image->pixmap().isNull(), qPrintable(p.Image->objectName()));
    QCOMPARE(p.Image->pixmap().size(), p.Size);
    QCOMPARE(p.Image->pos(), p.Offset);
    // The picture covers its whole panel.
    QVERIFY(p.Image->geometry().contains(p.Image->parentWidget()->rect()));
  }
  // Each picture stands above its activity's option and that option above its box.
  const int captions[] = {form.RadioGroup1->y() + form.RadioGroup1Button0->geometry().center().y(),
                          form.RadioGroup1->y() + form.RadioGroup1Button1->geometry().center().y(),
                          form.RadioGroup1->y() + form.RadioGroup1Button2->geometry().center().y()};
  const QWidget* panels[] = {form.Panel1, form.Panel3, form.Panel2};
  const QWidget* boxes[] = {form.ComboBox2, form.ComboBox3, form.ComboBox4};
  for (int i = 0; i < 3; ++i) {
    QVERIFY(panels[i]->geometry().bottom() < captions[i] - 4);
    QVERIFY(captions[i] + 4 < boxes[i]->y());
  }
}

void Form1Layout::foodPictureShowsTheWindowColour() {
  // A desktop whose button face is far from the grey the picture was drawn on.
  TForm1 form;
  const QColor face(0x30, 0x60, 0x90);
  QPalette colours = form.palette();
  colours.setColor(QPalette::Window, face);
  form.setPalette(colours);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  const QImage panel = form.Panel1->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(panel.size(), QSize(73, 49));
  // Around the fruit and fish the window's colour, to the panel's very edges.
  int face_pixels = 0;
  for (int y = 0; y < panel.height(); ++y) {
    for (int x = 0; x < panel.width(); ++x) {
      const bool edge = x == 0 || y == 0 || x == panel.width() - 1 || y == panel.height() - 1;
      const bool isFace = panel.pixel(x, y) == face.rgb();
      if (edge && x < 64) QVERIFY2(isFace, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
      face_pixels += isFace;
    }
  }
  QVERIFY(face_pixels > panel.width() * panel.height() / 3);
  // The drawing itself stays: the fish's eye, the apple, the banana.
  QCOMPARE(QColor(panel.pixel(36, 36)).lightness() < 60, true);
  QVERIFY(qRed(panel.pixel(52, 17)) > 2 * qGreen(panel.pixel(52, 17)));
  QVERIFY(qRed(panel.pixel(8, 22)) > 2 * qBlue(panel.pixel(8, 22)));
  // The other two pictures are not transparent: they keep the grey they were drawn on.
  const QImage repair = form.Panel2->grab().toImage();
  QVERIFY(QColor(repair.pixel(1, 1)) != face);
}

void Form1Layout::nextDayButtonComesFirst() {
  TForm1 form;
  form.show();
  QApplication::setActiveWindow(&form);
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QCOMPARE(QApplication::focusWidget(), form.Button1);
  // Tab walks on through the eating controls.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), form.CheckBox1);
}

void Form1Layout::rightClickAnywhereOpensTheMenu() {
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QCOMPARE(form.PopupMenu1->actions().size(), 3);
  QCOMPARE(form.PopupMenu1->actions().at(0)->text(), QStringLiteral("Help"));
  QCOMPARE(form.PopupMenu1->actions().at(1)->text(), QStringLiteral("About"));
  QCOMPARE(form.PopupMenu1->actions().at(2)->text(), QStringLiteral("Подсказка"));
  QCOMPARE(form.PopupMenu1->actions().at(2)->shortcut(), QKeySequence(Qt::Key_F2));
  // A window of its own, yet in the window's 11-pixel face.
  QCOMPARE(QFontInfo(form.PopupMenu1->font()).pixelSize(), 11);
  QCOMPARE(form.PopupMenu1->font().family(), WindowFontFamily());
  // So are the boxes' lists, windows of their own too.
  QCOMPARE(QFontInfo(form.ComboBox3->view()->font()).pixelSize(), 11);

  QList<QWidget*> targets = {
      &form,        form.GroupBox2, form.GroupBox8, form.RadioGroup1, form.RadioGroup1Button1,
      form.Button1, form.CheckBox1, form.Label57,   form.Label45,     form.Label55,
      form.Image1,  form.Image2,    form.Panel3};
  for (TChoiceBox* box : {form.ComboBox1, form.ComboBox2, form.ComboBox3, form.ComboBox4}) {
    targets << box << box->lineEdit();
  }
  for (QWidget* target : targets) {
    QVERIFY(!form.PopupMenu1->isVisible());
    const QPoint inside(2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, target->mapToGlobal(inside));
    QApplication::sendEvent(target, &event);
    QVERIFY2(form.PopupMenu1->isVisible(), qPrintable(target->objectName()));
    form.PopupMenu1->hide();
  }
  QCOMPARE(form.State().Day, 1);
}

void Form1Layout::aboutShowsTheCreditsWindow() {
  TForm1 form;
  TForm2 form2;
  form.show();
  form.About1->trigger();  // no credits window known yet: nothing happens
  form.SetForm2(&form2);
  QVERIFY(!form2.isVisible());
  form.About1->trigger();
  QVERIFY(form2.isVisible());
  form.About1->trigger();  // already open: it only comes to the front
  QVERIFY(form2.isVisible());
}

void Form1Layout::applicationTitleComesFromTheProgramName() {
  QCOMPARE(ApplicationTitle("/usr/games/kevolan"), QStringLiteral("kevolan"));
  QCOMPARE(ApplicationTitle("C:/Games/Project1.EXE"), QStringLiteral("Project1"));
  QCOMPARE(ApplicationTitle("/opt/KEVOLAN.bin"), QStringLiteral("Kevolan"));
  QCOMPARE(ApplicationTitle("/opt/game.tar.gz"), QStringLiteral("game.tar"));
  QCOMPARE(ApplicationTitle("/opt/ИГРА"), QStringLiteral("Игра"));
}

QTEST_MAIN(Form1Layout)
#include "tst_Form1Layout.moc"
