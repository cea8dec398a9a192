# Writes the static site afresh: the page's files as they are, the rules module, the help and
# the pictures. Nothing in it asks any other site for anything.
file(REMOVE_RECURSE "${SITE}")
file(MAKE_DIRECTORY "${SITE}/pictures")
if(EXISTS "${SOURCE}/web/page")
  file(COPY "${SOURCE}/web/page/" DESTINATION "${SITE}")
endif()
file(COPY "${RULES}" DESTINATION "${SITE}")
file(GLOB pictures "${SOURCE}/assets/*.jpg")
file(COPY ${pictures} DESTINATION "${SITE}/pictures")
execute_process(COMMAND "${HELP}" html "${SOURCE}/help/help.txt" "${SITE}/help.html"
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "writing help.html failed")
endif()
