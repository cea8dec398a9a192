// The words a screen reader says for the main window's counters and choice boxes. The window's
// spoken names and the day's report both take them from here, so that a counter sounds the same
// wherever it is heard: its words, a colon, its number ("Фрукты в запасе: 3").
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "Catalogue.h"
#include "GameState.h"
#include "WindowRows.h"

namespace kevolan::speech {

// A counter that is no item's, with the field it shows. In the order the day's report reads
// them: the stores first, the news a castaway wants before any other, then the rest as the
// window reads them.
struct GameCounterWords {
  std::string_view Words;
  Count GameState::*Field;
};
inline constexpr std::array<GameCounterWords, 8> kGameCounters = {{
    {"Фрукты в запасе", &GameState::FruitStock},
    {"Рыба в запасе", &GameState::FishStock},
    {"Дичь в запасе", &GameState::WildGameStock},
    {"Фрукты дней подряд", &GameState::FruitStreak},
    {"Рыба дней подряд", &GameState::FishStreak},
    {"Дичь дней подряд", &GameState::WildGameStreak},
    {"Дней без еды", &GameState::HungryDays},
    {"Осталось дней болезни", &GameState::SickDays},
}};

// A frame of per-item counters: the words said after the item's name, and the frame, whose
// rows the window's table gives from top to bottom. In the order the day's report reads them.
struct ItemFrameWords {
  std::string_view Words;
  window::Frame Frame;

  constexpr Counter ItemState::*Field() const { return window::Info(Frame).Shows; }
};
inline constexpr std::array<ItemFrameWords, 3> kItemFrames = {{
    {"осталось дней действия", window::Frame::Wear},
    {"осталось дней на создание", window::Frame::Creation},
    {"осталось дней на ремонт", window::Frame::Repair},
}};

// "Хижина, осталось дней на ремонт": an item's counter in a frame.
std::string ItemCounterWords(Item item, const ItemFrameWords& frame);

// The owned items' frame; each is read "У вас есть: Хижина".
inline constexpr std::string_view kOwnedWords = "У вас есть";

// The choice boxes by what each is for, in the window's order.
struct BoxWords {
  std::string_view Name;
  ChoiceList GameState::*List;
};
inline constexpr std::array<BoxWords, 4> kBoxes = {{
    {"Какую еду съесть", &GameState::FoodChoice},
    {"Как заготовить продукты", &GameState::GatherChoice},
    {"Какой предмет создать", &GameState::CreateChoice},
    {"Какой предмет отремонтировать", &GameState::RepairChoice},
}};

}  // namespace kevolan::speech
