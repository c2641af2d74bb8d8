// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts the program's windows where platform/WindowPlacement.h says, with the frame the
// window manager gives them. Before a window is first shown:
//   PlaceOnScreen(window, wanted);                        // centred (the calculator window)
//   PlaceOnScreen(window, wanted, {calculator, summary}, minimum); // beside them
//   PlaceOver(box, owner);                                // a modal box over its owner
// Each also watches the window until the window manager has framed it, and should the
// frame turn out larger than guessed and cross the available area's edge, moves it back
// in once (after that the user places it).
#include "platform/WindowPlacement.h"

#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace hn {

// The decorations of `window` once it is framed; before, those of another framed window
// of the program (the same window manager draws them alike); else `unknown`.
FrameMargins FrameOf(const QWidget* window, FrameMargins unknown = kFrameAllowance);

// The available area (without panels) of the screen `window` is on, or will open on.
QRect AvailableArea(const QWidget* window);

void PlaceOnScreen(QWidget* window, QSize wanted, const std::vector<const QWidget*>& others = {},
                   QSize minimum = {});
void PlaceOver(QWidget* window, const QWidget* owner);

// The program's other windows on show (menus and tips aside), the window `window`
// belongs to first: the "others" a new window stands beside.
std::vector<const QWidget*> OpenWindows(const QWidget* window);

// Only the watch of the functions above: once framed, the frame is moved into the
// available area where it crosses its edge.
void KeepFrameOnScreen(QWidget* window);

FrameRect ToFrameRect(const QRect& r);

} // namespace hn
