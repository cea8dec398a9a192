// Checks that every control of the main window shows what the game state holds.
#pragma once

#include <QLineEdit>
#include <QtTest>

#include "GameView.h"
#include "Unit1.h"

inline void CompareChoice(const TChoiceBox* box, const kevolan::ChoiceList& list) {
  QStringList options;
  for (const std::string& option : list.Options) options.append(FromGame(option));
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items.append(box->itemText(i));
  QCOMPARE(items, options);
  QCOMPARE(box->currentIndex(), list.Selected);
  QCOMPARE(box->currentText(), FromGame(list.Text));
  QCOMPARE(box->lineEdit()->text(), FromGame(list.Text));
  QCOMPARE(box->isEnabled(), list.Enabled);
}

inline void CompareNumber(const QLabel* label, kevolan::Count value) {
  QCOMPARE(label->text(), QString::number(value));
}

inline void CompareCounter(const QLabel* label, const kevolan::Counter& counter) {
  CompareNumber(label, counter.Value);
  QCOMPARE(label->isHidden(), !counter.Shown);
}

// Call through QVERIFY_VIEW so that a mismatch stops the calling test.
inline void CompareViewWithState(const TForm1& f) {
  using kevolan::Item;
  const kevolan::GameState& s = f.State();
  QCOMPARE(f.Label57->text(), QString::number(s.Day));
  QCOMPARE(f.Label58->text(), FromGame(s.Month));
  CompareNumber(f.Label56, s.SickDays);
  CompareNumber(f.Label46, s.HungryDays);
  CompareNumber(f.Label37, s.FruitStock);
  CompareNumber(f.Label38, s.FishStock);
  CompareNumber(f.Label39, s.WildGameStock);
  CompareNumber(f.Label47, s.FruitStreak);
  CompareNumber(f.Label48, s.FishStreak);
  CompareNumber(f.Label49, s.WildGameStreak);

  const struct {
    Item Id;
    const QLabel *Owned, *Build, *Repair, *Wear;
  } rows[] = {
      {Item::FishingTackle, f.Label50, f.Label40, f.Label31, f.Label25},
      {Item::HuntingWeapon, f.Label51, f.Label41, f.Label32, f.Label26},
      {Item::Hut, f.Label52, f.Label42, f.Label33, f.Label27},
      {Item::Cave, f.Label53, f.Label43, f.Label34, f.Label28},
      {Item::NewClothes, f.Label54, f.Label44, f.Label35, f.Label30},
      {Item::OldClothes, f.Label55, nullptr, f.Label36, f.Label29},
      {Item::Boat, nullptr, f.Label45, nullptr, nullptr},
  };
  for (const auto& row : rows) {
    const kevolan::ItemState& item = s[row.Id];
    if (row.Owned) QCOMPARE(row.Owned->isHidden(), !item.Owned);
    if (row.Build) CompareCounter(row.Build, item.BuildDaysLeft);
    if (row.Repair) CompareCounter(row.Repair, item.RepairDaysLeft);
    if (row.Wear) CompareCounter(row.Wear, item.WearDaysLeft);
    if (QTest::currentTestFailed()) return;
  }

  QCOMPARE(f.CheckBox1->isChecked(), s.EatToday);
  QCOMPARE(f.RadioGroup1Items->checkedId(), static_cast<int>(s.Activity));
  QCOMPARE(f.RadioGroup1->isEnabled(), s.ActivityEnabled);
  CompareChoice(f.ComboBox1, s.FoodChoice);
  if (QTest::currentTestFailed()) return;
  CompareChoice(f.ComboBox2, s.GatherChoice);
  if (QTest::currentTestFailed()) return;
  CompareChoice(f.ComboBox3, s.CreateChoice);
  if (QTest::currentTestFailed()) return;
  CompareChoice(f.ComboBox4, s.RepairChoice);
  if (QTest::currentTestFailed()) return;
  QCOMPARE(f.Button1->isHidden(), s.GameOver);
  QCOMPARE(f.Button2->isHidden(), !s.GameOver);
}

#define QVERIFY_VIEW(form)                  \
  do {                                      \
    CompareViewWithState(form);             \
    if (QTest::currentTestFailed()) return; \
  } while (false)
