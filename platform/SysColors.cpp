// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SysColors.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace hn {

namespace {

QPalette::ColorRole RoleOf(SysColor which)
{
    switch (which) {
    case SysColor::BtnFace: return QPalette::Button;
    case SysColor::BtnHighlight: return QPalette::Light;
    case SysColor::Light3D: return QPalette::Midlight; // see GetSysColor
    case SysColor::BtnShadow: return QPalette::Dark;
    case SysColor::DkShadow3D: return QPalette::Shadow;
    case SysColor::WindowFrame: return QPalette::WindowText;
    case SysColor::WindowText: return QPalette::WindowText;
    case SysColor::Highlight: return QPalette::Highlight;
    case SysColor::DialogBack: return QPalette::Window;
    }
    return QPalette::Button;
}

} // namespace

ColorRef GetSysColor(SysColor which, const QPalette& palette)
{
    if (which == SysColor::Light3D) {
        // The inner lit edge lies between the face and the highlight. Qt's default
        // Midlight is darker than the face, which would shade a raised edge as a groove;
        // then the point halfway to the highlight stands in for it.
        const QColor midlight = palette.color(QPalette::Active, QPalette::Midlight);
        if (qGray(midlight.rgb()) >= qGray(palette.color(QPalette::Active, QPalette::Button).rgb()))
            return FromQColor(midlight);
        const ColorRef face = FromQColor(palette.color(QPalette::Active, QPalette::Button));
        const ColorRef light = FromQColor(palette.color(QPalette::Active, QPalette::Light));
        return ColorRef::Rgb((face.Red() + light.Red()) / 2, (face.Green() + light.Green()) / 2,
                             (face.Blue() + light.Blue()) / 2);
    }
    return FromQColor(palette.color(QPalette::Active, RoleOf(which)));
}

ColorRef GetSysColor(SysColor which)
{
    return GetSysColor(which, QApplication::palette());
}

QColor ToQColor(ColorRef c)
{
    return QColor(c.Red(), c.Green(), c.Blue());
}

ColorRef FromQColor(const QColor& c)
{
    const QColor rgb = c.toRgb();
    return ColorRef::Rgb(rgb.red(), rgb.green(), rgb.blue());
}

} // namespace hn
