// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GaugeShades.h"

namespace hn {

namespace {

int LightenChannel(int channel, int step)
{
    return channel + step <= 255 ? channel + step : channel;
}

int DarkenChannel(int channel, int step)
{
    return channel >= step ? channel - step : channel;
}

} // namespace

ColorRef Lighten(ColorRef colour, int step)
{
    return ColorRef::Rgb(LightenChannel(colour.Red(), step), LightenChannel(colour.Green(), step),
                         LightenChannel(colour.Blue(), step));
}

ColorRef Darken(ColorRef colour, int step)
{
    return ColorRef::Rgb(DarkenChannel(colour.Red(), step), DarkenChannel(colour.Green(), step),
                         DarkenChannel(colour.Blue(), step));
}

GaugeShades MakeGaugeShades(ColorRef base, ColorRef shadow, ColorRef dkShadow)
{
    GaugeShades s;
    s.base = base;
    s.light1 = Lighten(base, kGaugeShadeStep);
    s.light2 = Lighten(s.light1, kGaugeShadeStep);
    s.light3 = Lighten(s.light2, kGaugeShadeStep);
    s.dark1 = Darken(base, kGaugeShadeStep);
    s.dark2 = Darken(s.dark1, kGaugeShadeStep);
    s.dkShadow = dkShadow;
    s.shadow = shadow;
    s.midShadow = ColorRef::Rgb((shadow.Red() + dkShadow.Red()) / 2, (shadow.Green() + dkShadow.Green()) / 2,
                                (shadow.Blue() + dkShadow.Blue()) / 2);
    return s;
}

} // namespace hn
