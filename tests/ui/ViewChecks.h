// Checks that every control of the main window shows what the game state holds.
#pragma once

#include <QLineEdit>
#include <QTest>

#include "Unit1.h"
#include "WindowReadback.h"

// Call through QVERIFY_VIEW so that a mismatch stops the calling test.
inline void CompareViewWithState(const TForm1& f) {
  const kevolan::GameState& s = f.State();
  const QStringList differences = WindowDiffers(f, s);
  QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
  // Which option is picked, besides what the readback compares.
  const struct {
    const TChoiceBox* Box;
    const kevolan::ChoiceList& List;
  } boxes[] = {{f.ComboBox1, s.FoodChoice},
               {f.ComboBox2, s.GatherChoice},
               {f.ComboBox3, s.CreateChoice},
               {f.ComboBox4, s.RepairChoice}};
  for (const auto& b : boxes) {
    QCOMPARE(b.Box->currentIndex(), b.List.Selected());
    QCOMPARE(b.Box->currentText(), b.Box->lineEdit()->text());
  }
}

// How many items the creation list offers in a new game: all that can be made but what waits
// for a hut.
inline int OfferedForCreationAtStart() {
  int offered = 0;
  for (const kevolan::ItemInfo& info : kevolan::kItemTable) {
    offered += info.Made != kevolan::Making::Never && !info.OfferedOnlyWithHut ? 1 : 0;
  }
  return offered;
}

#define QVERIFY_VIEW(form)                  \
  do {                                      \
    CompareViewWithState(form);             \
    if (QTest::currentTestFailed()) return; \
  } while (false)
