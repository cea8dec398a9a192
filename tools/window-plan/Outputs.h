// What the build writes from the window's plan. Each throws PlanError when it cannot.
#pragma once

#include <QString>

#include "WindowPlan.h"

// The design with every row in its frame and the frames grown: what uic builds TForm1 from.
void WriteDesign(WindowPlan& plan, const QString& path);

// The web page's share, into the site's folder: every control's place (places.css), which label
// shows which field (controls.js), and the rows' labels written into the frames of index.html.
void WriteSite(const WindowPlan& plan, const QString& site);

// The whole plan as JSON, for the tests that measure the window and the page against it.
void WritePlanJson(const WindowPlan& plan, const QString& path);
