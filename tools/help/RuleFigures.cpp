// The figures the help may state, read from the catalogue and the castaway's limits.
#include "GameState.h"
#include "HelpFigures.h"
#include "Limits.h"

namespace kevolan::help {
namespace {

Figure Number(std::string name, Count n) { return {std::move(name), n, "", ""}; }

// A date as a sentence writes it: the day and the month's genitive with a small first letter
// ("1 февраля", where the window shows "1 Февраля").
std::string DateInText(Count day, Month month) {
  std::string name(NameOf(month));
  // A capital Cyrillic letter, U+0410 to U+042F in two bytes, has its small one 0x20 further on.
  const unsigned capital = (static_cast<unsigned char>(name[0]) & 0x1Fu) << 6 |
                           (static_cast<unsigned char>(name[1]) & 0x3Fu);
  if (capital >= 0x410 && capital <= 0x42F) {
    const unsigned small = capital + 0x20;
    name[0] = static_cast<char>(0xC0 | small >> 6);
    name[1] = static_cast<char>(0x80 | (small & 0x3F));
  }
  return std::to_string(day) + " " + name;
}

Figure Date(std::string name, Count day, Month month) {
  return {std::move(name), 0, DateInText(day, month), ""};
}

}  // namespace

std::vector<Figure> RuleFigures() {
  std::vector<Figure> figures;
  for (const ItemInfo& item : kItemTable) {
    const std::string key(item.Key);
    if (item.Made != Making::Never) figures.push_back(Number(key + ".Build", item.BuildDays));
    if (!item.Kept()) continue;
    Figure wear = Number(key + ".Wear", item.WearDays);
    if (item.WearAfterRepair != item.WearDays) {
      wear.Refusal = "a repair gives it " + std::to_string(item.WearAfterRepair) +
                     " days of wear, not the " + std::to_string(item.WearDays) +
                     " it starts with, and the help says a repair gives the full wear back";
    }
    Figure repair = Number(key + ".Repair", item.RepairDays);
    if (item.RepairAfterRepair != item.RepairDays) {
      repair.Refusal = "its first repair takes " + std::to_string(item.RepairDays) +
                       " days and the later ones " + std::to_string(item.RepairAfterRepair) +
                       ": write {" + key + ".FirstRepair} and {" + key + ".LaterRepair}";
    }
    figures.push_back(std::move(wear));
    figures.push_back(std::move(repair));
    figures.push_back(Number(key + ".FirstRepair", item.RepairDays));
    figures.push_back(Number(key + ".LaterRepair", item.RepairAfterRepair));
  }
  for (const FoodInfo& food : kFoodTable) {
    const std::string key(food.Key);
    figures.push_back(Number(key + ".Yield", food.Yield));
    Figure cap = Number(key + ".Cap", food.Cap);
    if (food.Cap == 0) cap.Refusal = "it keeps without a cap";
    figures.push_back(std::move(cap));
  }
  figures.push_back(Number("HungerLimit", kHungerLimit));
  figures.push_back(Number("DeadlyHungryDay", kHungerLimit + 1));
  figures.push_back(Number("IllnessAfter", kIllnessEvery));
  figures.push_back(Number("IllnessDays", kIllnessDays));
  const GameState start = NewGame();
  figures.push_back(Date("Start", start.Day, start.Month));
  figures.push_back(Date("DwellingDeadline", kDwellingDeadlineDay, kDwellingDeadlineMonth));
  return figures;
}

}  // namespace kevolan::help
