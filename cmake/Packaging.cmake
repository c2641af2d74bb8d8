# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by CPack from what `cmake --install` installs:
#   cpack --preset default        (or scripts/package-check.sh, which also checks it)
# Shared-library dependencies are found by dpkg-shlibdeps; the Japanese font and
# Qt's translations are named by hand, since nothing links against them: without
# the font every text shows as empty boxes, without the translations Qt's own
# file dialog and buttons speak English to a Japanese user.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "hensai-navi")
set(CPACK_PACKAGE_VENDOR "The Hensai Navi developers")
set(CPACK_PACKAGE_CONTACT "${HENSAI_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for Japanese housing loan repayments")
set(CPACK_PACKAGE_DESCRIPTION
"Hensai Navi (返済ナビ) works out the repayments of a Japanese housing loan
(住宅ローン計算) for six repayment methods: the first monthly and bonus
instalments of years 1-5, 6-10 and 11 on, the first year's repayment, the
income needed for a 20 % burden and the total repaid, exact to the yen. A
second window combines up to eight results and shows the burden against the
income.
.
The repayment schedule (返済予定表) shows every instalment with its interest,
principal and balance as a chart and a table, with self-checks, and saves it
as CSV. The planning window answers how much an income can borrow
(借入可能額), how a lender reads the burden, what an early repayment
(繰上げ返済) saves each way, and simulates a rising variable rate
(金利シナリオ, シミュレーション) under the lenders' five-year and 125 % rules.
.
The command hensai-calc does the same calculations in a terminal, with JSON
and CSV output for other programs.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "hensai-navi")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/package")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "math")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
if(HENSAI_HOMEPAGE_URL)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${HENSAI_HOMEPAGE_URL}")
endif()

include(CPack)
