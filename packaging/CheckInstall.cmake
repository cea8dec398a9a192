# Installs the build into a scratch folder as the Debian package would (prefix /usr) and checks
# that everything a player's desktop needs is where it looks for it; then builds the package itself
# and has lintian check it as Debian would: no error and no warning.
#   -DBUILD_DIR= -DSTAGE= -DAPP_ID= -DGAMES_SUBDIR= -DPROGRAMS=a,b -DICON_SIZES=16,32 -DHELP_DOC=
#   -DDESKTOP_FILE_VALIDATE= -DLINTIAN=
cmake_minimum_required(VERSION 3.25)
set(prefix /usr)
file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${STAGE}"
          ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix ${prefix}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(root "${STAGE}${prefix}")
set(failures "")
macro(fail what)
  string(APPEND failures "  ${what}\n")
endmacro()

string(REPLACE "," ";" PROGRAMS "${PROGRAMS}")
string(REPLACE "," ";" ICON_SIZES "${ICON_SIZES}")

# A file under the prefix that must be there and begin with the given bytes (in hex).
macro(expect_file relative magic what)
  if(NOT EXISTS "${root}/${relative}" OR IS_DIRECTORY "${root}/${relative}")
    fail("missing ${relative}")
  else()
    string(LENGTH "${magic}" digits)
    math(EXPR bytes "${digits} / 2")
    file(READ "${root}/${relative}" head LIMIT ${bytes} HEX)
    if(NOT head STREQUAL "${magic}")
      fail("${relative} is not ${what}")
    endif()
  endif()
endmacro()

# Each program, and its manual page: section 6, the games', compressed with gzip.
foreach(program IN LISTS PROGRAMS)
  expect_file(${GAMES_SUBDIR}/${program} 7f454c46 "an ELF program")
  expect_file(share/man/man6/${program}.6.gz 1f8b "a manual page compressed with gzip")
endforeach()
expect_file(share/man/ru/man6/kevolan.6.gz 1f8b "a manual page compressed with gzip")
foreach(doc copyright changelog.gz)
  if(NOT EXISTS "${root}/share/doc/kevolan/${doc}")
    fail("missing share/doc/kevolan/${doc}")
  endif()
endforeach()

set(help_dir "${prefix}/share/kevolan")
if(NOT IS_DIRECTORY "${STAGE}${help_dir}")
  fail("missing the help folder share/kevolan")
endif()
if(EXISTS "${HELP_DOC}" AND NOT EXISTS "${STAGE}${help_dir}/help.doc")
  fail("help.doc was not installed")
endif()

set(icons "${root}/share/icons/hicolor")
if(NOT EXISTS "${icons}/scalable/apps/kevolan.svg")
  fail("missing the scalable icon")
endif()
foreach(size IN LISTS ICON_SIZES)
  set(png "${icons}/${size}x${size}/apps/kevolan.png")
  if(NOT EXISTS "${png}")
    fail("missing the ${size}x${size} icon")
  else()
    # PNG signature, then the IHDR chunk's width and height as 32-bit big-endian numbers.
    file(READ "${png}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width_hex)
    string(SUBSTRING "${header}" 40 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT signature STREQUAL "89504e470d0a1a0a")
      fail("icon ${size} is not a PNG")
    endif()
    if(NOT (width EQUAL size AND height EQUAL size))
      fail("icon ${size} is ${width}x${height}, not ${size}x${size}")
    endif()
  endif()
endforeach()

if(NOT EXISTS "${root}/share/metainfo/${APP_ID}.metainfo.xml")
  fail("missing the metainfo")
endif()

set(desktop "${root}/share/applications/${APP_ID}.desktop")
if(NOT EXISTS "${desktop}")
  fail("missing the menu entry share/applications/${APP_ID}.desktop")
else()
  file(STRINGS "${desktop}" lines)
  # The game opens help.doc from its working directory: the menu entry must start it there.
  if(NOT ("Path=${help_dir}" IN_LIST lines))
    fail("the menu entry does not start in ${help_dir}")
  endif()
  # The game lies outside the PATH of some sessions (root's has no games folder): the menu entry
  # names it whole.
  if(NOT ("Exec=${prefix}/${GAMES_SUBDIR}/kevolan" IN_LIST lines))
    fail("the menu entry does not run ${prefix}/${GAMES_SUBDIR}/kevolan")
  endif()
  if(NOT ("Icon=kevolan" IN_LIST lines))
    fail("the menu entry does not use the kevolan icon")
  endif()
  if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${desktop}"
                    RESULT_VARIABLE valid OUTPUT_VARIABLE why ERROR_VARIABLE why)
    if(NOT valid EQUAL 0)
      fail("the installed menu entry is not valid: ${why}")
    endif()
  endif()
endif()

if(failures)
  message(FATAL_ERROR "The installed tree under ${STAGE} is incomplete:\n${failures}")
endif()
file(REMOVE_RECURSE "${STAGE}")
message(STATUS "installed tree complete")

# The package as `make package` builds it, into a scratch folder, and lintian's verdict on it. Its
# informational and pedantic notes are shown, but only errors and warnings fail the check.
execute_process(
  COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${STAGE}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB packages "${STAGE}/*.deb")
list(LENGTH packages count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages (${result}):\n${output}")
endif()
execute_process(
  COMMAND ${LINTIAN} --fail-on error,warning --display-info --pedantic ${packages}
  RESULT_VARIABLE result OUTPUT_VARIABLE tags ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lintian finds fault with ${packages} (${result}):\n${tags}${errors}")
endif()
file(REMOVE_RECURSE "${STAGE}")
if(tags)
  message(STATUS "lintian's notes, neither errors nor warnings:\n${tags}")
endif()
message(STATUS "package clean to lintian")
