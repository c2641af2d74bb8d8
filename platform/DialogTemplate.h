// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog templates as data: one row per control with its place in dialog units. The
// tables live in res/; DialogBuilder turns a table into widgets.
#include <cstdint>
#include <span>

namespace hn {

enum class ControlKind {
    Text,          // static text
    IconStatic,    // static showing an icon (text = resource id as decimal)
    EtchedLine,    // horizontal etched separator
    Edit,          // single-line entry field
    DropDownCombo, // editable combo box with a list
    PushButton,
    DefPushButton, // the dialog's default button (Enter)
    Option,        // option (radio) button
    Progress,      // progress bar
};

// Style bits of a row, the subset the dialogs use.
enum DialogStyle : std::uint32_t {
    kTabStop = 1u << 0,
    kGroupStart = 1u << 1,
    kDisabled = 1u << 2,
    kHidden = 1u << 3,
    kAlignRight = 1u << 4,
    kAlignCenter = 1u << 5,
    kSunken = 1u << 6, // sunken client edge
    kBorder = 1u << 7,
    kNoPrefix = 1u << 8,
    kReadOnly = 1u << 9,
};

struct DialogItem {
    int id;            // control id; -1 for statics nobody looks up
    ControlKind kind;
    const char* text;  // UTF-8, may be empty
    int x, y, w, h;    // dialog units
    std::uint32_t style;
};

struct DialogTemplate {
    int id;
    const char* caption; // UTF-8
    int width, height;   // client size in dialog units
    std::span<const DialogItem> items;
};

// Dialog base units: pixels per 4 horizontal and per 8 vertical dialog units, as the
// dialog font's average character width and line height give them. The Japanese Gothic
// faces on Linux (IPAPGothic at 12 pixels: line height 16, Latin average near 7, kanji
// 12) need 8 × 16; at 6 × 12 captions such as "通　常" or "公庫（ゆとり)型" do not fit
// their places. At 2 pixels per unit the summary window's template (194 × 279 units)
// also exactly fills the place the calculator window gives it.
constexpr int kBaseUnitX = 8;
constexpr int kBaseUnitY = 16;

constexpr int DluToPixelsX(int dlu) { return dlu * kBaseUnitX / 4; }
constexpr int DluToPixelsY(int dlu) { return dlu * kBaseUnitY / 8; }

} // namespace hn
