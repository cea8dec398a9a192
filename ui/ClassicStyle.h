// The window was drawn for the classic desktop look: frames whose title sits on the frame line,
// flat grey boxes and buttons. Qt's "Windows" style draws the same on every platform.
#pragma once

#include <QWidget>

// Gives the window and every control inside it the classic look, when Qt has that style.
void UseClassicStyle(QWidget* window);
