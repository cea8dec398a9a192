// The calendar and the frame of a day turn.
#include <gtest/gtest.h>

#include "Phases.h"
#include "TestGame.h"

namespace kevolan::testing {
namespace {

TEST(NewGame, StartsOnTheFirstOfJanuaryWithOnlyOldClothes) {
  const GameState s = NewGame();
  EXPECT_EQ(s.Day, 1);
  EXPECT_EQ(NameOf(s.Month), "Января");
  EXPECT_EQ(s.Activity, Activity::None);
  EXPECT_TRUE(s.ActivityEnabled);
  EXPECT_FALSE(s.GameOver);
  EXPECT_EQ(s.Outcome, Outcome::Playing);
  for (std::size_t i = 0; i < kItemCount; ++i) {
    const auto item = static_cast<Item>(i);
    EXPECT_EQ(s[item].Owned, item == Item::OldClothes) << NameOf(item);
    EXPECT_FALSE(s[item].RepairDaysLeft.Shown) << NameOf(item);
    EXPECT_EQ(s[item].BuildDaysLeft.Shown, item == Item::Boat) << NameOf(item);
    EXPECT_EQ(s[item].WearDaysLeft.Shown, item == Item::OldClothes) << NameOf(item);
  }
  EXPECT_EQ(s[Item::Boat].BuildDaysLeft.Value, 100);
  EXPECT_EQ(s[Item::HuntingWeapon].RepairDaysLeft.Value, 2);
  EXPECT_EQ(s[Item::Cave].WearDaysLeft.Value, 183);
  EXPECT_EQ(OptionsOf(s.GatherChoice), Names({"Поход за фруктами"}));
  EXPECT_EQ(TextOf(s.GatherChoice), "Поход за фруктами");
  EXPECT_EQ(OptionsOf(s.CreateChoice), FirstCreationList());
  EXPECT_EQ(OptionsOf(s.RepairChoice), FirstRepairList());
  // Of the catalogue's lists: the cave waits for a hut, the old clothes are never made.
  EXPECT_FALSE(s.CreateChoice.Contains(Item::Cave));
  EXPECT_FALSE(s.CreateChoice.Contains(Item::OldClothes));
  EXPECT_TRUE(s.CreateChoice.Contains(Item::Boat));
  EXPECT_TRUE(s.RepairChoice.Contains(Item::OldClothes));
  EXPECT_TRUE(OptionsOf(s.FoodChoice).empty());
  for (const ChoiceList* box : {&s.FoodChoice, &s.GatherChoice, &s.CreateChoice, &s.RepairChoice}) {
    EXPECT_FALSE(box->Enabled);
  }
}

TEST(Calendar, MonthsTurnOnTheDayThatIsNeverShown) {
  GameState s = NewGame();
  std::vector<std::pair<int, std::string>> firsts;
  for (int turn = 1; turn <= 366; ++turn) {
    AdvanceCalendar(s);
    ASSERT_LT(s.Day, 31);
    if (s.Day == 1) firsts.emplace_back(turn, NameOf(s.Month));
  }
  // Month lengths as the game counts them: one day short of the calendar's.
  const std::vector<std::pair<int, std::string>> expected = {
      {30, "Февраля"},  {57, "Марта"},   {87, "Апреля"},   {116, "Мая"},
      {146, "Июня"},    {175, "Июля"},   {205, "Августа"}, {235, "Сентября"},
      {264, "Октября"}, {294, "Ноября"}, {323, "Декабря"}, {353, "Января"}};
  EXPECT_EQ(firsts, expected);
}

TEST(Calendar, DecemberRunsIntoJanuaryAndJanuaryTurnsAgainAfterDay30) {
  GameState s = NewGame();
  s.Day = 30;
  s.Month = Month::December;
  AdvanceCalendar(s);
  EXPECT_EQ(s.Day, 1);
  EXPECT_EQ(NameOf(s.Month), "Января");
  for (int i = 0; i < 29; ++i) AdvanceCalendar(s);
  EXPECT_EQ(s.Day, 30);
  AdvanceCalendar(s);
  EXPECT_EQ(s.Day, 1);
  EXPECT_EQ(NameOf(s.Month), "Февраля");
}

TEST(DayTurn, WithNoActivityStillCountsTheDayHungerAndWear) {
  TestGame g;
  g.Next();
  EXPECT_EQ(g.S.Day, 2);
  EXPECT_EQ(g.S.HungryDays, 1);
  EXPECT_EQ(g.S[Item::OldClothes].WearDaysLeft.Value, 29);
  EXPECT_TRUE(g.S[Item::OldClothes].RepairDaysLeft.Shown);
  // The gathering box loses "Поход за фруктами" as its shown text with no tools owned.
  EXPECT_EQ(TextOf(g.S.GatherChoice), "");
  EXPECT_EQ(OptionsOf(g.S.GatherChoice), Names({"Поход за фруктами"}));
}

TEST(DayTurn, ActivityBoxesFollowTheActivityAtTheCloseOfEveryTurn) {
  TestGame g;
  g.Choose(Activity::Create);
  EXPECT_TRUE(g.S.CreateChoice.Enabled);
  EXPECT_FALSE(g.S.GatherChoice.Enabled);
  g.Choose(Activity::Repair);
  EXPECT_FALSE(g.S.CreateChoice.Enabled);
  EXPECT_TRUE(g.S.RepairChoice.Enabled);
  g.S.RepairChoice.Enabled = false;  // as the illness lock leaves it mid-turn
  g.Next();
  EXPECT_TRUE(g.S.RepairChoice.Enabled);
  EXPECT_FALSE(g.S.GatherChoice.Enabled);
}

TEST(Handlers, EatingEnablesTheFoodBoxAndALockedGroupRefusesClicks) {
  GameState s = NewGame();
  SetEatToday(s, true);
  EXPECT_TRUE(s.FoodChoice.Enabled);
  SetEatToday(s, false);
  EXPECT_FALSE(s.FoodChoice.Enabled);
  s.ActivityEnabled = false;
  EXPECT_FALSE(ClickActivity(s, Activity::Create));
  EXPECT_EQ(s.Activity, Activity::None);
  EXPECT_FALSE(s.CreateChoice.Enabled);
  s.GameOver = true;
  EXPECT_FALSE(CanStartTurn(s));
}

}  // namespace
}  // namespace kevolan::testing
