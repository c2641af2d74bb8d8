// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's icons and its hand cursor, looked up by resource id.
// The pictures live as XPM text in res/icons/ and are compiled in as the C
// arrays they are. Every image uses the 16-colour palette with a transparent mask.

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QSize>
#include "platform/IconSizes.h"

#include <optional>

namespace hn {

enum ResourceId : int {
    IDR_MAINFRAME = 128,   // program icon: overlapping windows and a stack of coins (32 and 16)
    IDI_CALCULATE = 140,   // calculate button: a hand writing with a pen on a sheet
    IDI_DESKCALC = 141,    // desk calculator button: a teal pocket calculator
    IDC_HANDCURSOR = 145,  // pointing hand cursor over the flat buttons (32)
    IDI_SUMMARY = 153,     // summary button: a ruled yellow sheet
    IDI_ADD = 155,         // add button: a yellow disc with a blue plus
    IDI_CLOSE = 156,       // close button: a white disc in a blue ring with a bar
    IDI_CLEAR = 158,       // clear button: a red disc with a white cross
};

// The image drawn for `id` at `size` x `size` pixels, as Format_ARGB32 with
// fully opaque or fully transparent pixels. A null image when the id is not
// one of the above or has no picture at that size (no scaling: a scaled
// 16-colour picture is no longer crisp).
QImage LoadIconImage(int id, int size = 16);

// Every size `id` is drawn at, for a button that shows it on any screen.
IconSizes LoadIconSizes(int id);

// The natural size of `id`: 32 x 32 for the program icon and the cursor,
// 16 x 16 for the button icons, an invalid size for an unknown id.
QSize IconSize(int id);

// The program icon with both of its sizes, for the window and the task bar.
// Needs a QGuiApplication.
QIcon LoadAppIcon();

// The cursor for a cursor resource id, with its hot spot on the fingertip;
// nothing for any other id. Needs a QGuiApplication.
std::optional<QCursor> LoadCursorResource(int id);

// The pointing hand (IDC_HANDCURSOR).
QCursor LoadHandCursor();

} // namespace hn
