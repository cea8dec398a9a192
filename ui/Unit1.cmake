# kevolan_form1: the main window, its view of the game, its message boxes and its pictures.
# The window is built from its design with the items' rows laid out in (window-plan), Form1.ui,
# not from ui/Unit1.ui as it stands, whose item frames are empty; uic writes ui_Form1.h from it.
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/Form1.ui
  COMMAND window-plan ${CMAKE_CURRENT_LIST_DIR}/Unit1.ui design ${CMAKE_CURRENT_BINARY_DIR}/Form1.ui
  DEPENDS window-plan ${CMAKE_CURRENT_LIST_DIR}/Unit1.ui
  COMMENT "Laying out the main window's item rows"
  VERBATIM)
qt6_wrap_ui(form1_design ${CMAKE_CURRENT_BINARY_DIR}/Form1.ui)
add_library(kevolan_form1 STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Unit1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit1.h
  ${form1_design}
  ${CMAKE_CURRENT_LIST_DIR}/ChoiceBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClassicStyle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClassicStyle.h
  ${CMAKE_CURRENT_LIST_DIR}/DayAnnouncement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DayAnnouncement.h
  ${CMAKE_CURRENT_LIST_DIR}/ChoiceBox.h
  ${CMAKE_CURRENT_LIST_DIR}/GameView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameView.h
  ${CMAKE_CURRENT_LIST_DIR}/HintRunner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HintRunner.h
  ${CMAKE_CURRENT_LIST_DIR}/Keyboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Keyboard.h
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxMessenger.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxMessenger.h
  ${CMAKE_CURRENT_LIST_DIR}/Pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pictures.h
  ${CMAKE_CURRENT_LIST_DIR}/SpokenNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SpokenNames.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowLabels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowLabels.h
  ${CMAKE_CURRENT_LIST_DIR}/resources.qrc
)
set_target_properties(kevolan_form1 PROPERTIES AUTOUIC OFF)
# Unit1.h shows the controls by name, so whoever includes it also needs the generated ui_Form1.h.
target_include_directories(kevolan_form1 PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(kevolan_form1 PUBLIC kevolan_game kevolan_speech kevolan_solver kevolan_form2
  Qt6::Widgets)
