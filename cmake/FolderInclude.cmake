# SPDX-License-Identifier: GPL-3.0-or-later
# Each library includes its own headers and those of what it links, and nothing else,
# so that the compiler itself refuses an include outside the layer graph
# (docs/architecture.md). Headers are included by folder ("calc/Repayment.h"); a
# folder's include root is a directory in the build tree that holds only a link to
# that folder.
#
# hensai_folder_include(<target> <folder> [PUBLIC|PRIVATE|INTERFACE])
function(hensai_folder_include target folder)
  set(scope PUBLIC)
  if(ARGC GREATER 2)
    set(scope ${ARGV2})
  endif()
  set(root ${PROJECT_BINARY_DIR}/include/${folder})
  if(NOT EXISTS ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()
