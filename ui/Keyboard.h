// The whole game without a mouse. Qt already gives Tab through the controls, Space on buttons,
// arrows among the activity options and Alt+Down or F4 on the choice boxes; this adds Enter on
// the buttons and the check box, and the window's menu on the Menu key and Shift+F10.
#pragma once

#include <QObject>
#include <QPoint>
#include <QWidget>
#include <initializer_list>

class QAbstractButton;
class QButtonGroup;

// Enter or Return presses the button (or ticks the check box, or picks the option) as Space
// does. It acts on the key going down, and a held key does not repeat: one day per press.
class EnterPressesButtons : public QObject {
 public:
  EnterPressesButtons(QObject* parent, std::initializer_list<QAbstractButton*> buttons);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Tab enters the option group at the chosen option, and the arrows move on from there; Qt does
// this only for options the player has clicked, so the window calls it whenever it sets one.
void TabStopsAtChosenOption(QButtonGroup* group);

// The Menu key and Shift+F10 ask the focused control for its context menu, as a right click
// on it would; the request goes up to the window like any other.
void OpenMenuFromKeyboard(QWidget* window);

// Where a menu asked for from the keyboard opens: just below the focused control of `window`,
// or at the window's top left corner when nothing in it has the focus.
QPoint KeyboardMenuPlace(const QWidget* window);
