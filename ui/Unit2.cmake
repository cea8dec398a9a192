# kevolan_form2: the credits window, and the fonts both windows share.
add_library(kevolan_form2 STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Unit2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit2.h
  ${CMAKE_CURRENT_LIST_DIR}/PixelFonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PixelFonts.h
)
set_target_properties(kevolan_form2 PROPERTIES AUTOMOC ON)
target_include_directories(kevolan_form2 PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(kevolan_form2 PUBLIC kevolan_controls Qt6::Widgets)
