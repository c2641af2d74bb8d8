# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the releases out of CHANGELOG.md: every heading "## [1.2.3] - 2026-12-07",
# newest first. Sets, in the caller's scope:
#   HENSAI_RELEASE_DATE      the date of the release named by PROJECT_VERSION
#   HENSAI_RELEASES_XML      <release .../> lines for the AppStream metadata
#   HENSAI_DEBIAN_CHANGELOG  the same releases in Debian's changelog form, each
#                            pointing to CHANGELOG.md (Debian wants one)
# A version without a changelog entry is a configuration error: the package
# would ship metadata that does not know its own release.
# "Mon, 07 Dec 2026 00:00:00 +0000" for 2026-12-07 (Zeller's congruence).
function(hensai_rfc2822_date iso out_var)
  string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _ "${iso}")
  set(y ${CMAKE_MATCH_1})
  math(EXPR m "${CMAKE_MATCH_2}")
  math(EXPR d "${CMAKE_MATCH_3}")
  set(month ${m})
  set(yy ${y})
  if(m LESS 3)
    math(EXPR m "${m} + 12")
    math(EXPR yy "${y} - 1")
  endif()
  math(EXPR k "${yy} % 100")
  math(EXPR j "${yy} / 100")
  math(EXPR h "(${d} + (13 * (${m} + 1)) / 5 + ${k} + ${k} / 4 + ${j} / 4 + 5 * ${j}) % 7")
  list(GET _hensai_weekdays ${h} weekday)
  math(EXPR mi "${month} - 1")
  list(GET _hensai_months ${mi} mon)
  string(REGEX REPLACE "^.*-" "" dd "${iso}")
  set(${out_var} "${weekday}, ${dd} ${mon} ${y} 00:00:00 +0000" PARENT_SCOPE)
endfunction()
set(_hensai_weekdays Sat Sun Mon Tue Wed Thu Fri)
set(_hensai_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

function(hensai_read_changelog changelog)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${changelog}")
  file(STRINGS "${changelog}" headings REGEX "^## \\[[0-9][^]]*\\] - [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]")
  set(xml "")
  set(deb "")
  set(date "")
  foreach(h IN LISTS headings)
    string(REGEX REPLACE "^## \\[([^]]+)\\] - ([0-9-]+).*$" "\\1" v "${h}")
    string(REGEX REPLACE "^## \\[([^]]+)\\] - ([0-9-]+).*$" "\\2" d "${h}")
    string(APPEND xml "    <release version=\"${v}\" date=\"${d}\"/>\n")
    hensai_rfc2822_date("${d}" when)
    string(APPEND deb "hensai-navi (${v}) unstable; urgency=medium\n\n"
                      "  * Release ${v}; the changes are listed in CHANGELOG.md in this folder.\n\n"
                      " -- ${HENSAI_PACKAGE_MAINTAINER}  ${when}\n\n")
    if(v STREQUAL PROJECT_VERSION)
      set(date "${d}")
    endif()
  endforeach()
  if(date STREQUAL "")
    message(FATAL_ERROR "${changelog} has no heading '## [${PROJECT_VERSION}] - YYYY-MM-DD' "
                        "for the version in project(); add the release there")
  endif()
  set(HENSAI_RELEASE_DATE "${date}" PARENT_SCOPE)
  string(STRIP "${deb}" deb)
  set(HENSAI_DEBIAN_CHANGELOG "${deb}\n" PARENT_SCOPE)
  string(STRIP "${xml}" xml)
  set(HENSAI_RELEASES_XML "    ${xml}" PARENT_SCOPE)
endfunction()
