# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening flags Debian builds its packages with: stack protector, fortified
# C library calls, position-independent executables, read-only relocations bound
# at start-up. _FORTIFY_SOURCE needs the optimiser, so Debug builds (and the
# sanitizer build, which has checks of its own) go without it.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong
                    $<$<NOT:$<OR:$<CONFIG:Debug>,$<BOOL:${HENSAI_SANITIZE}>>>:-D_FORTIFY_SOURCE=2>)
add_link_options(-Wl,-z,relro -Wl,-z,now)
