// A game to play in tests: the rules as the window runs them, with the messages recorded.
#pragma once

#include <gtest/gtest.h>

#include <source_location>
#include <string>
#include <vector>

#include "DayTurn.h"
#include "GameState.h"
#include "Handlers.h"
#include "Messenger.h"
#include "Phases.h"

namespace kevolan::testing {

class RecordingMessenger final : public Messenger {
 public:
  void Show(std::string_view text) override { Shown.emplace_back(text); }
  std::vector<std::string> Shown;
};

struct TestGame {
  GameState S = NewGame();

  // Runs one day and returns the messages it showed, in order, for the test to check.
  std::vector<std::string> Turn() {
    RecordingMessenger m;
    DayTurn(S, m);
    return m.Shown;
  }
  // Runs one day that must show no message at all: a stray message is a fault of its own.
  void Next(std::source_location at = std::source_location::current()) {
    const std::vector<std::string> shown = Turn();
    if (!shown.empty()) ADD_FAILURE_AT(at.file_name(), at.line()) << "message: " << shown.front();
  }
  void Days(int n) {
    for (int i = 0; i < n; ++i) Next();
  }
  // Plenty of every food, one of them shown: the castaway eats every day without picking again.
  void Feed() {
    S.FruitStock = 1000;
    S.FishStock = 10;
    S.WildGameStock = 15;
    Eat(true);
    UpdateFoodList(S);
    PickFood("Фрукты");
  }
  void Choose(kevolan::Activity a) { ClickActivity(S, a); }
  void Eat(bool on) { SetEatToday(S, on); }
  void PickFood(std::string_view name) { S.FoodChoice.Type(name); }
  void Gather(std::string_view option) {
    Choose(kevolan::Activity::GatherFood);
    S.GatherChoice.Type(option);
  }
  void Create(std::string_view name) {
    Choose(kevolan::Activity::Create);
    S.CreateChoice.Type(name);
    ComboBox3Change(S);
  }
  void Repair(std::string_view name) {
    Choose(kevolan::Activity::Repair);
    S.RepairChoice.Type(name);
  }
  // Owns an item as if it had just been made, with its full wear days.
  void Own(Item item) {
    S[item].Owned = true;
    S[item].WearDaysLeft.Shown = true;
    S.CreateChoice.Remove(item);
    if (!S.RepairChoice.Contains(item)) S.RepairChoice.Append(item);
  }
};

// What a choice box holds and shows, as the player reads it.
inline std::vector<std::string> OptionsOf(const ChoiceList& list) {
  std::vector<std::string> texts;
  for (NameId option : list.Options()) texts.emplace_back(TextOf(option));
  return texts;
}
inline std::string TextOf(const ChoiceList& list) { return std::string(list.Text()); }

inline std::vector<std::string> Names(std::initializer_list<std::string_view> names) {
  return {names.begin(), names.end()};
}

// The lists a new game offers, from the catalogue, so that an item added to it is expected too:
// everything worked on but what waits for a hut, to create; what is owned at the start, to repair.
inline std::vector<std::string> FirstCreationList() {
  std::vector<std::string> names;
  for (const ItemInfo& info : kItemTable) {
    if (info.Made != Making::Never && !info.OfferedOnlyWithHut) names.emplace_back(info.Name);
  }
  return names;
}
inline std::vector<std::string> FirstRepairList() {
  std::vector<std::string> names;
  for (const ItemInfo& info : kItemTable) {
    if (info.OwnedAtStart) names.emplace_back(info.Name);
  }
  return names;
}
// A list without one of its names, and with a name appended at its end.
inline std::vector<std::string> Without(std::vector<std::string> list, std::string_view name) {
  std::erase(list, name);
  return list;
}
inline std::vector<std::string> Then(std::vector<std::string> list, std::string_view name) {
  list.emplace_back(name);
  return list;
}

}  // namespace kevolan::testing
