#include "GameView.h"

#include <QFontMetrics>

QString FromGame(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToGame(const QString& text) { return text.toStdString(); }

void SetCaption(QLabel* label, const QString& caption) {
  if (label->text() != caption) label->setText(caption);
  // A caption is one line of plain text: laid out once here, rather than three times over as
  // the label's own size hint would.
  const QMargins around = label->contentsMargins();
  const int width = QFontMetrics(label->font())
                        .boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignLeft, caption)
                        .width() +
                    around.left() + around.right() + 2 * label->margin();
  label->resize(width, label->height());
}

void ShowNumber(QLabel* label, kevolan::Count value) { SetCaption(label, QString::number(value)); }

void ShowCounter(QLabel* label, const kevolan::Counter& counter) {
  ShowNumber(label, counter.Value);
  label->setHidden(!counter.Shown);
}

void ShowChoice(TChoiceBox* box, const kevolan::ChoiceList& list) {
  QStringList options;
  options.reserve(static_cast<qsizetype>(list.Options.size()));
  for (const std::string& option : list.Options) options.append(FromGame(option));
  box->Mirror(options, list.Selected, FromGame(list.Text));
  box->setEnabled(list.Enabled);
}
