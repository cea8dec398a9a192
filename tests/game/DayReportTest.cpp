// What a player who cannot see the window is told after each day.
#include <gtest/gtest.h>

#include "DayReport.h"
#include "TestGame.h"

namespace kevolan::testing {
namespace {

using speech::DayReport;

// The report of one day played from the game as it stands.
std::string ReportOfDay(TestGame& g) {
  const GameState before = g.S;
  g.Next();
  return DayReport(before, g.S);
}

TEST(DayReport, TellsTheDateAndOnlyWhatTheDayChanged) {
  TestGame g;
  g.Gather("Поход за фруктами");
  EXPECT_EQ(ReportOfDay(g),
            "2 Января. Фрукты в запасе: 3. Дней без еды: 1. "
            "Старая одежда, осталось дней действия: 29. "
            "Старая одежда, осталось дней на ремонт: 2. "
            "В списке «Какую еду съесть» появилось: Фрукты");

  // A quiet day: nothing eaten, nothing done; only the hunger and the clothes move.
  g.Choose(Activity::None);
  EXPECT_EQ(ReportOfDay(g), "3 Января. Дней без еды: 2. Старая одежда, осталось дней действия: 28");

  // The hut's last day of work: its creation counter goes out of view and its wear counter
  // comes in; the repair list offers it and the creation list the cave, which it announces.
  g.Feed();
  g.Create("Хижина");
  g.Days(3);
  const GameState before = g.S;
  EXPECT_EQ(g.Turn(), Names({"Тперерь вам можно построить пещеру"}));
  EXPECT_EQ(DayReport(before, g.S),
            "7 Января. Фрукты в запасе: 996. Фрукты дней подряд: 4. "
            "Хижина, осталось дней действия: 30. Старая одежда, осталось дней действия: 24. "
            "Хижина, осталось дней на создание: нет. Теперь у вас есть: Хижина. "
            "В списке «Какой предмет создать» появилось: Пещера. "
            "В списке «Какой предмет отремонтировать» появилось: Хижина");
  // The next morning the work on the cave shows and the hut's repair counter comes into view.
  EXPECT_EQ(ReportOfDay(g),
            "8 Января. Фрукты в запасе: 995. Фрукты дней подряд: 5. "
            "Хижина, осталось дней действия: 29. Старая одежда, осталось дней действия: 23. "
            "Пещера, осталось дней на создание: 15. Хижина, осталось дней на ремонт: 2");
}

// Two options new to one list are told apart; the gathering list is heard like the others.
TEST(DayReport, TellsAnItemLostEachNewOptionAndNothingWhenNoDayWasLived) {
  TestGame g;
  EXPECT_EQ(DayReport(g.S, g.S), "");
  GameState after = g.S;
  after[Item::OldClothes].Owned = false;
  after[Item::OldClothes].WearDaysLeft.Shown = false;
  EXPECT_EQ(DayReport(g.S, after), "");
  after.Day = 30;
  after.Month = Month::December;
  EXPECT_EQ(DayReport(g.S, after),
            "30 Декабря. Старая одежда, осталось дней действия: нет. Больше нет: Старая одежда");
  after.FoodChoice.Append(NameId::Fruit);
  after.FoodChoice.Append(NameId::Fish);
  after.GatherChoice.Append(NameId::Fishing);
  EXPECT_EQ(DayReport(g.S, after),
            "30 Декабря. Старая одежда, осталось дней действия: нет. Больше нет: Старая одежда. "
            "В списке «Какую еду съесть» появилось: Фрукты, Рыба. "
            "В списке «Как заготовить продукты» появилось: Рыбная ловля");
}

}  // namespace
}  // namespace kevolan::testing
