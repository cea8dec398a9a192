// How one piece of the game state is shown in one control of the main window.
#pragma once

#include <QLabel>
#include <QString>
#include <string>
#include <string_view>

#include "ChoiceBox.h"
#include "GameState.h"

QString FromGame(std::string_view text);
std::string ToGame(const QString& text);

// A label as wide as its caption, keeping its place and height.
void SetCaption(QLabel* label, const QString& caption);
// A counter as plain decimal text.
void ShowNumber(QLabel* label, kevolan::Count value);
// A per-item counter: its number, and whether its label is shown at all.
void ShowCounter(QLabel* label, const kevolan::Counter& counter);
// A choice box: options, picked option, shown text and whether the player can use it.
void ShowChoice(TChoiceBox* box, const kevolan::ChoiceList& list);
