// The choice boxes' list operations, which the rules lean on turn after turn.
#include <gtest/gtest.h>

#include "ChoiceList.h"

namespace kevolan {
namespace {

ChoiceList ListOf(std::initializer_list<const char*> names) {
  ChoiceList l;
  for (const char* n : names) l.Append(n);
  return l;
}

TEST(ChoiceList, LooksUpWholeNamesIgnoringCaseButShowsExactly) {
  ChoiceList l = ListOf({"Рыба", "Дичь"});
  EXPECT_EQ(l.IndexOf("дичь"), 1);
  EXPECT_EQ(l.IndexOf("РЫБА"), 0);
  EXPECT_EQ(l.IndexOf("Рыб"), -1);
  EXPECT_EQ(l.IndexOf("Рыба "), -1);
  l.Type("рыба");
  EXPECT_FALSE(l.Shows("Рыба"));
  EXPECT_TRUE(EqualIgnoringCase("ЁЖИК Ok", "ёжик oK"));
  EXPECT_FALSE(EqualIgnoringCase("\xD0", "\xD0\x90"));  // a cut-off letter matches nothing
}

TEST(ChoiceList, RemovingWhatIsAbsentAndSelectingMinusOneAreHarmless) {
  ChoiceList l = ListOf({"A", "B"});
  l.Select(1);
  l.Remove("C");
  EXPECT_EQ(l.Options.size(), 2u);
  EXPECT_EQ(l.Text, "B");
  l.Select(-1);
  EXPECT_EQ(l.Text, "");
  EXPECT_EQ(l.Selected, -1);
  l.Select(7);
  EXPECT_EQ(l.Selected, -1);
}

TEST(ChoiceList, ClearingEmptiesTypedTextAndPickRefusesMissingOptions) {
  ChoiceList l = ListOf({"A", "B", "C"});
  l.Type("anything at all");
  EXPECT_EQ(l.Selected, -1);
  l.ClearSelection();
  EXPECT_EQ(l.Text, "");
  EXPECT_FALSE(l.Pick(3));
  EXPECT_FALSE(l.Pick(-1));
  EXPECT_TRUE(l.Pick(2));
  EXPECT_EQ(l.Text, "C");
  // The selection follows its option when an earlier one is removed.
  l.Remove("A");
  EXPECT_EQ(l.Selected, 1);
  EXPECT_EQ(l.Options[static_cast<std::size_t>(l.Selected)], l.Text);
}

}  // namespace
}  // namespace kevolan
