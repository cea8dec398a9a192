#include "Moves.h"

#include <cstdint>
#include <utility>

#include "DayTurn.h"
#include "Handlers.h"
#include "Phases.h"

namespace kevolan::solver {
namespace {

class Silence final : public Messenger {
 public:
  void Show(std::string_view) override {}
};

std::string BoxWord(Activity a) { return std::string(kActivityWords[static_cast<std::size_t>(a)]); }

// Shows `text` in the box as a player would: picked when listed, else typed. A box that already
// shows it is left alone.
void Show(ChoiceList& box, std::string_view text) {
  if (box.Text() == text) return;
  const int at = ListedAt(box, text);
  if (at >= 0) {
    box.Pick(at);
  } else {
    box.Type(text);
  }
}

bool NeedsClick(const GameState& s, Activity a) {
  if (a == Activity::None) return false;
  const ChoiceList* box = BoxOf(s, a);
  return s.Activity != a || !box->Enabled;
}

// The work that can matter when every text can be typed: the dwellings, the clothes and the
// boat. Tools and gathering only bring food, and food matters no more once the food box shows
// kNoFood: the day is not hungry, and no run of one food moves, so no illness comes unless a run
// already stands on a multiple of 25 (then a food is eaten, typed: it is eaten with none in
// store).
constexpr Item kCreateTargets[] = {Item::Boat, Item::Hut, Item::Cave, Item::NewClothes};
constexpr Item kRepairTargets[] = {Item::OldClothes, Item::NewClothes, Item::Hut, Item::Cave};

}  // namespace

int ListedAt(const ChoiceList& box, std::string_view text) {
  const NameId name = ExactName(text);
  return name == NameId::None || name == NameId::Typed ? -1 : box.IndexOf(name);
}

bool Apply(GameState& s, const Move& m) {
  SetEatToday(s, m.Eat);
  if (m.Eat && !m.Food.empty()) Show(s.FoodChoice, m.Food);
  if (NeedsClick(s, m.Activity) && !ClickActivity(s, m.Activity)) return false;
  if (!m.Option.empty()) {
    ChoiceList* box = BoxOf(s, s.Activity);
    if (box == nullptr || !box->Enabled) return false;
    const bool changes = box->Text() != m.Option;
    Show(*box, m.Option);
    if (changes && box == &s.CreateChoice) ComboBox3Change(s);
  }
  return true;
}

bool Play(GameState& s, const Move& m) {
  if (!CanStartTurn(s) || !Apply(s, m)) return false;
  Silence quiet;
  DayTurn(s, quiet);
  return true;
}

std::vector<std::string> CommandsFor(const GameState& state, const Move& m) {
  std::vector<std::string> out;
  GameState s = state;
  if (s.EatToday != m.Eat) out.emplace_back(m.Eat ? "eat on" : "eat off");
  SetEatToday(s, m.Eat);
  if (m.Eat && !m.Food.empty() && s.FoodChoice.Text() != m.Food) {
    const int at = ListedAt(s.FoodChoice, m.Food);
    out.push_back(at >= 0 ? "pick food " + std::to_string(at) : "type food " + m.Food);
  }
  if (NeedsClick(s, m.Activity)) {
    out.push_back("activity " + BoxWord(m.Activity));
    ClickActivity(s, m.Activity);
  }
  if (!m.Option.empty()) {
    const ChoiceList* box = BoxOf(s, s.Activity);
    if (box != nullptr && box->Text() != m.Option) {
      const int at = ListedAt(*box, m.Option);
      out.push_back(at >= 0 ? "pick " + BoxWord(s.Activity) + " " + std::to_string(at)
                            : "type " + BoxWord(s.Activity) + " " + m.Option);
    }
  }
  return out;
}

std::optional<Food> FoodStuckOnIllness(const GameState& s) {
  for (Food f : kFoods) {
    if (StrikesIllness(s.Streak(f))) return f;
  }
  return std::nullopt;
}

std::vector<Move> TypedMoves(const GameState& s) {
  std::vector<Move> moves;
  std::vector<std::string_view> meals = {kNoFood};
  if (FoodStuckOnIllness(s)) {
    for (Food f : kFoods) meals.push_back(NameOf(f));
  }
  const auto add = [&](Activity a, std::string_view option) {
    for (std::string_view meal : meals) {
      Move m;
      m.Eat = true;
      m.Food = meal;
      m.Activity = a;
      m.Option = option;
      moves.push_back(std::move(m));
    }
  };
  const bool free = s.ActivityEnabled;
  if (free || s.Activity == Activity::Create) {
    for (Item item : kCreateTargets) add(Activity::Create, NameOf(item));
  }
  if (free || s.Activity == Activity::Repair) {
    for (Item item : kRepairTargets) add(Activity::Repair, NameOf(item));
  }
  // A day of no work: a trip for fruit wears nothing; while illness holds another activity,
  // a text that names nothing.
  if (free || s.Activity == Activity::GatherFood) {
    add(Activity::GatherFood, TextOf(NameId::FruitTrip));
  } else if (s.Activity == Activity::None) {
    add(Activity::None, "");
  } else {
    add(s.Activity, kNoWork);
  }
  return moves;
}

// In the order a victory is likeliest to start with, so that the search meets one soon: the boat
// first, then the other work; a meal first (kMealOrder) and "Питание" off last.
std::vector<Move> ListMoves(const GameState& s) {
  std::vector<Move> meals;
  for (Food f : kMealOrder) {
    if (!s.FoodChoice.Contains(IdOf(f))) continue;
    Move m;
    m.Eat = true;
    m.Food = NameOf(f);
    meals.push_back(std::move(m));
  }
  meals.push_back(Move{});  // "Питание" off
  std::vector<Move> moves;
  const auto addWork = [&](Activity a, NameId n) {
    for (const Move& meal : meals) {
      Move m = meal;
      m.Activity = a;
      m.Option = TextOf(n);
      moves.push_back(std::move(m));
    }
  };
  const auto addBox = [&](Activity a, const ChoiceList& box) {
    for (NameId n : box.Options()) {
      if (n != IdOf(Item::Boat)) addWork(a, n);
    }
  };
  const bool free = s.ActivityEnabled;
  if (free || s.Activity == Activity::Create) {
    if (s.CreateChoice.Contains(Item::Boat)) addWork(Activity::Create, IdOf(Item::Boat));
    addBox(Activity::Create, s.CreateChoice);
  }
  if (free || s.Activity == Activity::Repair) addBox(Activity::Repair, s.RepairChoice);
  if (free || s.Activity == Activity::GatherFood) addBox(Activity::GatherFood, s.GatherChoice);
  if (moves.empty()) moves = meals;  // illness holds no activity, or its box lists nothing
  return moves;
}

bool TypesText(const GameState& s, const Move& m) {
  if (m.Eat && !m.Food.empty() && s.FoodChoice.Text() != m.Food &&
      ListedAt(s.FoodChoice, m.Food) < 0)
    return true;
  const Activity a = m.Activity == Activity::None ? s.Activity : m.Activity;
  const ChoiceList* box = BoxOf(s, a);
  return box != nullptr && !m.Option.empty() && box->Text() != m.Option &&
         ListedAt(*box, m.Option) < 0;
}

void PreviousDate(int& day, Month& month) {
  if (day > 1) {
    --day;
    return;
  }
  // Walk a year of days from the month before and keep the last date that turns into this one.
  GameState probe;
  probe.Month = static_cast<Month>((static_cast<int>(month) + 11) % 12);
  probe.Day = 1;
  int lastDay = 1;
  for (int i = 0; i < 40 && probe.Month != month; ++i) {
    lastDay = probe.Day;
    AdvanceCalendar(probe);
  }
  day = lastDay;
  month = static_cast<Month>((static_cast<int>(month) + 11) % 12);
}

}  // namespace kevolan::solver
