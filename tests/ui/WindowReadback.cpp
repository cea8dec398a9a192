#include "WindowReadback.h"

#include <QLineEdit>
#include <string>

#include "GameView.h"
#include "WindowRows.h"

namespace {

QString Quoted(const QString& text) {
  // Long typed texts are cut, so a failure stays readable.
  constexpr qsizetype kShown = 80;
  if (text.size() <= kShown) return u'"' + text + u'"';
  return u'"' + text.left(kShown) + QStringLiteral("\"... (%1 characters)").arg(text.size());
}

QString YesNo(bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); }

class Diff {
 public:
  QStringList Lines;

  void Text(const QString& field, const QString& control, const QString& window,
            const QString& driver) {
    if (window != driver) Add(field, control, Quoted(window), Quoted(driver));
  }
  void Flag(const QString& field, const QString& control, bool window, bool driver) {
    if (window != driver) Add(field, control, YesNo(window), YesNo(driver));
  }
  void List(const QString& field, const QString& control, const QStringList& window,
            const QStringList& driver) {
    if (window == driver) return;
    auto joined = [](const QStringList& l) { return u'[' + l.join(QStringLiteral(", ")) + u']'; };
    Add(field, control, joined(window), joined(driver));
  }

 private:
  void Add(const QString& field, const QString& control, const QString& window,
           const QString& driver) {
    Lines.append(
        QStringLiteral("%1 (%2): window %3, driver %4").arg(field, control, window, driver));
  }
};

// A label the window's table names by number; a window that lacks it fails the comparison.
const QLabel* Label(const TForm1& f, int number) {
  const auto* label = f.findChild<const QLabel*>(QStringLiteral("Label%1").arg(number));
  if (label == nullptr) qFatal("The window has no Label%d", number);
  return label;
}

// A label that always shows a number.
void Number(Diff& d, const QString& field, const QLabel* label, kevolan::Count value) {
  d.Text(field, label->objectName() + QStringLiteral(" text"), label->text(),
         QString::number(value));
  d.Flag(field + QStringLiteral(" shown"), label->objectName() + QStringLiteral(" visible"),
         label->isVisible(), true);
}

// A per-item counter, whose label comes and goes.
void Counter(Diff& d, const QString& field, const QLabel* label, const kevolan::Counter& c) {
  if (label == nullptr) return;
  d.Text(field, label->objectName() + QStringLiteral(" text"), label->text(),
         QString::number(c.Value));
  d.Flag(field + QStringLiteral(" shown"), label->objectName() + QStringLiteral(" visible"),
         label->isVisible(), c.Shown);
}

void Choice(Diff& d, const QString& field, const TChoiceBox* box, const kevolan::ChoiceList& l) {
  QStringList options;
  for (kevolan::NameId option : l.Options()) options.append(FromGame(kevolan::TextOf(option)));
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items.append(box->itemText(i));
  const QString name = box->objectName();
  d.List(field + QStringLiteral(".Options"), name + QStringLiteral(" list"), items, options);
  d.Text(field + QStringLiteral(".Text"), name + QStringLiteral(" text"), box->lineEdit()->text(),
         FromGame(l.Text()));
  d.Flag(field + QStringLiteral(".Enabled"), name + QStringLiteral(" enabled"), box->isEnabled(),
         l.Enabled);
  d.Flag(field + QStringLiteral(" shown"), name + QStringLiteral(" visible"), box->isVisible(),
         true);
}

}  // namespace

QStringList WindowDiffers(const TForm1& f, const kevolan::GameState& s) {
  Diff d;
  Number(d, QStringLiteral("Day"), f.Label57, s.Day);
  d.Text(QStringLiteral("Month"), QStringLiteral("Label58 text"), f.Label58->text(),
         FromGame(kevolan::NameOf(s.Month)));
  d.Flag(QStringLiteral("Month shown"), QStringLiteral("Label58 visible"), f.Label58->isVisible(),
         true);
  // Which label shows which counter is read from the window's table, which the layout test
  // holds to the window's design; a label that shows the wrong field is caught here, by name.
  for (const kevolan::window::CounterLabel& counter : kevolan::window::kCounterLabels) {
    Number(d, FromGame(counter.Key), Label(f, counter.Label), s.*counter.Field);
  }
  for (const kevolan::window::ItemRows& rows : kevolan::window::kItemRows) {
    const kevolan::ItemState& item = s[rows.Id];
    const QString key = QStringLiteral("Items.") + FromGame(kevolan::Info(rows.Id).Key);
    for (const kevolan::window::FrameInfo& frame : kevolan::window::kFrames) {
      const kevolan::window::Row& row = rows[frame.Id];
      if (!row.Shown()) continue;
      const QString field = key + u'.' + FromGame(frame.Key);
      if (frame.Shows == nullptr) {
        const QLabel* owned = Label(f, row.NameLabel);
        d.Flag(field, owned->objectName() + QStringLiteral(" visible"), owned->isVisible(),
               item.Owned);
      } else {
        Counter(d, field, Label(f, row.ValueLabel), item.*frame.Shows);
      }
    }
  }

  d.Flag(QStringLiteral("EatToday"), QStringLiteral("CheckBox1 checked"), f.CheckBox1->isChecked(),
         s.EatToday);
  d.Flag(QStringLiteral("EatToday usable"), QStringLiteral("CheckBox1 enabled"),
         f.CheckBox1->isEnabled(), true);
  const QRadioButton* options[] = {f.RadioGroup1Button0, f.RadioGroup1Button1,
                                   f.RadioGroup1Button2};
  for (int i = 0; i < 3; ++i) {
    d.Flag(QStringLiteral("Activity is %1").arg(FromGame(kevolan::kActivityNames[i])),
           options[i]->objectName() + QStringLiteral(" checked"), options[i]->isChecked(),
           static_cast<int>(s.Activity) == i);
  }
  d.Flag(QStringLiteral("ActivityEnabled"), QStringLiteral("RadioGroup1 enabled"),
         f.RadioGroup1->isEnabled(), s.ActivityEnabled);

  Choice(d, QStringLiteral("Boxes.FoodChoice"), f.ComboBox1, s.FoodChoice);
  Choice(d, QStringLiteral("Boxes.GatherChoice"), f.ComboBox2, s.GatherChoice);
  Choice(d, QStringLiteral("Boxes.CreateChoice"), f.ComboBox3, s.CreateChoice);
  Choice(d, QStringLiteral("Boxes.RepairChoice"), f.ComboBox4, s.RepairChoice);

  d.Flag(QStringLiteral("next day possible (not GameOver)"), QStringLiteral("Button1 visible"),
         f.Button1->isVisible(), !s.GameOver);
  d.Flag(QStringLiteral("GameOver"), QStringLiteral("Button2 visible"), f.Button2->isVisible(),
         s.GameOver);
  return d.Lines;
}
