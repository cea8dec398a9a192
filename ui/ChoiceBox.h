// An editable drop-down choice box of the main window. The player either picks an option or
// types any text; the box never adds what was typed to its list and never completes it.
#pragma once

#include <QComboBox>
#include <QString>

class TChoiceBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TChoiceBox(QWidget* parent = nullptr);

  // Shows exactly this list, picked option and text, firing none of the player's signals.
  // The caret stays where it was when the text does not change.
  void Mirror(const QStringList& options, int selected, const QString& text);

 signals:
  // Only the player's own actions: typing into the text field, and picking from the list.
  void Typed(const QString& text);
  void Picked(int index);
};
