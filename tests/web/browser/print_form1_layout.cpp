// Prints where each control of the real main window lies in its client area, as one JSON object
// {"Label37": [left, top, width, height], ...}, so that the web page can be measured against it.
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cstdio>

#include "Unit1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TForm1 form;
  form.show();
  QApplication::processEvents();

  const QRegularExpression control(QStringLiteral(
      "^(Label\\d+|GroupBox\\d|RadioGroup1|RadioGroup1Button\\d|CheckBox1|ComboBox\\d|Button\\d|"
      "Panel\\d|Image\\d)$"));
  QJsonObject out;
  out[QStringLiteral("Form1")] = QJsonArray{0, 0, form.width(), form.height()};
  for (const QWidget* w : form.findChildren<QWidget*>()) {
    if (!control.match(w->objectName()).hasMatch()) continue;
    const QPoint at = w->mapTo(&form, QPoint(0, 0));
    out[w->objectName()] = QJsonArray{at.x(), at.y(), w->width(), w->height()};
  }
  std::fputs(QJsonDocument(out).toJson(QJsonDocument::Compact).constData(), stdout);
  std::fputs("\n", stdout);
  return 0;
}
