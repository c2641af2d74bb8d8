// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three dialog templates of the program, as tables for DialogLayout::Build.
#include "platform/DialogTemplate.h"

#include <span>

namespace hn {

const DialogTemplate& MainDialogTemplate();    // 102, the calculator window
const DialogTemplate& SummaryDialogTemplate(); // 151, the results summary window
const DialogTemplate& AboutDialogTemplate();   // 100, the about box

// The menu bar of the calculator window (menu 150), in display order.
struct MenuItemRow {
    const char* menu;   // the drop-down it belongs to
    int id;
    const char* text;
    bool checkable;
    bool checked; // initial tick
};
std::span<const MenuItemRow> MainMenuTable();

} // namespace hn
