#include "SpokenNames.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

#include "Catalogue.h"
#include "GameView.h"
#include "SpokenWords.h"
#include "ui_Form1.h"

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

QString Words(std::string_view words) { return FromGame(words); }

// The counters that are no item's, each with the words that go before it.
SpokenCounters GameCounters(const WindowLabels& labels) {
  SpokenCounters counters;
  for (const kevolan::speech::GameCounterWords& counter : kevolan::speech::kGameCounters) {
    for (std::size_t i = 0; i < labels.Counters.size(); ++i) {
      if (kevolan::window::kCounterLabels[i].Field == counter.Field) {
        counters.append({labels.Counters[i], Words(counter.Words)});
      }
    }
  }
  return counters;
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

SpokenCounters NameControls(Ui::TForm1& f, const WindowLabels& labels) {
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
  SayBox(f.ComboBox1, Words(kevolan::speech::kBoxes[0].Name));
  const QString activity = QStringLiteral("Вид деятельности на сегодня");
  Say(f.RadioGroup1Button0, QStringLiteral("Заготовка продуктов"), activity);
  Say(f.RadioGroup1Button1, QStringLiteral("Создание"), activity);
  Say(f.RadioGroup1Button2, QStringLiteral("Ремонт"), activity);
  SayBox(f.ComboBox2, Words(kevolan::speech::kBoxes[1].Name));
  SayBox(f.ComboBox3, Words(kevolan::speech::kBoxes[2].Name));
  SayBox(f.ComboBox4, Words(kevolan::speech::kBoxes[3].Name));
  Say(f.Image1, QStringLiteral("Рисунок: еда"));
  Say(f.Image3, QStringLiteral("Рисунок: молоток и гвозди"));
  Say(f.Image2, QStringLiteral("Рисунок: гаечный ключ"));

  SpokenCounters counters = GameCounters(labels);
  for (const ItemLabels& item : labels.Items) {
    // What the player owns is read as such; the labels only show or hide.
    if (QLabel* owned = item.In(kevolan::window::Frame::Owned)) {
      Say(owned, Words(kevolan::speech::kOwnedWords) + QStringLiteral(": ") + ItemName(item.Id));
    }
    for (const kevolan::speech::ItemFrameWords& frame : kevolan::speech::kItemFrames) {
      if (QLabel* label = item.In(frame.Frame)) {
        counters.append({label, Words(kevolan::speech::ItemCounterWords(item.Id, frame))});
      }
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
