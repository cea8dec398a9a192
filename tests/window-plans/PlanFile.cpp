#include "PlanFile.h"

#include <QDir>
#include <QFileInfo>
#include <fstream>

QStringList PlanPaths() {
  QStringList paths;
  for (const QString& folder : QStringLiteral(KEVOLAN_PLAN_DIRS).split(u':', Qt::SkipEmptyParts)) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
      paths.append(dir.filePath(name));
    }
  }
  return paths;
}

std::vector<PlanLine> ReadPlan(const QString& path) {
  std::vector<PlanLine> lines;
  std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
  std::string text;
  int number = 0;
  while (std::getline(in, text)) {
    ++number;
    // The driver takes a Windows line break as a plain one.
    if (!text.empty() && text.back() == '\r') text.pop_back();
    lines.push_back({number, text});
  }
  return lines;
}
