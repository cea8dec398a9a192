#include "ReviewText.h"

#include "ChoiceWords.h"
#include "HintText.h"

namespace kevolan::solver {
namespace {

std::string Days(long long n) { return std::to_string(n) + " " + DaysWord(n); }

const GameState& StartOf(const GameRecord& record, long long day) { return record.Day(day).Start; }

std::string LossText(const GameRecord& record, const ReviewResult& r) {
  if (r.TurningDay >= 0) {
    const GameState& s = StartOf(record, r.TurningDay);
    return "Игра была проиграна " + r.TurningDate +
           ": это последний день, с которого ещё можно было спастись.\nВ тот день вы выбрали:\n– " +
           EatingChosen(s, r.PlayedMove) + ";\n– " + WorkChosen(s, r.PlayedMove) +
           ".\nСпасло бы то, что советовала в тот день подсказка:\n– " +
           EatingToday(s, r.SavingMove) + ";\n– " + WorkToday(s, r.SavingMove) + "." +
           WhatTypingDoes(s, r.SavingMove);
  }
  if (r.UndecidedDay < 0) return "Спастись было нельзя ни с одного дня этой игры.";
  std::string text;
  if (r.UndecidedDay + 1 < r.Days) {
    text = "С " + DateShown(StartOf(record, r.UndecidedDay + 1)) + " спастись было уже нельзя. ";
  }
  return text + "Можно ли было ещё спастись " + r.UndecidedDate +
         ", понять вовремя не удалось: вариантов слишком много.";
}

std::string VictoryText(const GameRecord& record, const ReviewResult& r) {
  std::string text = "Вы уплыли с острова за " + Days(r.Days) +
                     ". Самый короткий путь с начала игры, если " +
                     (r.ListsOnly ? "выбирать только пункты списков" : "вписывать слова в поля") +
                     ", — " + Days(r.ShortestDays) + ".";
  if (r.DaysLost < 0) {
    return text +
           "\nС какого дня можно было уплыть быстрее, понять вовремя не удалось: вариантов "
           "слишком много.";
  }
  if (r.TurningDay >= 0) {
    text += "\nБольше всего дней потеряно с " + r.TurningDate + ": оттуда можно было уплыть за " +
            Days(r.ShortestFromTurning) + ", а ушло " + std::to_string(r.Days - r.TurningDay) +
            " — на " + Days(r.DaysLost) + " больше.";
  } else {
    text += r.UndecidedDay < 0 ? "\nНи с одного дня нельзя было уплыть быстрее."
                               : "\nНи с одного проверенного дня нельзя было уплыть быстрее.";
  }
  if (r.UndecidedDay >= 0) {
    text += "\nПроверены дни с " + DateShown(StartOf(record, r.UndecidedDay + 1)) +
            (r.UndecidedDay < record.FirstKept() ? ": более ранние игра не хранит."
                                                 : ": на более ранние не хватило времени.");
  }
  return text;
}

}  // namespace

std::string ReviewText(const GameRecord& record, const ReviewResult& review) {
  if (review.Outcome == Outcome::Playing) return "Игра ещё не окончена.";
  return review.Outcome == Outcome::Won ? VictoryText(record, review) : LossText(record, review);
}

}  // namespace kevolan::solver
