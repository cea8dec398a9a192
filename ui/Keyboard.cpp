#include "Keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>

EnterPressesButtons::EnterPressesButtons(QObject* parent,
                                         std::initializer_list<QAbstractButton*> buttons)
    : QObject(parent) {
  for (QAbstractButton* button : buttons) button->installEventFilter(this);
}

bool EnterPressesButtons::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
  if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  auto* button = qobject_cast<QAbstractButton*>(watched);
  if (button == nullptr) return false;
  if (!key->isAutoRepeat() && button->isEnabled() && button->isVisible()) button->click();
  return true;
}

void TabStopsAtChosenOption(QButtonGroup* group) {
  const QAbstractButton* chosen = group->checkedButton();
  if (chosen == nullptr) return;
  for (QAbstractButton* option : group->buttons()) {
    const Qt::FocusPolicy policy = option->focusPolicy();
    option->setFocusPolicy(option == chosen ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                            : Qt::FocusPolicy(policy & ~Qt::TabFocus));
  }
}

namespace {

QWidget* FocusIn(const QWidget* window) {
  QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr && (focus == window || window->isAncestorOf(focus))) return focus;
  return nullptr;
}

void AskForMenu(QWidget* window) {
  QWidget* target = FocusIn(window);
  if (target == nullptr) target = window;
  const QPoint inside = target->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Keyboard, inside, target->mapToGlobal(inside));
  QApplication::sendEvent(target, &event);
}

}  // namespace

void OpenMenuFromKeyboard(QWidget* window) {
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
    auto* shortcut = new QShortcut(keys, window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [window] { AskForMenu(window); });
  }
}

QPoint KeyboardMenuPlace(const QWidget* window) {
  if (const QWidget* focus = FocusIn(window); focus != nullptr && focus != window) {
    return focus->mapToGlobal(QPoint(0, focus->height()));
  }
  return window->mapToGlobal(QPoint(0, 0));
}
