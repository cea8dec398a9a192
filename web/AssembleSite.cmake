# Writes the static site afresh: the page's files as they are, the rules module, the help and
# the pictures. Nothing in it asks any other site for anything.
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
file(COPY "${RULES}" "${SOURCE}/packaging/kevolan.svg" DESTINATION "${SITE}")
# The window's plan, from the desktop window's own design and code.
execute_process(COMMAND "${PYTHON}" "${SOURCE}/tools/page/window_plan.py" "${SITE}"
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "writing the window's plan failed")
endif()
file(GLOB pictures "${SOURCE}/assets/*.jpg")
file(COPY ${pictures} DESTINATION "${SITE}/pictures")
execute_process(COMMAND "${HELP}" html "${SOURCE}/help/help.txt" "${SITE}/help.html"
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "writing help.html failed")
endif()

# The page's parts, one plain script each in web/page/, reach the browser as one script,
# kevolan.js, in the order index.html names them: one request and one compile start the page
# about twice as fast. The parts stay in the site for workers that load one of them.
file(READ "${SITE}/index.html" page)
if(NOT page MATCHES "<!-- The page's parts[^>]*-->\n((<script src=\"[^\"]+\"></script>\n)+)")
  message(FATAL_ERROR "index.html: the page's parts are not where they were looked for")
endif()
set(tags "${CMAKE_MATCH_1}")
string(REGEX MATCHALL "src=\"[^\"]+\"" sources "${tags}")
set(bundle "")
foreach(source IN LISTS sources)
  string(REGEX REPLACE "^src=\"|\"$" "" part "${source}")
  file(READ "${SITE}/${part}" text)
  string(APPEND bundle "// ${part}\n${text}\n")
endforeach()
file(WRITE "${SITE}/kevolan.js" "${bundle}")
string(REPLACE "${tags}" "<script src=\"kevolan.js\"></script>\n" page "${page}")
file(WRITE "${SITE}/index.html" "${page}")
