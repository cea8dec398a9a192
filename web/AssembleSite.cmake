# Writes the static site afresh: the page's files as they are, the rules module and the hint's,
# the help, the pictures and the icons; then stamps the build's hashes into the files that carry
# them. Nothing in it asks any other site for anything.
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
file(COPY "${RULES}" "${HINT}" "${SOURCE}/packaging/kevolan.svg" DESTINATION "${SITE}")
# The window's plan, from the desktop window's design and its table of item rows: every
# control's place, which label shows which field, and the items' rows written into the page.
execute_process(COMMAND "${WINDOW_PLAN}" "${SOURCE}/ui/Unit1.ui" site "${SITE}"
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

# The icons a phone asks for when the game is added to its home screen. The maskable one keeps
# the drawing inside the middle 80%, which a launcher may cut to a circle.
file(MAKE_DIRECTORY "${SITE}/icons")
foreach(icon "192;192;0;none" "512;512;0;none" "512;410;51;#d4d0c8")
  list(GET icon 0 page)
  list(GET icon 1 size)
  list(GET icon 2 margin)
  list(GET icon 3 background)
  if(margin STREQUAL "0")
    set(name "kevolan-${page}.png")
  else()
    set(name "kevolan-maskable-${page}.png")
  endif()
  execute_process(COMMAND "${RSVG}" --width ${size} --height ${size} --keep-aspect-ratio
                          --page-width ${page} --page-height ${page} --left ${margin} --top ${margin}
                          --background-color ${background} --output "${SITE}/icons/${name}"
                          "${SOURCE}/packaging/kevolan.svg"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "rendering icons/${name} failed")
  endif()
endforeach()

# A stored game is tied to the rules that played it: the saved-game part carries the rules
# module's hash.
file(SHA256 "${SITE}/kevolan-rules.js" rules_hash)
string(SUBSTRING "${rules_hash}" 0 16 rules_version)
file(READ "${SITE}/saved-game.js" text)
string(REPLACE "@KEVOLAN_RULES_VERSION@" "${rules_version}" text "${text}")
file(WRITE "${SITE}/saved-game.js" "${text}")

# The page's parts, one plain script each in web/page/, reach the browser as one script,
# kevolan.js, in the order index.html names them: one request and one compile start the page
# about twice as fast. The site ships only the bundle: no page or worker loads a part alone,
# and the offline worker below keeps what is in the site.
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
  file(REMOVE "${SITE}/${part}")
endforeach()
file(WRITE "${SITE}/kevolan.js" "${bundle}")
string(REPLACE "${tags}" "<script src=\"kevolan.js\"></script>\n" page "${page}")
file(WRITE "${SITE}/index.html" "${page}")

# The offline worker keeps every file of the site, under a version made of all their hashes.
file(GLOB_RECURSE files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(listing "")
set(names "\"./\"")
foreach(name IN LISTS files)
  file(SHA256 "${SITE}/${name}" hash)
  string(APPEND listing "${name} ${hash}\n")
  string(APPEND names ",\n  \"${name}\"")
endforeach()
string(SHA256 site_hash "${listing}")
string(SUBSTRING "${site_hash}" 0 16 site_version)
file(READ "${SITE}/sw.js" text)
string(REPLACE "@KEVOLAN_SITE_VERSION@" "${site_version}" text "${text}")
string(REPLACE "@KEVOLAN_SITE_FILES@" "[\n  ${names}\n]" text "${text}")
file(WRITE "${SITE}/sw.js" "${text}")
