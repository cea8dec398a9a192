#include "ChoiceBox.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <limits>

TChoiceBox::TChoiceBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  // Enter must not add the typed text to the list, and a completer would change what was typed.
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  // Any text the player types or pastes is taken whole, however long.
  lineEdit()->setMaxLength(std::numeric_limits<int>::max());
  // A right click opens the window's own menu rather than the text field's.
  setContextMenuPolicy(Qt::NoContextMenu);
  lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);

  connect(lineEdit(), &QLineEdit::textEdited, this, &TChoiceBox::Typed);
  connect(this, &QComboBox::activated, this, &TChoiceBox::Picked);
}

void TChoiceBox::Mirror(const QStringList& options, int selected, const QString& text) {
  QLineEdit* edit = lineEdit();
  const QSignalBlocker blocker(this);
  const QString before = edit->text();
  const int caret = edit->cursorPosition();

  QStringList shown;
  shown.reserve(count());
  for (int i = 0; i < count(); ++i) shown.append(itemText(i));
  if (shown != options) {
    clear();
    addItems(options);  // the box picks the first item of a filled empty list by itself
  }
  if (selected < -1 || selected >= count()) selected = -1;
  setCurrentIndex(selected);
  if (edit->text() != text) edit->setText(text);
  if (edit->text() == before) edit->setCursorPosition(caret);
}
