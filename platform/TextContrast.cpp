// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextContrast.h"

#include <algorithm>
#include <cmath>

namespace hn {

namespace {

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(ColorRef colour)
{
    return 0.2126 * Linear(colour.Red()) + 0.7152 * Linear(colour.Green()) + 0.0722 * Linear(colour.Blue());
}

double ContrastRatio(ColorRef a, ColorRef b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColorRef ReadableTextColour(ColorRef preferred, ColorRef background)
{
    if (ContrastRatio(preferred, background) >= kReadableContrast)
        return preferred;
    const ColorRef black = ColorRef::Rgb(0, 0, 0), white = ColorRef::Rgb(255, 255, 255);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

} // namespace hn
