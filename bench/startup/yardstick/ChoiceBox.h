// The yardstick's choice box: Qt's own editable combo box, with none of the game's behaviour.
#pragma once

#include <QComboBox>

class TChoiceBox : public QComboBox {
 public:
  explicit TChoiceBox(QWidget* parent = nullptr) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
  }
};
