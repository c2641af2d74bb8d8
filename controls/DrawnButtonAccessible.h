// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What screen readers see of a drawn option button: an option (radio) button named by
// its caption, checkable, checked while its own check state is set, pressable; and of
// the drawn toggle: a button, expandable, expanded while what it opens is shown.
namespace hn {

// Registers the accessibility factory once; every drawn option and toggle calls it.
void InstallDrawnButtonAccessibility();

} // namespace hn
