#include "ClassicStyle.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

void UseClassicStyle(QWidget* window) {
  // The program sets it for the whole application; windows made on their own (in tests) get
  // it here.
  if (QApplication::style()->name() == QLatin1String("windows")) return;
  QStyle* style = QStyleFactory::create(QStringLiteral("Windows"));
  if (style == nullptr) return;
  style->setParent(window);
  // A widget's style does not pass to its children, so each control gets it.
  window->setStyle(style);
  for (QWidget* child : window->findChildren<QWidget*>()) child->setStyle(style);
}
