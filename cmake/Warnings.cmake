# SPDX-License-Identifier: GPL-3.0-or-later
# One warning policy for every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic)
