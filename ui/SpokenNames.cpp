#include "SpokenNames.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

#include "Catalogue.h"
#include "GameView.h"
#include "ui_Unit1.h"

using kevolan::Item;

namespace {

void Say(QWidget* widget, const QString& name, const QString& description = {}) {
  if (widget->accessibleName() != name) widget->setAccessibleName(name);
  if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}

// A choice box is read by its text field, which holds the focus. The box itself is read by
// its shown text on this desktop, so its description says what it is for.
void SayBox(TChoiceBox* box, const QString& name) {
  const QString how = QStringLiteral("выбор из списка (Alt+Вниз) или ввод названия");
  Say(box, name, name + QStringLiteral(": ") + how);
  Say(box->lineEdit(), name, how);
}

QString ItemName(Item item) { return FromGame(kevolan::NameOf(item)); }

// The counters that are no item's, each with the words that go before it.
SpokenCounters GameCounters(Ui::TForm1& f) {
  return {
      {f.Label56, QStringLiteral("Осталось дней болезни")},
      {f.Label46, QStringLiteral("Дней без еды")},
      {f.Label37, QStringLiteral("Фрукты в запасе")},
      {f.Label38, QStringLiteral("Рыба в запасе")},
      {f.Label39, QStringLiteral("Дичь в запасе")},
      {f.Label47, QStringLiteral("Фрукты дней подряд")},
      {f.Label48, QStringLiteral("Рыба дней подряд")},
      {f.Label49, QStringLiteral("Дичь дней подряд")},
  };
}

// The main window is read as a window with its caption, not as a nameless panel.
QAccessibleInterface* MainWindowAccessible(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (className != QLatin1String("TForm1") || widget == nullptr || !widget->isWindow()) {
    return nullptr;
  }
  return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

SpokenCounters NameControls(Ui::TForm1& f,
                            const std::array<ItemLabels, kevolan::kItemCount>& items) {
  static const bool installed = [] {
    QAccessible::installFactory(MainWindowAccessible);
    return true;
  }();
  Q_UNUSED(installed);
  Say(f.Button1, QStringLiteral("Следующий день"),
      QStringLiteral("Прожить день с выбранным питанием и занятием"));
  Say(f.Button2, QStringLiteral("Вы не выжили"), QStringLiteral("Закрыть игру"));
  Say(f.GroupBox2, QStringLiteral("Питание на сегодня"));
  Say(f.CheckBox1, QStringLiteral("Питание: есть сегодня"));
  SayBox(f.ComboBox1, QStringLiteral("Какую еду съесть"));
  const QString activity = QStringLiteral("Вид деятельности на сегодня");
  Say(f.RadioGroup1Button0, QStringLiteral("Заготовка продуктов"), activity);
  Say(f.RadioGroup1Button1, QStringLiteral("Создание"), activity);
  Say(f.RadioGroup1Button2, QStringLiteral("Ремонт"), activity);
  SayBox(f.ComboBox2, QStringLiteral("Как заготовить продукты"));
  SayBox(f.ComboBox3, QStringLiteral("Какой предмет создать"));
  SayBox(f.ComboBox4, QStringLiteral("Какой предмет отремонтировать"));
  Say(f.Image1, QStringLiteral("Рисунок: еда"));
  Say(f.Image3, QStringLiteral("Рисунок: молоток и гвозди"));
  Say(f.Image2, QStringLiteral("Рисунок: гаечный ключ"));

  SpokenCounters counters = GameCounters(f);
  for (const ItemLabels& labels : items) {
    const QString name = ItemName(labels.Id);
    // What the player owns is read as such; the labels only show or hide.
    if (labels.Owned) Say(labels.Owned, QStringLiteral("У вас есть: ") + name);
    const QPair<QLabel*, const char*> frames[] = {
        {labels.BuildDaysLeft, "осталось дней на создание"},
        {labels.RepairDaysLeft, "осталось дней на ремонт"},
        {labels.WearDaysLeft, "осталось дней действия"}};
    for (const auto& [label, kind] : frames) {
      if (label) counters.append({label, name + QStringLiteral(", ") + QString::fromUtf8(kind)});
    }
  }
  return counters;
}

void SayCounters(Ui::TForm1& f, const SpokenCounters& counters) {
  Say(f.Label57, QStringLiteral("Дата: %1 %2").arg(f.Label57->text(), f.Label58->text()));
  Say(f.Label58, QStringLiteral("Месяц: ") + f.Label58->text());
  for (const SpokenCounter& row : counters) {
    Say(row.Label, row.What + QStringLiteral(": ") + row.Label->text());
  }
}
