// Work on items, their completion, and the creation list that follows what is owned.
#include <gtest/gtest.h>

#include "Phases.h"
#include "TestGame.h"

namespace kevolan::testing {
namespace {

const std::string kCaveOffer = "Тперерь вам можно построить пещеру";

// Picks the named option from the creation list, as a player does before each day of work.
void PickToCreate(TestGame& g, std::string_view name) {
  g.Choose(Activity::Create);
  ASSERT_TRUE(g.S.CreateChoice.Pick(g.S.CreateChoice.IndexOf(ExactName(name)))) << name;
  ComboBox3Change(g.S);
}

TEST(Creation, WorkedSequenceFromHutToLostTackle) {
  TestGame g;
  g.Eat(true);
  g.S.FruitStock = 1000;  // keep the castaway fed, with fish and game at their caps
  g.S.FishStock = 10;
  g.S.WildGameStock = 15;
  UpdateFoodList(g.S);
  g.PickFood("Фрукты");

  for (int day = 1; day <= 3; ++day) {
    PickToCreate(g, "Хижина");
    EXPECT_TRUE(g.S[Item::Hut].BuildDaysLeft.Shown);
    EXPECT_TRUE(g.Turn().empty());
  }
  EXPECT_EQ(g.S[Item::Hut].BuildDaysLeft.Value, 1);
  PickToCreate(g, "Хижина");
  EXPECT_EQ(g.Turn(), std::vector<std::string>{kCaveOffer});
  EXPECT_TRUE(g.S[Item::Hut].Owned);
  EXPECT_EQ(g.S[Item::Hut].BuildDaysLeft.Value, 4);
  EXPECT_FALSE(g.S[Item::Hut].BuildDaysLeft.Shown);
  EXPECT_TRUE(g.S[Item::Hut].WearDaysLeft.Shown);
  EXPECT_EQ(g.S[Item::Hut].WearDaysLeft.Value, 30);
  const auto afterHut = Then(Without(FirstCreationList(), "Хижина"), "Пещера");
  EXPECT_EQ(OptionsOf(g.S.CreateChoice), afterHut);
  EXPECT_EQ(TextOf(g.S.CreateChoice), "Пещера");
  // The rules' own selection shows no counter until the next turn or the player's touch.
  EXPECT_FALSE(g.S[Item::Cave].BuildDaysLeft.Shown);

  for (int day = 1; day <= 12; ++day) {
    PickToCreate(g, "Рыболовные снасти");
    EXPECT_TRUE(g.Turn().empty()) << day;     // the cave is on offer already: no second message
    EXPECT_EQ(TextOf(g.S.CreateChoice), "");  // an owned hut clears the box every turn
  }
  EXPECT_TRUE(g.S[Item::FishingTackle].Owned);
  EXPECT_EQ(OptionsOf(g.S.CreateChoice), Without(afterHut, "Рыболовные снасти"));

  // The tackle wears out on its last fishing day and comes back to the end of the list.
  g.S[Item::FishingTackle].WearDaysLeft.Value = 1;
  g.Gather("Рыбная ловля");
  // The store is full, so the last catch spoils.
  EXPECT_EQ(g.Turn(), Names({"Нельзя запасаться рыбой более 10 дней в связи с её порчей"}));
  EXPECT_FALSE(g.S[Item::FishingTackle].Owned);
  EXPECT_EQ(OptionsOf(g.S.CreateChoice),
            Then(Without(afterHut, "Рыболовные снасти"), "Рыболовные снасти"));
  EXPECT_EQ(TextOf(g.S.CreateChoice), "Рыболовные снасти");
}

TEST(Creation, BoatCountsDownOnlyWhenPickedAgainWhileSomethingIsOwned) {
  TestGame g;
  g.Own(Item::Hut);
  g.Own(Item::Cave);  // so that no cave is offered in between
  PickToCreate(g, "Лодка");
  for (Item item : kCreatableItems) EXPECT_FALSE(g.S[item].BuildDaysLeft.Shown);
  g.Next();
  EXPECT_EQ(g.S[Item::Boat].BuildDaysLeft.Value, 99);
  EXPECT_EQ(TextOf(g.S.CreateChoice), "");
  g.Next();
  EXPECT_EQ(g.S[Item::Boat].BuildDaysLeft.Value, 99);
  EXPECT_TRUE(g.S.CreateChoice.Contains(Item::Boat));
  EXPECT_TRUE(g.S[Item::Boat].BuildDaysLeft.Shown);
}

TEST(Creation, OnlyTheCreateActivityWorksAndIllnessDoesNotStopIt) {
  TestGame g;
  g.S.CreateChoice.Type("Новая одежда");
  g.Choose(Activity::Repair);
  g.Next();
  EXPECT_EQ(g.S[Item::NewClothes].BuildDaysLeft.Value, 7);

  g.Choose(Activity::Create);
  g.S.SickDays = 5;
  g.S.CreateChoice.Type("Новая одежда");
  g.S.CreateChoice.Enabled = false;
  g.Next();
  EXPECT_EQ(g.S[Item::NewClothes].BuildDaysLeft.Value, 6);
}

TEST(Creation, TypedCaveBeforeAnyHutIsOfferedWithoutTheMessage) {
  TestGame g;
  g.Create("Пещера");
  EXPECT_TRUE(g.S[Item::Cave].BuildDaysLeft.Shown);
  EXPECT_TRUE(g.Turn().empty());
  EXPECT_EQ(g.S[Item::Cave].BuildDaysLeft.Value, 15);
  EXPECT_EQ(OptionsOf(g.S.CreateChoice).back(), "Пещера");
  EXPECT_EQ(TextOf(g.S.CreateChoice), "Пещера");
  // A hut finished later brings no message, since the cave is on offer already.
  g.S[Item::Hut].BuildDaysLeft.Value = 1;
  g.Create("Хижина");
  EXPECT_TRUE(g.Turn().empty());
  EXPECT_TRUE(g.S[Item::Hut].Owned);
  const auto options = OptionsOf(g.S.CreateChoice);
  EXPECT_EQ(std::count(options.begin(), options.end(), "Пещера"), 1);
}

TEST(Creation, TypedOwnedItemCountsDownAndSimplyStaysOwned) {
  TestGame g;
  g.Own(Item::NewClothes);
  g.S[Item::NewClothes].BuildDaysLeft.Value = 1;
  g.Create("Новая одежда");
  g.Next();
  EXPECT_TRUE(g.S[Item::NewClothes].Owned);
  EXPECT_EQ(g.S[Item::NewClothes].BuildDaysLeft.Value, 7);
  EXPECT_FALSE(g.S.CreateChoice.Contains(Item::NewClothes));
}

TEST(Creation, WornOutItemMadeAgainIsLostTheSameTurnAndOfferedAgain) {
  TestGame g;
  g.S[Item::FishingTackle].WearDaysLeft.Value = 0;  // wore out earlier, never repaired
  g.S[Item::FishingTackle].BuildDaysLeft.Value = 1;
  g.Create("Рыболовные снасти");
  g.Next();
  EXPECT_FALSE(g.S[Item::FishingTackle].Owned);
  EXPECT_EQ(g.S[Item::FishingTackle].BuildDaysLeft.Value, 12);
  EXPECT_EQ(OptionsOf(g.S.CreateChoice).back(), "Рыболовные снасти");
  EXPECT_EQ(TextOf(g.S.CreateChoice), "Рыболовные снасти");
  EXPECT_FALSE(g.S.RepairChoice.Contains(Item::FishingTackle));
  // Never in the repair list, so nothing took fishing off the gathering list this turn;
  // the next turn's upkeep of the gathering list does.
  EXPECT_TRUE(g.S.GatherChoice.Contains(NameId::Fishing));
  g.Next();
  EXPECT_FALSE(g.S.GatherChoice.Contains(NameId::Fishing));
}

TEST(Creation, TwoLossesInOneTurnComeBackInTableOrderWithTheLastSelected) {
  TestGame g;
  g.Own(Item::Cave);
  g.Own(Item::Hut);
  g.Own(Item::FishingTackle);
  g.S[Item::FishingTackle].WearDaysLeft.Value = 1;
  g.S[Item::Hut].WearDaysLeft.Value = 1;
  g.Gather("Рыбная ловля");
  g.Next();
  ASSERT_GE(OptionsOf(g.S.CreateChoice).size(), 2u);
  const auto& o = OptionsOf(g.S.CreateChoice);
  EXPECT_EQ(o[o.size() - 2], "Рыболовные снасти");
  EXPECT_EQ(o[o.size() - 1], "Хижина");
  EXPECT_EQ(TextOf(g.S.CreateChoice), "Хижина");
  EXPECT_FALSE(g.S.CreateChoice.Contains(Item::Cave));  // the cave still stands
}

TEST(Creation, LostCaveIsOfferedAgainOnlyWhileAHutStands) {
  TestGame g;
  g.Own(Item::Hut);
  g.Own(Item::Cave);
  g.S[Item::Cave].WearDaysLeft.Value = 1;
  EXPECT_EQ(g.Turn(), std::vector<std::string>{kCaveOffer});
  EXPECT_EQ(TextOf(g.S.CreateChoice), "Пещера");

  TestGame h;
  h.Own(Item::Cave);
  h.S[Item::Cave].WearDaysLeft.Value = 1;
  EXPECT_TRUE(h.Turn().empty());
  EXPECT_FALSE(h.S.CreateChoice.Contains(Item::Cave));
}

}  // namespace
}  // namespace kevolan::testing
