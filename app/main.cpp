// Кеволан: one game per run. The main window is created first and shown; the credits window
// after it, hidden until "About" asks for it. Closing the main window ends the program.
#include <QApplication>
#include <iostream>

#include "Pictures.h"
#include "PixelFonts.h"
#include "Unit1.h"
#include "Unit2.h"

int main(int argc, char* argv[]) {
  // The game has no command line: whatever is given is ignored, and the toolkit is handed only
  // the program's name, so none of its own options (mirroring, renaming the window, ...) apply.
  // Its environment settings (platform, scale factor) still do.
  static char fallbackName[] = "kevolan";
  int toolkitArgc = 1;
  char* toolkitArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
  QApplication application(toolkitArgc, toolkitArgv);
  // The windows were drawn in the classic look; one style serves every control of both.
  QApplication::setStyle(QStringLiteral("Windows"));
  // Every control is built in the window's own font from the start, so nothing is laid out
  // twice.
  UseDesignFontByDefault();
  TForm1 form1;
  // The window's pictures are JPEG images; without a JPEG reader the game goes on without them.
  if (!JpegReadable()) {
    std::cerr << "kevolan: no JPEG image reader (formats \"jpeg\" and \"jpg\"); "
                 "the pictures are left out\n";
  }
  // The credits window belongs to the main window: no taskbar entry of its own, always above it.
  TForm2 form2(&form1);
  form1.SetForm2(&form2);
  // The credits window may still be open; the main window alone decides when the game ends.
  QObject::connect(&form1, &TForm1::Closed, &application, &QApplication::quit,
                   Qt::QueuedConnection);
  form1.show();
  return QApplication::exec();
}
