# SPDX-License-Identifier: GPL-3.0-or-later
# What every hensai-calc script test uses: run the program as a user would and
# compare what it printed.

function(run out_var err_var rc_var)
  execute_process(COMMAND ${CLI} ${ARGN}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${err_var} "${err}" PARENT_SCOPE)
  set(${rc_var} "${rc}" PARENT_SCOPE)
endfunction()

function(expect_line text line)
  string(FIND "${text}" "${line}\n" at)
  if(at EQUAL -1)
    message(SEND_ERROR "missing line '${line}' in:\n${text}")
  endif()
endfunction()

function(expect_equal what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(SEND_ERROR "${what}: got '${actual}', expected '${expected}'")
  endif()
endfunction()
