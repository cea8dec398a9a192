#include "WindowReadback.h"

#include <QLineEdit>
#include <string>

#include "GameView.h"

namespace {

using kevolan::Item;

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
  Number(d, QStringLiteral("SickDays"), f.Label56, s.SickDays);
  Number(d, QStringLiteral("HungryDays"), f.Label46, s.HungryDays);
  Number(d, QStringLiteral("FruitStock"), f.Label37, s.FruitStock);
  Number(d, QStringLiteral("FishStock"), f.Label38, s.FishStock);
  Number(d, QStringLiteral("WildGameStock"), f.Label39, s.WildGameStock);
  Number(d, QStringLiteral("FruitStreak"), f.Label47, s.FruitStreak);
  Number(d, QStringLiteral("FishStreak"), f.Label48, s.FishStreak);
  Number(d, QStringLiteral("WildGameStreak"), f.Label49, s.WildGameStreak);

  // Spelt out here, not read from TForm1's table: the page and its checks are built from that
  // table, so this is where a label showing the wrong field is caught, by name.
  const struct {
    Item Id;
    const char* Name;
    const QLabel *Owned, *Build, *Repair, *Wear;
  } rows[] = {
      {Item::FishingTackle, "FishingTackle", f.Label50, f.Label40, f.Label31, f.Label25},
      {Item::HuntingWeapon, "HuntingWeapon", f.Label51, f.Label41, f.Label32, f.Label26},
      {Item::Hut, "Hut", f.Label52, f.Label42, f.Label33, f.Label27},
      {Item::Cave, "Cave", f.Label53, f.Label43, f.Label34, f.Label28},
      {Item::NewClothes, "NewClothes", f.Label54, f.Label44, f.Label35, f.Label30},
      {Item::OldClothes, "OldClothes", f.Label55, nullptr, f.Label36, f.Label29},
      {Item::Boat, "Boat", nullptr, f.Label45, nullptr, nullptr},
  };
  static_assert(sizeof(rows) / sizeof(rows[0]) == kevolan::kItemCount,
                "a row for every item of the catalogue, or its labels go unchecked");
  for (const auto& row : rows) {
    const kevolan::ItemState& item = s[row.Id];
    const QString key = QStringLiteral("Items.") + QLatin1String(row.Name);
    if (row.Owned) {
      d.Flag(key + QStringLiteral(".Owned"), row.Owned->objectName() + QStringLiteral(" visible"),
             row.Owned->isVisible(), item.Owned);
    }
    Counter(d, key + QStringLiteral(".BuildDaysLeft"), row.Build, item.BuildDaysLeft);
    Counter(d, key + QStringLiteral(".RepairDaysLeft"), row.Repair, item.RepairDaysLeft);
    Counter(d, key + QStringLiteral(".WearDaysLeft"), row.Wear, item.WearDaysLeft);
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
