// The choice boxes' list operations, which the rules lean on turn after turn.
#include <gtest/gtest.h>

#include "ChoiceList.h"
#include "GameState.h"

namespace kevolan {
namespace {

ChoiceList ListOf(std::initializer_list<NameId> names) {
  ChoiceList l;
  for (NameId n : names) l.Append(n);
  return l;
}

TEST(ChoiceList, ShowsExactNamesOnly) {
  ChoiceList l = ListOf({NameId::Fish, NameId::WildGame});
  // Only the exact text of a name is that name; any other text is kept as typed.
  l.Type("рыба");
  EXPECT_FALSE(l.Shows(NameId::Fish));
  EXPECT_EQ(l.Shown(), NameId::Typed);
  EXPECT_EQ(l.Text(), "рыба");
  l.Type("Рыба");
  EXPECT_TRUE(l.Shows(NameId::Fish));
  EXPECT_EQ(l.Text(), "Рыба");
  l.Type("");
  EXPECT_TRUE(l.ShowsNothing());
}

// The lists are as long as the catalogue allows; one more option, or a name twice, is a fault
// of the program and stops it rather than dropping the option unseen.
TEST(ChoiceListDeathTest, AFullListOrANameTwiceStopsTheProgram) {
  ChoiceList l;
  for (Item item : kWorkedItems) l.Append(item);
  EXPECT_EQ(l.Size(), ChoiceList::kCapacity);
  EXPECT_DEATH(l.Append(NameId::Fish), "full");
  l.Remove(Item::Boat);
  EXPECT_DEATH(l.Append(Item::Hut), "twice");
  l.Append(Item::Boat);
  EXPECT_EQ(l.IndexOf(IdOf(Item::Boat)), static_cast<int>(ChoiceList::kCapacity) - 1);
}

TEST(ChoiceList, RemovingWhatIsAbsentAndSelectingMinusOneAreHarmless) {
  ChoiceList l = ListOf({NameId::Fruit, NameId::Fish});
  l.Select(1);
  l.Remove(NameId::WildGame);
  EXPECT_EQ(l.Size(), 2u);
  EXPECT_EQ(l.Text(), "Рыба");
  l.Select(-1);
  EXPECT_EQ(l.Text(), "");
  EXPECT_EQ(l.Selected(), -1);
  l.Select(7);
  EXPECT_EQ(l.Selected(), -1);
}

TEST(ChoiceList, ClearingEmptiesTypedTextAndPickRefusesMissingOptions) {
  ChoiceList l = ListOf({NameId::Fruit, NameId::Fish, NameId::WildGame});
  const std::string long_text(10000, 'x');
  l.Type(long_text);
  EXPECT_EQ(l.Text(), long_text);  // kept whole, however long
  EXPECT_EQ(l.Selected(), -1);
  const ChoiceList copy = l;
  EXPECT_EQ(copy, l);
  l.ClearSelection();
  EXPECT_EQ(l.Text(), "");
  EXPECT_EQ(copy.Text(), long_text);  // a copy keeps its own text
  EXPECT_FALSE(l.Pick(3));
  EXPECT_FALSE(l.Pick(-1));
  EXPECT_TRUE(l.Pick(2));
  EXPECT_EQ(l.Text(), "Дичь");
  // The selection follows its option when an earlier one is removed.
  l.Remove(NameId::Fruit);
  EXPECT_EQ(l.Selected(), 1);
  EXPECT_EQ(TextOf(l.Options()[static_cast<std::size_t>(l.Selected())]), l.Text());
  // Membership follows removals and appends; an option comes back at the end.
  EXPECT_FALSE(l.Contains(NameId::Fruit));
  l.Append(NameId::Fruit);
  EXPECT_EQ(l.IndexOf(NameId::Fruit), 2);
  // Removing the shown option keeps the text but selects nothing.
  l.Remove(NameId::WildGame);
  EXPECT_EQ(l.Selected(), -1);
  EXPECT_EQ(l.Text(), "Дичь");
}

TEST(ChoiceList, ATypedNameIsThatNameAndCopiesCompareByWhatTheyShow) {
  GameState s = NewGame();
  s.FoodChoice.Type("Рыба");
  s.RepairChoice.Type("Хижина ");
  EXPECT_EQ(s.FoodChoice.Shown(), NameId::Fish);
  EXPECT_EQ(s.RepairChoice.Shown(), NameId::Typed);  // a trailing space makes it no name
  GameState copy = s;
  EXPECT_TRUE(copy == s);
  copy.RepairChoice.Type("Хижина  ");
  EXPECT_FALSE(copy == s);
  EXPECT_EQ(s.RepairChoice.Text(), "Хижина ");
}

}  // namespace
}  // namespace kevolan
