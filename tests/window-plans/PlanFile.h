// The plans: replay scripts of whole games, read line by line as the replay driver reads them.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

struct PlanLine {
  int Number = 0;    // from 1, as an editor counts
  std::string Text;  // without the line break
};

// Every *.txt file of the folders the test was built with, sorted by name.
QStringList PlanPaths();
std::vector<PlanLine> ReadPlan(const QString& path);
