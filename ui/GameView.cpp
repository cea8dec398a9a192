#include "GameView.h"

QString FromGame(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToGame(const QString& text) { return text.toStdString(); }

void SetCaption(QLabel* label, const QString& caption) {
  if (label->text() != caption) label->setText(caption);
  label->resize(label->sizeHint().width(), label->height());
}

void ShowNumber(QLabel* label, kevolan::Count value) { SetCaption(label, QString::number(value)); }

void ShowCounter(QLabel* label, const kevolan::Counter& counter) {
  ShowNumber(label, counter.Value);
  label->setHidden(!counter.Shown);
}

void ShowChoice(TChoiceBox* box, const kevolan::ChoiceList& list) {
  QStringList options;
  options.reserve(static_cast<qsizetype>(list.Size()));
  for (kevolan::NameId option : list.Options()) options.append(FromGame(kevolan::TextOf(option)));
  box->Mirror(options, list.Selected(), FromGame(list.Text()));
  box->setEnabled(list.Enabled);
}
