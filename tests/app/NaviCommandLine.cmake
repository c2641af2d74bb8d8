# SPDX-License-Identifier: GPL-3.0-or-later
# hensai-navi --help and --version answer without a display and without taking
# the single-instance lock (no lock file appears), and say so when output fails.
# cmake -DNAVI=<hensai-navi> -DVERSION=<version> -DRUNTIME=<scratch folder> -P NaviCommandLine.cmake
foreach(v NAVI VERSION RUNTIME)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "${v} not set")
  endif()
endforeach()
file(REMOVE_RECURSE "${RUNTIME}")
file(MAKE_DIRECTORY "${RUNTIME}")
# No display of any kind: reaching the window would end with status 1 and a message.
set(env ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
        XDG_RUNTIME_DIR=${RUNTIME})

execute_process(COMMAND ${env} ${NAVI} --version OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
# The name and version first, then the licence and that there is no warranty.
if(NOT rc EQUAL 0 OR NOT out MATCHES "^hensai-navi ${VERSION}\n" OR NOT out MATCHES "\nLicense GPL-3.0-or-later:"
   OR NOT out MATCHES "NO WARRANTY" OR NOT err STREQUAL "")
  message(SEND_ERROR "--version: status ${rc}, out '${out}', err '${err}'")
endif()
file(GLOB left "${RUNTIME}/*")
if(left)
  message(SEND_ERROR "--version left files behind (a lock taken?): ${left}")
endif()

foreach(arg --help -h)
  execute_process(COMMAND ${env} ${NAVI} ${arg} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "Usage: hensai-navi" OR NOT out MATCHES "--version")
    message(SEND_ERROR "${arg}: status ${rc}, out '${out}', err '${err}'")
  endif()
endforeach()

execute_process(COMMAND ${env} ${NAVI} --version OUTPUT_FILE /dev/full ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 1 OR NOT err MATCHES "cannot write")
  message(SEND_ERROR "--version to a full disk: status ${rc}, err '${err}'")
endif()

# Without a display and without those options: the known message, status 1.
execute_process(COMMAND ${env} ${NAVI} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 1 OR NOT err MATCHES "no display")
  message(SEND_ERROR "no display: status ${rc}, err '${err}'")
endif()
