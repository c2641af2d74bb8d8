// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The named system colours the controls draw with, taken from the application palette.
// Controls listen for QEvent::PaletteChange (the colour-change notice) and read them anew.
#include "platform/ColorRef.h"

class QColor;
class QPalette;

namespace hn {

enum class SysColor {
    BtnFace,      // dialog and button face
    BtnHighlight, // lit edge of a raised frame
    Light3D,      // inner lit edge
    BtnShadow,    // shadowed edge
    DkShadow3D,   // outer dark edge
    WindowFrame,  // thin outlines
    WindowText,   // text
    Highlight,    // selection
    DialogBack,   // the window's own background, behind controls that draw no frame
};

ColorRef GetSysColor(SysColor which);
ColorRef GetSysColor(SysColor which, const QPalette& palette);

QColor ToQColor(ColorRef c);
ColorRef FromQColor(const QColor& c);

} // namespace hn
