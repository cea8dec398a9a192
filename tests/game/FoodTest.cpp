// Eating, hunger, gathering, the food box, one-food illness and the stock caps.
#include <gtest/gtest.h>

#include "Phases.h"
#include "TestGame.h"

namespace kevolan::testing {
namespace {

const std::string kIllness = "Вы питались одним видом питания и заболели на 10 дней";
const std::string kFishCap = "Нельзя запасаться рыбой более 10 дней в связи с её порчей";
const std::string kGameCap = "Нельзя запасаться дичью более 15 дней в связи с её порчей";

TEST(Food, FirstFruitTripListsAndShowsFruitThenAnEmptyStoreClearsTheBox) {
  TestGame g;
  g.Gather("Поход за фруктами");
  g.Next();
  EXPECT_EQ(g.S.HungryDays, 1);
  EXPECT_EQ(g.S.FruitStock, 3);
  EXPECT_EQ(OptionsOf(g.S.FoodChoice), Names({"Фрукты"}));
  EXPECT_EQ(TextOf(g.S.FoodChoice), "Фрукты");

  // Fruit eaten and gathered again: the stock moves by the yield minus one, but fish and game
  // are still 0, so the box is cleared and tomorrow is hungry unless fruit is picked again.
  g.Eat(true);
  g.S.GatherChoice.Type("Поход за фруктами");
  g.Next();
  EXPECT_EQ(g.S.FruitStreak, 1);
  EXPECT_EQ(g.S.FruitStock, 5);
  EXPECT_EQ(OptionsOf(g.S.FoodChoice), Names({"Фрукты"}));
  EXPECT_EQ(TextOf(g.S.FoodChoice), "");
  g.Next();
  EXPECT_EQ(g.S.HungryDays, 2);
  EXPECT_EQ(g.S.FruitStock, 5);
}

TEST(Food, WithAllThreeInStoreTheShownFoodIsEatenAgainWithoutANewPick) {
  TestGame g;
  g.S.FruitStock = 4;
  g.S.FishStock = 4;
  g.S.WildGameStock = 4;
  UpdateFoodList(g.S);
  EXPECT_EQ(OptionsOf(g.S.FoodChoice), Names({"Фрукты", "Рыба", "Дичь"}));
  g.Eat(true);
  g.S.FoodChoice.Pick(1);
  g.Next();
  g.Next();
  EXPECT_EQ(g.S.FishStock, 2);
  EXPECT_EQ(g.S.FishStreak, 2);
  EXPECT_EQ(TextOf(g.S.FoodChoice), "Рыба");
  EXPECT_EQ(g.S.HungryDays, 0);
}

TEST(Food, ListKeepsTheOrderOfAppendingAndTheLastRationEmptiesIt) {
  TestGame g;
  g.S.FruitStock = 1;
  g.S.FishStock = 2;
  UpdateFoodList(g.S);
  EXPECT_EQ(OptionsOf(g.S.FoodChoice), Names({"Фрукты", "Рыба"}));
  // Game is out, so the removal pass clears the box; the last food appended is then shown.
  EXPECT_EQ(TextOf(g.S.FoodChoice), "Рыба");
  g.Eat(true);
  g.PickFood("Фрукты");
  g.Next();  // the last fruit is eaten
  EXPECT_EQ(g.S.FruitStock, 0);
  EXPECT_EQ(OptionsOf(g.S.FoodChoice), Names({"Рыба"}));
  EXPECT_EQ(TextOf(g.S.FoodChoice), "");
  g.Gather("Поход за фруктами");
  g.Next();
  EXPECT_EQ(OptionsOf(g.S.FoodChoice), Names({"Рыба", "Фрукты"}));
  EXPECT_EQ(TextOf(g.S.FoodChoice), "Фрукты");
}

TEST(Food, TypedTextIsComparedExactly) {
  TestGame g;
  g.Eat(true);
  g.S.FruitStock = 5;
  // Wrong case or no food at all: nothing eaten, and the day is not counted as hungry.
  for (const char* typed : {"фрукты", "Фрукты ", "хлеб"}) {
    g.PickFood(typed);
    EatFood(g.S);
    CountHunger(g.S);
    EXPECT_EQ(g.S.FruitStock, 5) << typed;
    EXPECT_EQ(g.S.FruitStreak, 0) << typed;
    EXPECT_EQ(g.S.HungryDays, 0) << typed;
  }
  // A food typed while none is left is eaten all the same and then listed.
  g.PickFood("Дичь");
  g.Next();
  EXPECT_EQ(g.S.WildGameStock, -1);
  EXPECT_EQ(g.S.WildGameStreak, 1);
  EXPECT_EQ(OptionsOf(g.S.FoodChoice), Names({"Фрукты", "Дичь"}));
}

TEST(Food, EatingOneFoodResetsTheOtherStreaksAndAFastingDayBreaksNothing) {
  TestGame g;
  g.S.FruitStock = 100;
  g.S.FishStock = 10;
  g.Eat(true);
  for (int day = 0; day < 24; ++day) {
    g.PickFood("Фрукты");
    g.Next();
  }
  EXPECT_EQ(g.S.FruitStreak, 24);
  g.Eat(false);
  g.Next();
  EXPECT_EQ(g.S.FruitStreak, 24);
  g.Eat(true);
  g.PickFood("Рыба");
  g.Next();
  EXPECT_EQ(g.S.FruitStreak, 0);
  EXPECT_EQ(g.S.FishStreak, 1);
  EXPECT_EQ(g.S.SickDays, 0);
}

TEST(Illness, TwentyFifthDayOnOneFoodLocksTheActivityForTenTurns) {
  TestGame g;
  g.S.FruitStock = 1000;
  g.Eat(true);
  g.Choose(Activity::Create);
  g.S.FruitStreak = 24;
  g.PickFood("Фрукты");
  EXPECT_EQ(g.Turn(), std::vector<std::string>{kIllness});
  EXPECT_EQ(g.S.SickDays, 10);
  EXPECT_FALSE(g.S.ActivityEnabled);
  EXPECT_TRUE(g.S.CreateChoice.Enabled);  // the standing activity's box is usable again
  EXPECT_FALSE(ClickActivity(g.S, Activity::Repair));

  // Ten turns of illness; the streak goes on but no new illness strikes while ill.
  for (int turn = 1; turn <= 9; ++turn) {
    g.PickFood("Хлеб");  // eat nothing: the streak stays on 25
    EXPECT_TRUE(g.Turn().empty());
    EXPECT_EQ(g.S.SickDays, 10 - turn);
    EXPECT_FALSE(g.S.ActivityEnabled);
  }
  // The turn that brings SickDays from 1 to 0 finds the streak still on 25: ill again at once,
  // and the group is never enabled in between.
  EXPECT_EQ(g.Turn(), std::vector<std::string>{kIllness});
  EXPECT_EQ(g.S.SickDays, 10);
  EXPECT_FALSE(g.S.ActivityEnabled);
}

TEST(Illness, RecoveryReopensTheGroupAndHighStreaksNeverStrike) {
  TestGame g;
  g.S.SickDays = 1;
  g.S.FruitStreak = 26;
  CountDownIllness(g.S);
  EXPECT_FALSE(g.S.ActivityEnabled);
  RecordingMessenger m;
  CheckOneFoodIllness(g.S, m);
  ApplyIllnessLock(g.S);
  EXPECT_TRUE(g.S.ActivityEnabled);
  EXPECT_TRUE(m.Shown.empty());

  for (Count streak : {2500, 2525, 5000, 0, -25}) {
    GameState s = NewGame();
    s.FishStreak = streak;
    RecordingMessenger mm;
    CheckOneFoodIllness(s, mm);
    EXPECT_EQ(s.SickDays, streak == 2500 ? 10 : 0) << streak;
  }
}

TEST(Caps, OnlyTheDaysCatchCanPassTheCapAndEachCapSpeaksOnce) {
  TestGame g;
  g.Own(Item::FishingTackle);
  g.Own(Item::HuntingWeapon);
  g.S.FishStock = 8;
  g.Gather("Рыбная ловля");
  EXPECT_EQ(g.Turn(), std::vector<std::string>{kFishCap});
  EXPECT_EQ(g.S.FishStock, 10);

  g.S.FishStock = 5;
  g.S.GatherChoice.Type("Рыбная ловля");
  EXPECT_TRUE(g.Turn().empty());
  EXPECT_EQ(g.S.FishStock, 10);

  g.S.WildGameStock = 14;
  g.S.GatherChoice.Type("Охота на дичь");
  EXPECT_EQ(g.Turn(), std::vector<std::string>{kGameCap});
  EXPECT_EQ(g.S.WildGameStock, 15);
  EXPECT_EQ(OptionsOf(g.S.FoodChoice).back(), "Дичь");

  g.S.FruitStock = 40;
  g.S.GatherChoice.Type("Поход за фруктами");
  EXPECT_TRUE(g.Turn().empty());
  EXPECT_EQ(g.S.FruitStock, 43);
}

TEST(Gathering, TypedHuntingWorksWithoutAWeaponAndNoOtherActivityGathers) {
  TestGame g;
  g.Gather("Охота на дичь");
  g.Next();
  EXPECT_EQ(g.S.WildGameStock, 15);
  g.Choose(Activity::Repair);
  g.S.GatherChoice.Type("Поход за фруктами");
  g.Next();
  EXPECT_EQ(g.S.FruitStock, 0);
}

TEST(Illness, StarvationComesBeforeTheIllnessMessage) {
  TestGame g;
  g.S.HungryDays = 5;
  g.S.FruitStreak = 25;
  const auto shown = g.Turn();  // eating is off: a sixth hungry day
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0],
            "Вы не ели за весь период пребывания на острове больше 5 дней и умерли с голода");
  EXPECT_EQ(shown[1], kIllness);
}

}  // namespace
}  // namespace kevolan::testing
