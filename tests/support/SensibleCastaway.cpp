#include "SensibleCastaway.h"

#include "ReplayCommand.h"

namespace kevolan::testing {

// What a castaway who tries to survive would do next: keep a store of food and vary it,
// build a hut, tackle and new clothes, repair what is wearing out, then work on the boat.
std::string NextMove(const GameState& s, const CastawayPlan& plan) {
  if (!s.EatToday) return "eat on";
  if (s.FoodChoice.ShowsNothing() && s.FoodChoice.Size() > 0) {
    // Of the foods in store, the one eaten least in a row, so no streak runs to 25.
    int best = -1;
    for (Food f : kFoods) {
      const int at = s.FoodChoice.IndexOf(IdOf(f));
      if (at >= 0 && s.Stock(f) > 0 &&
          (best < 0 || s.Streak(f) < s.Streak(kFoods[static_cast<std::size_t>(best)]))) {
        best = static_cast<int>(f);
      }
    }
    if (best >= 0) {
      return "pick food " + std::to_string(s.FoodChoice.IndexOf(IdOf(static_cast<Food>(best))));
    }
  }
  const auto wearing = [&](Item item, Count below) {
    return s[item].Owned && s[item].WearDaysLeft.Value < below;
  };
  const Count food = s.FruitStock + s.FishStock + s.WildGameStock;
  std::string activity = "create";
  // Without the boat there is always the cave to work on, owned or not.
  std::string name = plan.BuildBoat ? "Лодка" : "Пещера";
  if (food < 12 || (food < 20 && s.Activity == Activity::GatherFood)) {
    activity = "gather";
    name = s.GatherChoice.Contains(NameId::Fishing) && s.FishStock < 6 ? "Рыбная ловля"
                                                                       : "Поход за фруктами";
    if (plan.BuildWeapon && s.GatherChoice.Contains(NameId::Hunting) && s.WildGameStock < 3) {
      name = "Охота на дичь";
    }
  } else if (plan.RepairOldClothes && wearing(Item::OldClothes, 12) &&
             (plan.KeepOldClothes || !s[Item::NewClothes].Owned)) {
    activity = "repair", name = "Старая одежда";
  } else if (plan.RepairNewClothes && wearing(Item::NewClothes, 8)) {
    activity = "repair", name = "Новая одежда";
  } else if (plan.RepairHut && wearing(Item::Hut, 8) &&
             !(plan.AbandonHutForCave && s[Item::Cave].Owned)) {
    activity = "repair", name = "Хижина";
  } else if (plan.RepairCave && wearing(Item::Cave, 10)) {
    activity = "repair", name = "Пещера";
  } else if (plan.RepairTackle && wearing(Item::FishingTackle, 3)) {
    activity = "repair", name = "Рыболовные снасти";
  } else if (plan.RepairWeapon && wearing(Item::HuntingWeapon, 2)) {
    activity = "repair", name = "Орудие охоты";
  } else if (plan.BuildHut && !s[Item::Hut].Owned && !s[Item::Cave].Owned) {
    name = "Хижина";
  } else if (plan.BuildCave && !s[Item::Cave].Owned) {
    name = "Пещера";
  } else if (plan.BuildTackle && !s[Item::FishingTackle].Owned) {
    name = "Рыболовные снасти";
  } else if (plan.BuildWeapon && !s[Item::HuntingWeapon].Owned) {
    name = "Орудие охоты";
  } else if (plan.BuildNewClothes && !s[Item::NewClothes].Owned) {
    name = "Новая одежда";
  }
  const kevolan::Activity a = activity == "gather"   ? Activity::GatherFood
                              : activity == "create" ? Activity::Create
                                                     : Activity::Repair;
  if (s.Activity != a && s.ActivityEnabled) return "activity " + activity;
  const ChoiceList& box = s.Activity == Activity::GatherFood ? s.GatherChoice
                          : s.Activity == Activity::Create   ? s.CreateChoice
                                                             : s.RepairChoice;
  const std::string boxName = s.Activity == Activity::GatherFood ? "gather"
                              : s.Activity == Activity::Create   ? "create"
                                                                 : "repair";
  if (s.Activity == a && box.Enabled && box.Text() != name) {
    const int at = box.IndexOf(ExactName(name));
    return at >= 0 ? "pick " + boxName + " " + std::to_string(at) : "type " + boxName + " " + name;
  }
  return "next";
}

std::string SensibleMove(const GameState& s, bool buildBoat) {
  CastawayPlan plan;
  plan.BuildBoat = buildBoat;
  return NextMove(s, plan);
}

void PlayLine(replay::ReplaySession& session, const std::string& line, std::string& script,
              std::string& answer) {
  script += line;
  script += '\n';
  answer.clear();
  session.Run(replay::ParseLine(line).Command, line, answer);
}

void PlayCastaway(replay::ReplaySession& session, const CastawayPlan& plan, long long turns,
                  std::string& script, std::string& answer) {
  while (session.Turns() < turns && !session.State().GameOver) {
    PlayLine(session, NextMove(session.State(), plan), script, answer);
  }
}

std::string EndlessCastawayScript(long long turns) {
  CastawayPlan plan;
  plan.BuildBoat = false;
  replay::ReplaySession session;
  std::string script;
  std::string answer;
  PlayCastaway(session, plan, turns, script, answer);
  return script;
}

}  // namespace kevolan::testing
