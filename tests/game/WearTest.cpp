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
  g.Next();
  EXPECT_EQ(g.S[Item::FishingTackle].WearDaysLeft.Value, 12);
  EXPECT_EQ(g.S[Item::HuntingWeapon].WearDaysLeft.Value, 4);
  EXPECT_EQ(g.S[Item::Hut].WearDaysLeft.Value, 29);
  EXPECT_EQ(g.S[Item::OldClothes].WearDaysLeft.Value, 29);
  // Both tools owned: fishing is shown after every turn, hunting only on the turn it is added.
  EXPECT_EQ(g.S.GatherChoice.Options,
            Names({"Поход за фруктами", "Рыбная ловля", "Охота на дичь"}));
  EXPECT_EQ(g.S.GatherChoice.Text, "Охота на дичь");

  g.Next();  // hunting, as the box shows
  EXPECT_EQ(g.S[Item::HuntingWeapon].WearDaysLeft.Value, 3);
  EXPECT_EQ(g.S[Item::FishingTackle].WearDaysLeft.Value, 12);
  EXPECT_EQ(g.S.WildGameStock, 15);
  EXPECT_EQ(g.S.GatherChoice.Text, "Рыбная ловля");
}

TEST(Wear, TackleWornOutOnItsLastFishingDayStillCatchesThenLeavesBothLists) {
  TestGame g;
  g.Own(Item::FishingTackle);
  g.S[Item::FishingTackle].WearDaysLeft.Value = 1;
  g.Next();  // the tool's options and repair row appear
  ASSERT_TRUE(g.S.GatherChoice.Contains("Рыбная ловля"));
  g.S.RepairChoice.Type("Старая одежда");
  g.Gather("Рыбная ловля");
  g.Next();
  EXPECT_EQ(g.S.FishStock, 5);
  EXPECT_FALSE(g.S[Item::FishingTackle].Owned);
  EXPECT_EQ(g.S[Item::FishingTackle].WearDaysLeft.Value, 0);
  EXPECT_FALSE(g.S.RepairChoice.Contains("Рыболовные снасти"));
  EXPECT_FALSE(g.S.GatherChoice.Contains("Рыбная ловля"));
  EXPECT_EQ(g.S.RepairChoice.Text, "");
  EXPECT_EQ(g.S.GatherChoice.Text, "");
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
  g.Next();
  EXPECT_TRUE(g.S[Item::Hut].Owned);
  EXPECT_EQ(g.S[Item::Hut].WearDaysLeft.Value, 30);
  EXPECT_EQ(g.S[Item::Hut].RepairDaysLeft.Value, 2);
}

TEST(Repair, WorkCarriesOverAndTheWeaponsLaterRepairsTakeFour) {
  TestGame g;
  g.Own(Item::HuntingWeapon);
  g.Own(Item::FishingTackle);
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
  g.Days(3);
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
  g.Next();
  EXPECT_FALSE(g.S[Item::OldClothes].Owned);
  EXPECT_EQ(g.S.RepairChoice.Options, Names({"Хижина", "Новая одежда"}));
  EXPECT_EQ(g.S.RepairChoice.Text, "");
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
  EXPECT_EQ(g.S.RepairChoice.Options,
            Names({"Старая одежда", "Рыболовные снасти", "Новая одежда"}));
  EXPECT_EQ(g.S.RepairChoice.Text, "Старая одежда");
}

TEST(GatherList, WithBothToolsFishingIsReselectedEveryTurn) {
  TestGame g;
  g.Own(Item::FishingTackle);
  g.Own(Item::HuntingWeapon);
  g.Gather("Поход за фруктами");
  g.Next();
  EXPECT_EQ(g.S.GatherChoice.Text, "Охота на дичь");  // the turn hunting was added
  g.S.GatherChoice.Pick(0);
  g.Next();
  EXPECT_EQ(g.S.GatherChoice.Text, "Рыбная ловля");
  g.S.GatherChoice.Pick(0);
  g.Next();
  EXPECT_EQ(g.S.FruitStock, 9);
  EXPECT_EQ(g.S.GatherChoice.Text, "Рыбная ловля");
  EXPECT_EQ(g.S.GatherChoice.Options,
            Names({"Поход за фруктами", "Рыбная ловля", "Охота на дичь"}));
}

TEST(GatherList, WithoutTheWeaponTheBoxIsLeftEmptyEveryTurn) {
  TestGame g;
  g.Own(Item::FishingTackle);
  g.Gather("Рыбная ловля");
  g.Next();
  EXPECT_EQ(g.S.FishStock, 5);
  EXPECT_EQ(g.S.GatherChoice.Text, "");
  EXPECT_EQ(g.S.GatherChoice.Options, Names({"Поход за фруктами", "Рыбная ловля"}));
}

}  // namespace
}  // namespace kevolan::testing
