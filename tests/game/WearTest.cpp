// Wear of tools and dwellings, repairs, losses, and the gathering and repair lists.
#include <gtest/gtest.h>

#include "Phases.h"
#include "TestGame.h"

namespace kevolan::testing {
namespace {

TEST(Wear, ToolsWearOnlyWhenUsedDwellingsAndClothesEveryDay) {
  TestGame g;
  g.Own(Item::FishingTackle);
  g.Own(Item::HuntingWeapon);
  g.Own(Item::Hut);
  g.Gather("Поход за фруктами");
  EXPECT_EQ(g.Turn(), Names({"Тперерь вам можно построить пещеру"}));
  EXPECT_EQ(g.S[Item::FishingTackle].WearDaysLeft.Value, 12);
  EXPECT_EQ(g.S[Item::HuntingWeapon].WearDaysLeft.Value, 4);
  EXPECT_EQ(g.S[Item::Hut].WearDaysLeft.Value, 29);
  EXPECT_EQ(g.S[Item::OldClothes].WearDaysLeft.Value, 29);
  // Both tools owned: fishing is shown after every turn, hunting only on the turn it is added.
  EXPECT_EQ(OptionsOf(g.S.GatherChoice),
            Names({"Поход за фруктами", "Рыбная ловля", "Охота на дичь"}));
  EXPECT_EQ(TextOf(g.S.GatherChoice), "Охота на дичь");

  g.Next();  // hunting, as the box shows
  EXPECT_EQ(g.S[Item::HuntingWeapon].WearDaysLeft.Value, 3);
  EXPECT_EQ(g.S[Item::FishingTackle].WearDaysLeft.Value, 12);
  EXPECT_EQ(g.S.WildGameStock, 15);
  EXPECT_EQ(TextOf(g.S.GatherChoice), "Рыбная ловля");
}

TEST(Wear, TackleWornOutOnItsLastFishingDayStillCatchesThenLeavesBothLists) {
  TestGame g;
  g.Own(Item::FishingTackle);
  g.S[Item::FishingTackle].WearDaysLeft.Value = 1;
  g.Next();  // the tool's options and repair row appear
  ASSERT_TRUE(g.S.GatherChoice.Contains(NameId::Fishing));
  g.S.RepairChoice.Type("Старая одежда");
  g.Gather("Рыбная ловля");
  g.Next();
  EXPECT_EQ(g.S.FishStock, 5);
  EXPECT_FALSE(g.S[Item::FishingTackle].Owned);
  EXPECT_EQ(g.S[Item::FishingTackle].WearDaysLeft.Value, 0);
  EXPECT_FALSE(g.S.RepairChoice.Contains(Item::FishingTackle));
  EXPECT_FALSE(g.S.GatherChoice.Contains(NameId::Fishing));
  EXPECT_EQ(TextOf(g.S.RepairChoice), "");
  EXPECT_EQ(TextOf(g.S.GatherChoice), "");
  // The repair counter stays shown until the next turn's phase 2 hides it.
  EXPECT_TRUE(g.S[Item::FishingTackle].RepairDaysLeft.Shown);
  g.Next();
  EXPECT_FALSE(g.S[Item::FishingTackle].RepairDaysLeft.Shown);
}

TEST(Repair, OldClothesRepairedFromTheFirstDay) {
  TestGame g;
  g.Repair("Старая одежда");
  g.Next();
  EXPECT_EQ(g.S[Item::OldClothes].RepairDaysLeft.Value, 1);
  EXPECT_EQ(g.S[Item::OldClothes].WearDaysLeft.Value, 29);
  g.Next();
  EXPECT_EQ(g.S[Item::OldClothes].WearDaysLeft.Value, 30);
  EXPECT_EQ(g.S[Item::OldClothes].RepairDaysLeft.Value, 2);
}

TEST(Repair, LastWearDaySavedByTheLastRepairDay) {
  TestGame g;
  g.Own(Item::Hut);
  g.S[Item::Hut].WearDaysLeft.Value = 1;
  g.S[Item::Hut].RepairDaysLeft.Value = 1;
  g.Repair("Хижина");
  EXPECT_EQ(g.Turn(), Names({"Тперерь вам можно построить пещеру"}));
  EXPECT_TRUE(g.S[Item::Hut].Owned);
  EXPECT_EQ(g.S[Item::Hut].WearDaysLeft.Value, 30);
  EXPECT_EQ(g.S[Item::Hut].RepairDaysLeft.Value, 2);
}

TEST(Repair, WorkCarriesOverAndTheWeaponsLaterRepairsTakeFour) {
  TestGame g;
  g.Own(Item::HuntingWeapon);
  g.Own(Item::FishingTackle);
  g.Feed();
  for (int day = 0; day < 2; ++day) {
    g.Repair("Орудие охоты");
    g.Next();
  }
  EXPECT_EQ(g.S[Item::HuntingWeapon].RepairDaysLeft.Value, 4);
  EXPECT_EQ(g.S[Item::HuntingWeapon].WearDaysLeft.Value, 4);

  for (int day = 0; day < 2; ++day) {
    g.Repair("Рыболовные снасти");
    g.Next();
  }
  EXPECT_EQ(g.S[Item::FishingTackle].RepairDaysLeft.Value, 3);
  g.Gather("Поход за фруктами");
  g.Next();
  for (int day = 0; day < 2; ++day) {
    // The owned tackle puts fishing in the box after every turn, and the store is full.
    EXPECT_EQ(g.Turn(), Names({"Нельзя запасаться рыбой более 10 дней в связи с её порчей"}));
  }
  EXPECT_EQ(g.S[Item::FishingTackle].WearDaysLeft.Value, 10);
  EXPECT_EQ(g.S[Item::FishingTackle].RepairDaysLeft.Value, 3);
  for (int day = 0; day < 3; ++day) {
    g.Repair("Рыболовные снасти");
    g.Next();
  }
  EXPECT_EQ(g.S[Item::FishingTackle].RepairDaysLeft.Value, 5);
  EXPECT_EQ(g.S[Item::FishingTackle].WearDaysLeft.Value, 12);
}

TEST(Repair, ANeverOwnedItemTypedIntoTheBoxIsWorkedOn) {
  TestGame g;
  g.Repair("Пещера");
  g.Days(3);
  EXPECT_EQ(g.S[Item::Cave].RepairDaysLeft.Value, 1);
  g.S[Item::Cave].WearDaysLeft.Value = 7;
  g.Repair("Пещера");
  g.Next();
  EXPECT_EQ(g.S[Item::Cave].WearDaysLeft.Value, 183);
  EXPECT_FALSE(g.S[Item::Cave].Owned);
}

TEST(RepairList, AnyItemLeavingTheListClearsTheBoxAndOldClothesNeverReturn) {
  TestGame g;
  g.Own(Item::Hut);
  g.Own(Item::NewClothes);
  g.S[Item::OldClothes].WearDaysLeft.Value = 1;
  g.Repair("Хижина");
  EXPECT_EQ(g.Turn(), Names({"Тперерь вам можно построить пещеру"}));
  EXPECT_FALSE(g.S[Item::OldClothes].Owned);
  EXPECT_EQ(OptionsOf(g.S.RepairChoice), Names({"Хижина", "Новая одежда"}));
  EXPECT_EQ(TextOf(g.S.RepairChoice), "");
  // With new clothes owned, worn-out old clothes take their counters off the screen quietly.
  EXPECT_FALSE(g.S.GameOver);
  EXPECT_FALSE(g.S[Item::OldClothes].WearDaysLeft.Shown);
  EXPECT_FALSE(g.S[Item::OldClothes].RepairDaysLeft.Shown);
}

TEST(RepairList, OwnedItemsAreAppendedInCatalogueOrderKeepingTheShownText) {
  TestGame g;
  g.Repair("Старая одежда");
  g.S[Item::NewClothes].Owned = true;
  g.S[Item::FishingTackle].Owned = true;
  UpdateRepairList(g.S);
  EXPECT_EQ(OptionsOf(g.S.RepairChoice),
            Names({"Старая одежда", "Рыболовные снасти", "Новая одежда"}));
  EXPECT_EQ(TextOf(g.S.RepairChoice), "Старая одежда");
}

TEST(GatherList, WithBothToolsFishingIsReselectedEveryTurn) {
  TestGame g;
  g.Own(Item::FishingTackle);
  g.Own(Item::HuntingWeapon);
  g.Gather("Поход за фруктами");
  g.Next();
  EXPECT_EQ(TextOf(g.S.GatherChoice), "Охота на дичь");  // the turn hunting was added
  g.S.GatherChoice.Pick(0);
  g.Next();
  EXPECT_EQ(TextOf(g.S.GatherChoice), "Рыбная ловля");
  g.S.GatherChoice.Pick(0);
  g.Next();
  EXPECT_EQ(g.S.FruitStock, 9);
  EXPECT_EQ(TextOf(g.S.GatherChoice), "Рыбная ловля");
  EXPECT_EQ(OptionsOf(g.S.GatherChoice),
            Names({"Поход за фруктами", "Рыбная ловля", "Охота на дичь"}));
}

TEST(GatherList, WithoutTheWeaponTheBoxIsLeftEmptyEveryTurn) {
  TestGame g;
  g.Own(Item::FishingTackle);
  g.Gather("Рыбная ловля");
  g.Next();
  EXPECT_EQ(g.S.FishStock, 5);
  EXPECT_EQ(TextOf(g.S.GatherChoice), "");
  EXPECT_EQ(OptionsOf(g.S.GatherChoice), Names({"Поход за фруктами", "Рыбная ловля"}));
}

// A tool lost while the other one is owned: its options leave the gathering and repair lists
// once, the boxes are cleared, the creation list offers it again at its end, and the quiet
// turns after it change none of the lists.
TEST(GatherList, ALostToolLeavesForGoodAndIsOfferedForCreationAgain) {
  TestGame g;
  g.Feed();
  g.Own(Item::FishingTackle);
  g.Own(Item::HuntingWeapon);
  g.S[Item::FishingTackle].WearDaysLeft.Value = 1;
  g.S.FishStock = 0;
  g.Gather("Рыбная ловля");
  g.Next();
  EXPECT_EQ(g.S.FishStock, 5);
  EXPECT_FALSE(g.S[Item::FishingTackle].Owned);
  EXPECT_TRUE(g.S[Item::HuntingWeapon].Owned);
  EXPECT_EQ(OptionsOf(g.S.GatherChoice), Names({"Поход за фруктами", "Охота на дичь"}));
  EXPECT_EQ(TextOf(g.S.GatherChoice), "");
  EXPECT_EQ(OptionsOf(g.S.RepairChoice), Then(FirstRepairList(), "Орудие охоты"));
  EXPECT_EQ(TextOf(g.S.RepairChoice), "");
  const auto withoutTools =
      Without(Without(FirstCreationList(), "Рыболовные снасти"), "Орудие охоты");
  EXPECT_EQ(OptionsOf(g.S.CreateChoice), Then(withoutTools, "Рыболовные снасти"));
  EXPECT_EQ(TextOf(g.S.CreateChoice), "Рыболовные снасти");

  g.Choose(Activity::Repair);
  // A quiet day of no work: the whole state moves on only as the rules say, no list changes.
  GameState expected = g.S;
  ++expected.Day;
  --expected.FruitStock;
  ++expected.FruitStreak;
  --expected[Item::OldClothes].WearDaysLeft.Value;
  expected[Item::FishingTackle].RepairDaysLeft.Shown = false;  // no longer owned
  expected[Item::FishingTackle].BuildDaysLeft.Shown = true;    // the creation box names it
  expected.CreateChoice.ClearSelection();  // the owned weapon clears the box every turn
  g.Next();
  EXPECT_TRUE(g.S == expected);
  EXPECT_EQ(OptionsOf(g.S.GatherChoice), OptionsOf(expected.GatherChoice));
  EXPECT_EQ(OptionsOf(g.S.CreateChoice), OptionsOf(expected.CreateChoice));

  // Now the weapon wears out on its last hunt: the same once more for the other tool.
  g.S[Item::HuntingWeapon].WearDaysLeft.Value = 1;
  g.Gather("Охота на дичь");
  g.S.WildGameStock = 0;
  g.Next();
  EXPECT_EQ(g.S.WildGameStock, 15);
  EXPECT_FALSE(g.S[Item::HuntingWeapon].Owned);
  EXPECT_EQ(OptionsOf(g.S.GatherChoice), Names({"Поход за фруктами"}));
  EXPECT_EQ(TextOf(g.S.GatherChoice), "");
  EXPECT_EQ(OptionsOf(g.S.RepairChoice), FirstRepairList());
  const auto bothLost = Then(Then(withoutTools, "Рыболовные снасти"), "Орудие охоты");
  EXPECT_EQ(OptionsOf(g.S.CreateChoice), bothLost);
  EXPECT_EQ(TextOf(g.S.CreateChoice), "Орудие охоты");
  g.Next();
  EXPECT_EQ(OptionsOf(g.S.GatherChoice), Names({"Поход за фруктами"}));
  EXPECT_EQ(OptionsOf(g.S.CreateChoice), bothLost);

  // Made again, the weapon leaves the creation list and returns to the other two.
  g.S[Item::HuntingWeapon].BuildDaysLeft.Value = 1;
  g.Create("Орудие охоты");
  g.Next();
  // Its wear days ran out and no repair set them back, so it is lost again at once.
  EXPECT_FALSE(g.S[Item::HuntingWeapon].Owned);
  EXPECT_EQ(OptionsOf(g.S.CreateChoice), bothLost);
  EXPECT_EQ(OptionsOf(g.S.RepairChoice), FirstRepairList());
  // Hunting was offered while the weapon stood; it never reached the repair list, so nothing
  // took the option out again this turn: the next turn does.
  EXPECT_EQ(OptionsOf(g.S.GatherChoice), Names({"Поход за фруктами", "Охота на дичь"}));
  EXPECT_EQ(TextOf(g.S.GatherChoice), "Охота на дичь");
  g.Next();
  EXPECT_EQ(OptionsOf(g.S.GatherChoice), Names({"Поход за фруктами"}));
  EXPECT_EQ(TextOf(g.S.GatherChoice), "");
}

// The weapon lost while the tackle stands: fishing, which phase 11 showed, is cleared too.
TEST(GatherList, ALostWeaponClearsTheBoxEvenWhenFishingWasShown) {
  TestGame g;
  g.Feed();
  g.Own(Item::FishingTackle);
  g.Own(Item::HuntingWeapon);
  g.S[Item::HuntingWeapon].WearDaysLeft.Value = 1;
  g.S.WildGameStock = 0;
  g.Gather("Охота на дичь");
  g.Next();
  EXPECT_FALSE(g.S[Item::HuntingWeapon].Owned);
  EXPECT_TRUE(g.S[Item::FishingTackle].Owned);
  EXPECT_EQ(OptionsOf(g.S.GatherChoice), Names({"Поход за фруктами", "Рыбная ловля"}));
  EXPECT_EQ(TextOf(g.S.GatherChoice), "");
  EXPECT_EQ(OptionsOf(g.S.RepairChoice), Names({"Старая одежда", "Рыболовные снасти"}));
  g.Next();  // without the weapon the box is left empty after every turn
  EXPECT_EQ(TextOf(g.S.GatherChoice), "");
  EXPECT_EQ(OptionsOf(g.S.GatherChoice), Names({"Поход за фруктами", "Рыбная ловля"}));
}

// Every item's repair takes its own number of days, the first time and every time after.
TEST(Repair, EachRepairTakesTheItemsDaysAgainAndAgain) {
  struct Case {
    Item It;
    int FirstDays, LaterDays;
    Count WearAfter;
    bool WearsWhileRepaired;  // everything but the tools, which wear only when used
  };
  for (const Case c :
       {Case{Item::FishingTackle, 5, 5, 12, false}, Case{Item::HuntingWeapon, 2, 4, 4, false},
        Case{Item::Hut, 2, 2, 30, true}, Case{Item::Cave, 4, 4, 183, true},
        Case{Item::OldClothes, 2, 2, 30, true}, Case{Item::NewClothes, 2, 2, 61, true}}) {
    TestGame g;
    g.Feed();
    g.Own(c.It);
    for (const int days : {c.FirstDays, c.LaterDays}) {
      g.S[c.It].WearDaysLeft.Value = 100;
      for (int day = 1; day <= days; ++day) {
        g.Repair(NameOf(c.It));
        if (c.It == Item::Hut && g.S.CreateChoice.Contains(Item::Cave) == false) {
          EXPECT_EQ(g.Turn(), Names({"Тперерь вам можно построить пещеру"}));
        } else {
          g.Next();
        }
        EXPECT_EQ(g.S[c.It].WearDaysLeft.Value,
                  day < days ? 100 - c.WearsWhileRepaired * day : c.WearAfter)
            << NameOf(c.It) << " day " << day;
      }
    }
  }
}

}  // namespace
}  // namespace kevolan::testing
