// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DrawnPalette.h"

#include <cassert>

namespace hn {

namespace {

int HalfwayChannel(int from, int to)
{
    // Since C++20 >> on a negative value is an arithmetic shift, i.e. a floor halving.
    return from + ((to - from) >> 1);
}

} // namespace

ColorRef DrawnPalette::Get(DrawnPen pen) const
{
    switch (pen) {
    case DrawnPen::Highlight: return highlight;
    case DrawnPen::Light: return light;
    case DrawnPen::Face: return face;
    case DrawnPen::Mid: return mid;
    case DrawnPen::Shadow: return shadow;
    case DrawnPen::Dark: return dark;
    case DrawnPen::DarkMix: return darkMix;
    }
    return face;
}

ColorRef HalfwayFloor(ColorRef from, ColorRef to)
{
    return ColorRef::Rgb(HalfwayChannel(from.Red(), to.Red()), HalfwayChannel(from.Green(), to.Green()),
                         HalfwayChannel(from.Blue(), to.Blue()));
}

DrawnPalette MakeOptionPalette(const OptionSystemColours& sys)
{
    DrawnPalette p;
    p.highlight = sys.btnHighlight;
    p.light = sys.light3D;
    p.face = sys.btnFace;
    p.shadow = sys.btnShadow;
    p.dark = sys.dkShadow3D;
    p.mid = HalfwayFloor(p.face, p.shadow);
    p.darkMix = HalfwayFloor(p.shadow, p.dark);
    return p;
}

DrawnPalette DarkenPressedOption(const DrawnPalette& palette)
{
    DrawnPalette p = palette;
    p.face = palette.face.Shifted(-kOptionPressedDarkening);
    p.shadow = palette.shadow.Shifted(-kOptionPressedDarkening);
    p.highlight = palette.highlight.Shifted(-kOptionPressedDarkening);
    p.mid = palette.mid.Shifted(-kOptionPressedDarkening);
    p.light = palette.light.Shifted(-kOptionPressedDarkening);
    return p;
}

DrawnPalette MakeTogglePalette(ColorRef face, ColorRef btnShadow, ColorRef windowFrame)
{
    DrawnPalette p;
    p.face = face;
    p.light = face.Shifted(kToggleShadeStep);
    p.mid = face.Shifted(-kToggleShadeStep);
    p.shadow = btnShadow;
    p.dark = windowFrame;
    return p;
}

DrawnPalette MakePressedTogglePalette(ColorRef face, ColorRef btnShadow, ColorRef windowFrame)
{
    return MakeTogglePalette(face.Shifted(-kToggleShadeStep), btnShadow, windowFrame);
}

DrawnPens::DrawnPens(const DrawnPalette& palette, DrawnKind kind)
{
    for (DrawnPen pen : {DrawnPen::Face, DrawnPen::Light, DrawnPen::Mid, DrawnPen::Shadow, DrawnPen::Dark})
        m_pens[Index(pen)] = palette.Get(pen);
    if (kind == DrawnKind::Option) {
        m_pens[Index(DrawnPen::Highlight)] = palette.highlight;
        m_pens[Index(DrawnPen::DarkMix)] = palette.darkMix;
    }
}

ColorRef DrawnPens::Colour(DrawnPen pen) const
{
    assert(Has(pen));
    return m_pens[Index(pen)].value_or(ColorRef());
}

} // namespace hn
