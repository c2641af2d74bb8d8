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
    case SysColor::Light3D: return QPalette::Midlight;
    case SysColor::BtnShadow: return QPalette::Dark;
    case SysColor::DkShadow3D: return QPalette::Shadow;
    case SysColor::WindowFrame: return QPalette::WindowText;
    case SysColor::WindowText: return QPalette::WindowText;
    case SysColor::Highlight: return QPalette::Highlight;
    }
    return QPalette::Button;
}

} // namespace

ColorRef GetSysColor(SysColor which, const QPalette& palette)
{
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
