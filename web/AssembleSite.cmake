# Writes the static site afresh: the page's files as they are, the rules module and the hint's,
# the help and the pictures. Nothing in it asks any other site for anything.
file(REMOVE_RECURSE "${SITE}")
file(MAKE_DIRECTORY "${SITE}/pictures")
# A shell script among the page's files is a build step, not a page file: it is run with the
# site's folder that corresponds to its own (web/page/fonts/x.sh writes into fonts/).
if(EXISTS "${SOURCE}/web/page")
  file(COPY "${SOURCE}/web/page/" DESTINATION "${SITE}" PATTERN "*.sh" EXCLUDE)
  file(GLOB_RECURSE steps RELATIVE "${SOURCE}/web/page" "${SOURCE}/web/page/*.sh")
  foreach(step IN LISTS steps)
    get_filename_component(folder "${step}" DIRECTORY)
    file(MAKE_DIRECTORY "${SITE}/${folder}")
    execute_process(COMMAND sh "${SOURCE}/web/page/${step}" "${SITE}/${folder}"
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "web/page/${step} failed")
    endif()
  endforeach()
endif()
file(COPY "${RULES}" "${HINT}" DESTINATION "${SITE}")
file(GLOB pictures "${SOURCE}/assets/*.jpg")
file(COPY ${pictures} DESTINATION "${SITE}/pictures")
execute_process(COMMAND "${HELP}" html "${SOURCE}/help/help.txt" "${SITE}/help.html"
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "writing help.html failed")
endif()
