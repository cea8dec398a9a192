// How games end, and that an ending never cuts the turn short.
#include <gtest/gtest.h>

#include "Phases.h"
#include "TestGame.h"

namespace kevolan::testing {
namespace {

const std::string kStarved =
    "Вы не ели за весь период пребывания на острове больше 5 дней и умерли с голода";
const std::string kOldRags = "Ваша старая одежда превратилась в лохмотья и вы умерли от холода";
const std::string kNewRags =
    "Вы не успели починить вашу одежда и она превратилась в лохмотья. Вы умерли от холода :)";
const std::string kHutFell =
    "Ваша хижина давно не ремонтировалась и от этого развалилась и придавила вас";
const std::string kCaveFell = "Ваша пещера обвалилась и и вас задавило";
const std::string kNoDwelling = "Вы не успели построить жилище в первый месяц и замерзлм";

using Messages = std::vector<std::string>;

TEST(Starvation, TheSixthHungryDayKillsButTheTurnRunsOn) {
  TestGame g;
  for (int day = 1; day <= 5; ++day) EXPECT_TRUE(g.Turn().empty()) << day;
  EXPECT_FALSE(g.S.GameOver);
  EXPECT_EQ(g.S.Outcome, Outcome::Playing);
  EXPECT_EQ(g.Turn(), Messages{kStarved});
  EXPECT_TRUE(g.S.GameOver);
  EXPECT_EQ(g.S.Outcome, Outcome::Starved);
  EXPECT_EQ(g.S.Day, 7);  // the calendar still moved on
  EXPECT_EQ(g.S[Item::OldClothes].WearDaysLeft.Value, 24);
  EXPECT_FALSE(CanStartTurn(g.S));
}

TEST(Victory, NamesTheDateShownBeforeTheTurnEvenAfterADeath) {
  TestGame g;
  g.S.Day = 27;
  g.S.Month = Month::February;
  g.S.HungryDays = 5;
  g.S[Item::Boat].BuildDaysLeft.Value = 1;
  g.Create("Лодка");
  EXPECT_EQ(g.Turn(),
            (Messages{kStarved, "GПоздравляем. Вы благополучно уплыли с острова 27 Февраля"}));
  EXPECT_TRUE(g.S.GameOver);
  EXPECT_EQ(g.S.Outcome, Outcome::Starved);  // a boat finished on the day of a death saves nobody
  EXPECT_EQ(g.S.Day, 1);
  EXPECT_EQ(NameOf(g.S.Month), "Марта");
  EXPECT_EQ(g.S[Item::Boat].BuildDaysLeft.Value, 0);

  TestGame won;
  won.Feed();
  won.S[Item::Boat].BuildDaysLeft.Value = 1;
  won.Create("Лодка");
  EXPECT_EQ(won.Turn(), Messages{"GПоздравляем. Вы благополучно уплыли с острова 1 Января"});
  EXPECT_EQ(won.S.Outcome, Outcome::Won);
  EXPECT_TRUE(won.S.GameOver);
}

TEST(Clothes, RagsKillUnlessNewClothesAreOwnedAndNewRagsAlwaysKill) {
  TestGame alone;
  alone.S[Item::OldClothes].WearDaysLeft.Value = 1;
  alone.S.HungryDays = -100;  // keep hunger out of the way
  EXPECT_EQ(alone.Turn(), Messages{kOldRags});
  EXPECT_EQ(alone.S.Outcome, Outcome::OldClothesRags);

  // Old clothes gone earlier while new ones were owned: their counter stays at 0, so the day
  // the new clothes wear out brings both messages.
  TestGame g;
  g.Own(Item::NewClothes);
  g.S[Item::OldClothes].WearDaysLeft.Value = 1;
  g.S.HungryDays = -100;
  EXPECT_TRUE(g.Turn().empty());
  EXPECT_FALSE(g.S.GameOver);
  g.S[Item::NewClothes].WearDaysLeft.Value = 1;
  EXPECT_EQ(g.S.Outcome, Outcome::Playing);
  EXPECT_EQ(g.Turn(), (Messages{kOldRags, kNewRags}));
  EXPECT_EQ(g.S.Outcome, Outcome::NewClothesRags);  // the day's own death, told last

  TestGame still;
  still.Own(Item::NewClothes);
  still.S[Item::NewClothes].WearDaysLeft.Value = 1;
  still.S.HungryDays = -100;
  EXPECT_EQ(still.Turn(), Messages{kNewRags});
  EXPECT_EQ(still.S.Outcome, Outcome::NewClothesRags);
  EXPECT_TRUE(still.S[Item::OldClothes].Owned);
}

TEST(Dwellings, HutFallsQuietlyBesideACaveAndTheCaveThenBringsBothMessages) {
  TestGame g;
  g.S.HungryDays = -100;
  g.Own(Item::Hut);
  g.Own(Item::Cave);
  g.S[Item::Hut].WearDaysLeft.Value = 1;
  EXPECT_EQ(g.Turn(), Messages{});
  EXPECT_FALSE(g.S.GameOver);
  EXPECT_FALSE(g.S[Item::Hut].WearDaysLeft.Shown);
  EXPECT_FALSE(g.S[Item::Hut].RepairDaysLeft.Shown);
  g.S[Item::Cave].WearDaysLeft.Value = 1;
  EXPECT_EQ(g.S.Outcome, Outcome::Playing);
  EXPECT_EQ(g.Turn(), (Messages{kHutFell, kCaveFell}));
  EXPECT_TRUE(g.S.GameOver);
  EXPECT_EQ(g.S.Outcome, Outcome::CaveFellIn);

  TestGame alone;
  alone.S.HungryDays = -100;
  alone.Own(Item::Hut);
  alone.S[Item::Hut].WearDaysLeft.Value = 1;
  EXPECT_EQ(alone.Turn(), Messages{kHutFell});
  EXPECT_EQ(alone.S.Outcome, Outcome::HutCollapsed);

  // A cave falling in while the hut (even one never built) has wear days left costs only the cave.
  TestGame cave;
  cave.S.HungryDays = -100;
  cave.Own(Item::Cave);
  cave.S[Item::Cave].WearDaysLeft.Value = 1;
  EXPECT_EQ(cave.Turn(), Messages{});
  EXPECT_FALSE(cave.S[Item::Cave].Owned);
  EXPECT_EQ(cave.S.Outcome, Outcome::Playing);
}

TEST(Dwellings, NoDwellingOnTheFirstOfFebruaryIsDeathUnlessOneIsFinishedThatDay) {
  TestGame g;
  g.S.HungryDays = -1000;
  g.S[Item::OldClothes].WearDaysLeft.Value = 1000;
  g.Days(29);
  EXPECT_EQ(g.S.Day, 30);
  EXPECT_TRUE(g.Turn().empty());  // pressed on 30 "Января"
  EXPECT_EQ(g.S.Day, 1);
  EXPECT_EQ(NameOf(g.S.Month), "Февраля");
  EXPECT_EQ(g.Turn(), Messages{kNoDwelling});
  EXPECT_EQ(g.S.Outcome, Outcome::NoDwelling);
  EXPECT_EQ(g.S.Day, 2);
  EXPECT_EQ(NameOf(g.S.Month), "Февраля");

  TestGame late;
  late.S.HungryDays = -1000;
  late.S.Day = 1;
  late.S.Month = Month::February;
  late.S[Item::Hut].BuildDaysLeft.Value = 1;
  late.Create("Хижина");
  EXPECT_EQ(late.Turn(), Messages{"Тперерь вам можно построить пещеру"});
  EXPECT_FALSE(late.S.GameOver);
  EXPECT_EQ(late.S.Outcome, Outcome::Playing);

  // Every later 1 "Февраля" is judged the same way.
  TestGame wrapped;
  wrapped.S.Day = 1;
  wrapped.S.Month = Month::February;
  wrapped.S.HungryDays = -1000;
  wrapped.Own(Item::Cave);
  EXPECT_TRUE(wrapped.Turn().empty());
}

TEST(Endings, CountersBelowZeroAreNotWornOut) {
  GameState s = NewGame();
  s[Item::OldClothes].WearDaysLeft.Value = -1;
  s[Item::Boat].BuildDaysLeft.Value = -3;
  RecordingMessenger m;
  CheckDeathsAndVictory(s, m);
  EXPECT_TRUE(m.Shown.empty());
  EXPECT_FALSE(s.GameOver);
  EXPECT_EQ(s.Outcome, Outcome::Playing);
}

}  // namespace
}  // namespace kevolan::testing
