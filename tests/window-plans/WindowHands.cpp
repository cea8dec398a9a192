#include "WindowHands.h"

#include <QAbstractItemView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "GameView.h"

using kevolan::replay::Box;
using kevolan::replay::Command;
using kevolan::replay::Verb;

namespace {

// A check box or a radio button answers a click on its mark.
void ClickMark(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

bool TypableKey(char32_t c) { return c >= 0x20 && c < 0x7F; }

// Plain ASCII goes key by key; any other letter as an input method commits it.
void TypeText(QLineEdit* edit, const QString& text) {
  for (const char32_t c : text.toUcs4()) {
    const QString one = QString::fromUcs4(&c, 1);
    if (TypableKey(c)) {
      QTest::keyClicks(edit, one);
    } else {
      QInputMethodEvent commit;
      commit.setCommitString(one);
      QCoreApplication::sendEvent(edit, &commit);
    }
  }
}

}  // namespace

TChoiceBox* WindowHands::BoxOf(Box box) const {
  switch (box) {
    case Box::Food:
      return form_.ComboBox1;
    case Box::Gather:
      return form_.ComboBox2;
    case Box::Create:
      return form_.ComboBox3;
    case Box::Repair:
      break;
  }
  return form_.ComboBox4;
}

QString WindowHands::Unusable(const Command& c) const {
  auto disabled = [](const QWidget* w) {
    if (!w->isVisible()) return w->objectName() + QStringLiteral(" is hidden");
    if (!w->isEnabled()) return w->objectName() + QStringLiteral(" is disabled");
    return QString();
  };
  switch (c.Verb) {
    case Verb::Eat:
      return form_.CheckBox1->isChecked() == c.On ? QString() : disabled(form_.CheckBox1);
    case Verb::Activity:
      if (QAbstractButton* option = form_.RadioGroup1Items->button(static_cast<int>(c.Activity))) {
        return disabled(option);
      }
      return QStringLiteral("no such activity option");
    case Verb::Type:
      return disabled(BoxOf(c.Box));
    case Verb::Pick: {
      const TChoiceBox* box = BoxOf(c.Box);
      const QString why = disabled(box);
      if (!why.isEmpty() || (c.Index >= 0 && c.Index < box->count())) return why;
      return box->objectName() + QStringLiteral(" has no option %1").arg(c.Index);
    }
    case Verb::Next:
      return disabled(form_.Button1);
    case Verb::State:
    case Verb::Hint:
    case Verb::Review:
      break;
  }
  return {};
}

QString WindowHands::Do(const Command& c) {
  switch (c.Verb) {
    case Verb::Eat:
      if (form_.CheckBox1->isChecked() != c.On) ClickMark(form_.CheckBox1);
      return {};
    case Verb::Activity:
      ClickMark(form_.RadioGroup1Items->button(static_cast<int>(c.Activity)));
      return {};
    case Verb::Type:
      Type(BoxOf(c.Box), FromGame(c.Text));
      return {};
    case Verb::Pick:
      return Pick(BoxOf(c.Box), static_cast<int>(c.Index));
    case Verb::Next:
      QTest::mouseClick(form_.Button1, Qt::LeftButton);
      return {};
    case Verb::State:
    case Verb::Hint:
    case Verb::Review:
      break;
  }
  return {};
}

QString WindowHands::Pick(TChoiceBox* box, int index) {
  // Opened from the keyboard, walked from the top with the arrow keys, taken with Enter: the
  // box then reports the pick through its own `activated` signal, as for a mouse choice.
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClick(box, Qt::Key_F4);
  QAbstractItemView* list = box->view();
  if (!list->isVisible()) return box->objectName() + QStringLiteral(": the list did not open");
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
  if (list->currentIndex().row() != index) {
    return box->objectName() + QStringLiteral(": the arrow keys reached option %1, not %2")
                                   .arg(list->currentIndex().row())
                                   .arg(index);
  }
  QTest::keyClick(list, Qt::Key_Return);
  if (list->isVisible() && !QTest::qWaitFor([list] { return !list->isVisible(); }, 2000)) {
    return box->objectName() + QStringLiteral(": the list stayed open after Enter");
  }
  return {};
}

void WindowHands::Type(TChoiceBox* box, const QString& text) {
  // Into the text field with the mouse, everything selected, then the new text over it.
  QLineEdit* edit = box->lineEdit();
  QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) {
    QTest::keyClick(edit, Qt::Key_Delete);
  } else {
    TypeText(edit, text);
  }
}
