#include "ClassicStyle.h"

#include <QStyle>
#include <QStyleFactory>

void UseClassicStyle(QWidget* window) {
  QStyle* style = QStyleFactory::create(QStringLiteral("Windows"));
  if (style == nullptr) return;
  style->setParent(window);
  // A widget's style does not pass to its children, so each control gets it.
  window->setStyle(style);
  for (QWidget* child : window->findChildren<QWidget*>()) child->setStyle(style);
}
