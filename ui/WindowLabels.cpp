#include "WindowLabels.h"

#include <QHash>

namespace {

QString Described(kevolan::Item item) {
  const std::string_view key = kevolan::Info(item).Key;
  return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

WindowLabels FindWindowLabels(const QWidget& window) {
  // Every label by its number, in one pass over the window.
  QHash<int, QLabel*> numbered;
  for (QLabel* label : window.findChildren<QLabel*>()) {
    const QString name = label->objectName();
    bool ok = false;
    const int number = name.startsWith(QLatin1String("Label")) ? name.mid(5).toInt(&ok) : 0;
    if (ok) numbered.insert(number, label);
  }
  const auto find = [&numbered](int number, const QString& what) {
    QLabel* label = numbered.value(number);
    if (label == nullptr) qFatal("The main window has no Label%d for %s", number, qPrintable(what));
    return label;
  };

  WindowLabels labels;
  for (std::size_t i = 0; i < kevolan::kItemCount; ++i) {
    const kevolan::ItemInfo& info = kevolan::kItemTable[i];
    const kevolan::window::ItemRows& rows = kevolan::window::RowsOf(info.Id);
    labels.Items[i].Id = info.Id;
    for (const kevolan::window::FrameInfo& frame : kevolan::window::kFrames) {
      const kevolan::window::Row& row = rows[frame.Id];
      if (!row.Shown()) continue;
      const bool owned = frame.Id == kevolan::window::Frame::Owned;
      labels.Items[i].Shows[static_cast<std::size_t>(frame.Id)] =
          find(owned ? row.NameLabel : row.ValueLabel,
               Described(info.Id) + QStringLiteral("'s row in ") +
                   QString::fromUtf8(frame.Name.data(), static_cast<qsizetype>(frame.Name.size())));
    }
  }
  for (std::size_t i = 0; i < labels.Counters.size(); ++i) {
    const kevolan::window::CounterLabel& counter = kevolan::window::kCounterLabels[i];
    labels.Counters[i] =
        find(counter.Label, QString::fromUtf8(counter.Key.data(), counter.Key.size()));
  }
  return labels;
}
