#include "HintText.h"

#include <string_view>

#include "ChoiceWords.h"
#include "CountWords.h"
#include "Moves.h"

namespace kevolan::solver {

namespace {

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
    text += "\nЕсли делать, как советует подсказка, вы уплывёте " +
            DateShown(r.VictoryDay, r.VictoryMonth) + ", через " + std::to_string(r.DaysToVictory) +
            " " + DaysWord(r.DaysToVictory) + ".";
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
    const std::string date = DateShown(r.DeathDay, r.DeathMonth);
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
