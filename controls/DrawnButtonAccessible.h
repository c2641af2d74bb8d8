#pragma once
// What screen readers see of a drawn option button: an option (radio) button named by
// its caption, checkable, checked while its own check state is set, pressable.
namespace hn {

// Registers the accessibility factory once; every CDrawnOptionButton calls it.
void InstallDrawnButtonAccessibility();

} // namespace hn
