# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and compares the files there with
# expected-files.txt: nothing missing, nothing extra (no test, benchmark,
# fuzzer or gallery program), nothing in the wrong place.
# cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -DAPP_ID=<id> -P InstallList.cmake
foreach(v BUILD_DIR PREFIX APP_ID)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "${v} not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
  OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/expected-files.txt" expected REGEX "^[^#]")
list(TRANSFORM expected REPLACE "APP_ID" "${APP_ID}")
list(SORT expected)

set(missing ${expected})
list(REMOVE_ITEM missing ${installed})
set(extra ${installed})
list(REMOVE_ITEM extra ${expected})
if(missing OR extra)
  list(JOIN missing "\n  " m)
  list(JOIN extra "\n  " e)
  message(FATAL_ERROR "installed files differ from expected-files.txt\nmissing:\n  ${m}\nextra:\n  ${e}")
endif()

# The programs must run from where they were installed.
foreach(program hensai-calc hensai-navi)
  execute_process(COMMAND "${PREFIX}/bin/${program}" --version
    OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "^${program} [0-9]")
    message(FATAL_ERROR "${PREFIX}/bin/${program} --version: status ${rc}, '${out}'")
  endif()
endforeach()
list(LENGTH installed n)
message(STATUS "${n} files installed as expected")
