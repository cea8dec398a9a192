#include "HintText.h"

#include <string_view>

#include "CountWords.h"
#include "Moves.h"

namespace kevolan::solver {

namespace {

std::string Quoted(std::string_view text) { return "«" + std::string(text) + "»"; }

// How the player gets `text` into `box`: leaving it when the box shows it already, picking it
// from the list when it is one of the listed names as written, typing it otherwise.
std::string PutInto(const ChoiceList& box, std::string_view text) {
  if (text.empty()) return "оставьте поле пустым";
  if (box.Text() == text) return "оставьте " + Quoted(text);
  if (ListedAt(box, text) >= 0) return "выберите " + Quoted(text);
  return "впишите " + Quoted(text);
}

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

// The ending, in the words of its message, as what is still to come.
std::string_view DeathWords(Outcome death) {
  switch (death) {
    case Outcome::Starved:
      return "вы проведёте без еды больше 5 дней и умрёте с голода";
    case Outcome::OldClothesRags:
      return "ваша старая одежда превратится в лохмотья и вы умрёте от холода";
    case Outcome::NewClothesRags:
      return "ваша новая одежда превратится в лохмотья и вы умрёте от холода";
    case Outcome::HutCollapsed:
      return "ваша хижина развалится и придавит вас";
    case Outcome::CaveFellIn:
      return "ваша пещера обвалится и задавит вас";
    case Outcome::NoDwelling:
      return "вы не успеете построить жилище и замёрзнете";
    case Outcome::Won:
    case Outcome::Playing:
      break;
  }
  return "игра закончится вашей гибелью";
}

// What typing a text does, in the game's words, for each kind of text the advice may type.
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

std::string WinText(const GameState& s, const HintResult& r) {
  std::string text = "Спастись с острова ещё можно. Сегодня:\n– " + EatingToday(s, r.FirstMove) +
                     ";\n– " + WorkToday(s, r.FirstMove) + ".";
  text += WhatTypingDoes(s, r.FirstMove);
  if (r.Typed && !TypesText(s, r.FirstMove)) {
    text +=
        "\nОдних пунктов списков не хватит: в один из следующих дней подсказка попросит "
        "вписать слово в поле.";
  }
  if (r.DaysToVictory == 1) {
    text += "\nЛодка будет готова уже сегодня.";
  } else if (r.DaysToVictory > 1) {
    text += "\nЕсли делать, как советует подсказка, вы уплывёте " + std::to_string(r.VictoryDay) +
            " " + std::string(NameOf(r.VictoryMonth)) + ", через " +
            std::to_string(r.DaysToVictory) + " " + DaysWord(r.DaysToVictory) + ".";
    // How far from the best the advice may be: said apart from its promise, so that the bound is
    // never read as the day the advice leads to.
    if (r.Proven) {
      text += " Быстрее уплыть нельзя.";
    } else if (r.ShortestAtLeast > 0) {
      text += "\nЭто не обязательно самый быстрый путь, но быстрее, чем за " +
              std::to_string(r.ShortestAtLeast) + " " + DaysWord(r.ShortestAtLeast) +
              ", уплыть нельзя.";
    }
  }
  return text;
}

std::string LostText(const HintResult& r) {
  std::string text =
      "Спастись с острова уже нельзя: что бы вы ни делали, " + std::string(DeathWords(r.Death));
  if (r.DeathDay > 0) {
    const std::string date = std::to_string(r.DeathDay) + " " + std::string(NameOf(r.DeathMonth));
    if (r.DeathInDays == 1) {
      text += " уже сегодня, " + date;
    } else {
      text += " не позже " + date;
      if (r.DeathInDays > 1) {
        text += ", через " + std::to_string(r.DeathInDays) + " " + DaysWord(r.DeathInDays);
      }
    }
  }
  return text + ".";
}

}  // namespace

std::string DaysWord(long long n) { return std::string(FormFor(n, kDayWord)); }

std::string HintText(const GameState& state, const HintResult& result) {
  if (state.GameOver) {
    return state.Outcome == Outcome::Won ? "Вы уже уплыли с острова."
                                         : "Игра окончена: спастись уже нельзя.";
  }
  switch (result.Verdict) {
    case Verdict::Win:
      return WinText(state, result);
    case Verdict::Lost:
      return LostText(result);
    case Verdict::Unknown:
      break;
  }
  return "Не удалось вовремя понять, можно ли ещё спастись: вариантов слишком много. "
         "Спросите снова после следующего дня.";
}

}  // namespace kevolan::solver
