#include "ChoiceWords.h"

#include "Moves.h"

namespace kevolan::solver {

namespace {

// How the player gets `text` into `box`: leaving it when the box shows it already, picking it
// from the list when it is one of the listed names as written, typing it otherwise.
std::string PutInto(const ChoiceList& box, std::string_view text) {
  if (text.empty()) return "оставьте поле пустым";
  if (box.Text() == text) return "оставьте " + Quoted(text);
  if (ListedAt(box, text) >= 0) return "выберите " + Quoted(text);
  return "впишите " + Quoted(text);
}

// What a box showed when the day was played: a listed name as it is, any other text as typed.
std::string Shown(const ChoiceList& box, std::string_view text) {
  return ListedAt(box, text) >= 0 ? Quoted(text) : "вписано " + Quoted(text);
}

}  // namespace

std::string Quoted(std::string_view text) { return "«" + std::string(text) + "»"; }

std::string EatingToday(const GameState& s, const Move& move) {
  if (!move.Eat) {
    return s.EatToday ? "снимите отметку " + Quoted("Питание")
                      : "не отмечайте " + Quoted("Питание");
  }
  // An empty food text in a move leaves the box as it stands.
  const std::string_view food = move.Food.empty() ? s.FoodChoice.Text() : move.Food;
  return (s.EatToday ? "оставьте отметку " : "отметьте ") + Quoted("Питание") +
         ", еда: " + PutInto(s.FoodChoice, food);
}

std::string WorkToday(const GameState& s, const Move& move) {
  // No activity in a move leaves the one that stands; illness may not allow another anyway.
  const Activity activity = move.Activity == Activity::None ? s.Activity : move.Activity;
  if (activity == Activity::None) return "занятие не выбирайте";
  const ChoiceList& box = *BoxOf(s, activity);
  const std::string_view option = move.Option.empty() ? box.Text() : move.Option;
  return (activity == s.Activity ? "занятие " : "выберите занятие ") +
         Quoted(kActivityNames[static_cast<std::size_t>(activity)]) + ", в его поле " +
         PutInto(box, option);
}

std::string WhatTypingDoes(const GameState& s, const Move& m) {
  std::string said;
  if (m.Eat && m.Food == kNoFood) {
    said += "\nВписанное слово не называет никакой еды: с отметкой " + Quoted("Питание") +
            " такой день не считается голодным, хотя ничего не съедено.";
  }
  const Activity activity = m.Activity == Activity::None ? s.Activity : m.Activity;
  const ChoiceList* box = BoxOf(s, activity);
  if (box == nullptr || m.Option.empty() || box->Text() == m.Option ||
      ListedAt(*box, m.Option) >= 0) {
    return said;
  }
  if (m.Option == kNoWork) {
    said += "\nВписанное слово не называет никакой вещи: день пройдёт без работы.";
  } else {
    said += "\nВещь, названная в поле, идёт в работу, даже если её нет в списке.";
  }
  return said;
}

std::string EatingChosen(const GameState& s, const Move& played) {
  if (!played.Eat) return Quoted("Питание") + " не отмечено";
  return Quoted("Питание") + " отмечено, " +
         (played.Food.empty() ? "поле еды пустое"
                              : "в поле еды " + Shown(s.FoodChoice, played.Food));
}

std::string WorkChosen(const GameState& s, const Move& played) {
  const ChoiceList* box = BoxOf(s, played.Activity);
  if (box == nullptr) return "занятие не выбрано";
  return "занятие " + Quoted(kActivityNames[static_cast<std::size_t>(played.Activity)]) +
         (played.Option.empty() ? ", его поле пустое"
                                : ", в его поле " + Shown(*box, played.Option));
}

}  // namespace kevolan::solver
