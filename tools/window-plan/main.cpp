// window-plan: the main window's item rows, laid out from the window's table, written where the
// build needs them.
//   window-plan DESIGN.ui design OUT.ui   the design with the rows, for uic
//   window-plan DESIGN.ui site FOLDER     places.css, controls.js and the rows of index.html
//   window-plan DESIGN.ui plan OUT.json   the whole plan, for the tests
#include <QString>
#include <cstdio>
#include <cstring>

#include "Outputs.h"
#include "WindowPlan.h"

int main(int argc, char** argv) {
  if (argc != 4 || (std::strcmp(argv[2], "design") != 0 && std::strcmp(argv[2], "site") != 0 &&
                    std::strcmp(argv[2], "plan") != 0)) {
    std::fputs("usage: window-plan DESIGN.ui design|site|plan OUTPUT\n", stderr);
    return 2;
  }
  const QString what = QString::fromLocal8Bit(argv[2]);
  const QString out = QString::fromLocal8Bit(argv[3]);
  try {
    WindowPlan plan = MakePlan(QString::fromLocal8Bit(argv[1]));
    if (what == QLatin1String("design")) {
      WriteDesign(plan, out);
    } else if (what == QLatin1String("site")) {
      WriteSite(plan, out);
    } else {
      WritePlanJson(plan, out);
    }
  } catch (const PlanError& e) {
    std::fprintf(stderr, "window-plan: %s\n", e.what());
    return 1;
  }
  return 0;
}
