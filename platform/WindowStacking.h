// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping a top-level window above the others, or no longer doing so.
class QWidget;

namespace hn {

// Changes the stay-on-top state of a shown window in place: its native window is kept,
// so it stays mapped, where it is, as large as it is, and active if it was. (Setting the
// widget's window flag instead re-creates the native window, hiding it first, and
// hiding a dialog ends its modal run.) On X11 the window manager is asked to add or
// remove _NET_WM_STATE_ABOVE. A window without a native window yet just takes the flag.
void SetStaysOnTop(QWidget* window, bool onTop);

} // namespace hn
