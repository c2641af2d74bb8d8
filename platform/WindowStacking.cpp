// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowStacking.h"

#include <QWidget>
#include <QWindow>

namespace hn {

void SetStaysOnTop(QWidget* window, bool onTop)
{
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    QWindow* handle = window->windowHandle();
    if (!handle) {
        window->setWindowFlags(flags);
        return;
    }
    // The widget's own record first, without telling the window system, then the
    // native window: the platform changes the stacking of the mapped window.
    window->overrideWindowFlags(flags);
    handle->setFlags(flags);
}

} // namespace hn
