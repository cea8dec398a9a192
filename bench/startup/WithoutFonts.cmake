# The main window's design without its fonts: cmake -DDESIGN=Unit1.ui -DOUT=x.ui -P WithoutFonts.cmake
file(READ ${DESIGN} window_definition)
set(space "[ \t\r\n]*")
string(REGEX REPLACE
  "<property name=\"font\">${space}<font>(${space}<[a-z]+>[^<]*</[a-z]+>)*${space}</font>${space}</property>"
  "" window_definition "${window_definition}")
file(WRITE ${OUT} "${window_definition}")
