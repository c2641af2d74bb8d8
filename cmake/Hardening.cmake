# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening flags Debian builds its packages with: stack protector, fortified
# C library calls, position-independent executables, read-only relocations bound
# at start-up. _FORTIFY_SOURCE needs the optimiser, so Debug builds go without
# it, and so do the sanitizer and fuzzer builds: AddressSanitizer checks those
# calls itself and misses faults behind the fortified versions.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong
                    $<$<NOT:$<OR:$<CONFIG:Debug>,$<BOOL:${HENSAI_SANITIZE}>,$<BOOL:${HENSAI_BUILD_FUZZERS}>>>:-D_FORTIFY_SOURCE=2>)
add_link_options(-Wl,-z,relro -Wl,-z,now)
