# Configures (once) and builds the WebAssembly rules with Debian's emscripten, whose tools need
# Node's modules from the folder where Debian installs them.
set(ENV{NODE_PATH} "/usr/share/nodejs")
# The outer build's job server does not reach this far: the inner build runs one job at a time.
set(ENV{MAKEFLAGS} "--no-print-directory")
if(NOT EXISTS "${BINARY}/CMakeCache.txt")
  execute_process(COMMAND ${EMCMAKE} ${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY}
                  OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "configuring the WebAssembly build failed:\n${said}")
  endif()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "building the WebAssembly rules failed")
endif()
