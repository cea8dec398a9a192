// Helpers shared by the credits tests.
#pragma once

#include <QStringList>

// How many single steps up turn `start` into `now`: 0..n-1, or -1 when `now` is not a rolled copy
// of `start` (a line lost, doubled or changed).
inline int StepsUp(const QStringList& start, const QStringList& now) {
  if (start.size() != now.size()) return -1;
  if (start.isEmpty()) return 0;
  for (int k = 0; k < start.size(); ++k) {
    QStringList rolled = start.mid(k) + start.mid(0, k);
    if (rolled == now) return k;
  }
  return -1;
}
