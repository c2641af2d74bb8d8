// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GaugeDraw.h"

#include "controls/GaugeGeometry.h"

#include <algorithm>

namespace hn {

namespace {

// Selects a pen for the length of one drawing and gives the previous one back after.
class PenScope {
public:
    explicit PenScope(Canvas& canvas) : m_canvas(canvas), m_previous(canvas.Pen()) {}
    ~PenScope() { m_canvas.SelectPen(m_previous); }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

private:
    Canvas& m_canvas;
    ColorRef m_previous;
};

void Line(Canvas& cv, int x0, int y0, int x1, int y1)
{
    cv.MoveTo(x0, y0);
    cv.LineTo(x1, y1);
}

// The pen of each line within one stripe, by its index k; k without a pen keeps the fill.
struct StripeLine {
    int k;
    ColorRef GaugeShades::*pen;
};

void DrawHorizontalStripes(Canvas& cv, const GaugeShades& s, GaugeBarRect r, int offset)
{
    static constexpr StripeLine kLines[] = {
        {0, &GaugeShades::dark2}, {1, &GaugeShades::dark1},  {9, &GaugeShades::dark1},
        {2, &GaugeShades::base},  {8, &GaugeShades::base},   {3, &GaugeShades::light1},
        {7, &GaugeShades::light1}, {4, &GaugeShades::light2}, {6, &GaugeShades::light2},
    };
    const int h = r.d - r.b;
    const int n = (r.c - r.a) / kGaugeStripePeriod + 2;
    int x = offset + r.a - kGaugeStripePeriod + h + 1;
    for (int i = 0; i < n; ++i, x += kGaugeStripePeriod)
        for (const StripeLine& l : kLines) {
            cv.SelectPen(s.*l.pen);
            Line(cv, x + l.k - h, r.b, x + l.k, r.d); // 45°, one pixel right per row
        }
}

void DrawVerticalStripes(Canvas& cv, const GaugeShades& s, GaugeBarRect r, int offset)
{
    static constexpr StripeLine kLines[] = {
        {-1, &GaugeShades::dark2}, {0, &GaugeShades::dark1},  {8, &GaugeShades::dark1},
        {1, &GaugeShades::base},   {7, &GaugeShades::base},   {2, &GaugeShades::light1},
        {6, &GaugeShades::light1}, {3, &GaugeShades::light2}, {5, &GaugeShades::light2},
    };
    const int w = r.c - r.a + 1;
    const int n = (r.d - r.b) / kGaugeStripePeriod + 2;
    int y = r.d - offset + 1;
    for (int i = 0; i < n; ++i, y -= kGaugeStripePeriod)
        for (const StripeLine& l : kLines) {
            cv.SelectPen(s.*l.pen);
            Line(cv, r.a, y + l.k, r.c + 1, y + l.k + w);
        }
}

void DrawHorizontalTube(Canvas& cv, const GaugeShades& s, GaugeBarRect r)
{
    const auto [a, b, c, d] = r;
    cv.SelectPen(s.light1);
    Line(cv, a + 2, d - 4, c - 2, d - 4);
    Line(cv, a + 2, b + 2, c - 2, b + 2);
    cv.SetPixel(a + 1, d - 3, s.light1);
    cv.SetPixel(a + 1, b + 1, s.light1);
    cv.SelectPen(s.light2);
    cv.Polyline({{a + 2, d - 5}, {c - 3, d - 5}, {c - 3, b + 3}, {a + 1, b + 3}});
    cv.SetPixel(a + 1, d - 4, s.light2);
    cv.SetPixel(a + 1, b + 2, s.light2);
    cv.SelectPen(s.base);
    cv.Polyline({{a, d - 1}, {a, b}, {a + 2, b}});
    cv.SetPixel(a + 1, d - 2, s.base);
    Line(cv, a + 2, d - 3, c - 2, d - 3);
    Line(cv, a + 2, b + 1, c - 1, b + 1);
    cv.SelectPen(s.dark1);
    cv.Polyline({{a + 2, d - 2}, {c - 2, d - 2}, {c - 2, b + 1}});
    Line(cv, a + 2, b, c, b);
    cv.SetPixel(a + 1, d - 1, s.dark1);
    cv.SelectPen(s.dark2);
    cv.Polyline({{a + 2, d - 1}, {c - 1, d - 1}, {c - 1, b}});
    // The two shadow columns just after the bar's end.
    cv.SelectPen(s.midShadow);
    Line(cv, c, b, c, d);
    cv.SelectPen(s.shadow);
    Line(cv, c + 1, b, c + 1, d);
}

void DrawVerticalTube(Canvas& cv, const GaugeShades& s, GaugeBarRect r)
{
    const auto [a, b, c, d] = r;
    if (d - b <= 3) {
        // Too short for the shading: a plain outlined block.
        cv.SelectPen(s.dark1);
        const ColorRef brush = cv.SelectBrush(s.base);
        cv.Rectangle(a, b, c, d);
        cv.SelectBrush(brush);
        return;
    }
    cv.SelectPen(s.base);
    cv.Polyline({{a, b + 1}, {a, b}, {c, b}});
    Line(cv, a + 1, d - 2, a + 1, b + 1);
    Line(cv, c - 3, d - 3, c - 3, b + 1);
    cv.SetPixel(c - 2, b + 1, s.base);
    cv.SelectPen(s.light1);
    Line(cv, a + 2, d - 3, a + 2, b + 1);
    Line(cv, c - 4, d - 3, c - 4, b + 1);
    cv.SetPixel(a + 1, b + 1, s.light1);
    cv.SetPixel(c - 3, b + 1, s.light1);
    cv.SelectPen(s.light2);
    Line(cv, a + 3, d - 3, a + 3, b + 1);
    Line(cv, c - 5, d - 3, c - 5, b + 1);
    cv.SetPixel(a + 2, b + 1, s.light2);
    cv.SetPixel(c - 4, b + 1, s.light2);
    cv.SelectPen(s.dark1);
    Line(cv, a, d - 1, a, b + 1);
    cv.Polyline({{a + 2, d - 2}, {c - 2, d - 2}, {c - 2, b + 1}});
    cv.SetPixel(c - 1, b + 1, s.dark1);
    cv.SelectPen(s.dark2);
    cv.Polyline({{a + 1, d - 1}, {c - 1, d - 1}, {c - 1, b + 1}});
}

} // namespace

void DrawGaugeHorizontal(Canvas& canvas, const GaugeShades& shades, GaugeBarRect bar, bool animating, int animOffset)
{
    if (bar.a == bar.c)
        return;
    PenScope keep(canvas);
    if (animating)
        DrawHorizontalStripes(canvas, shades, bar, animOffset);
    else
        DrawHorizontalTube(canvas, shades, bar);
}

void DrawGaugeVertical(Canvas& canvas, const GaugeShades& shades, GaugeBarRect bar, bool animating, int animOffset)
{
    if (bar.b == bar.d)
        return;
    PenScope keep(canvas);
    if (animating)
        DrawVerticalStripes(canvas, shades, bar, animOffset);
    else
        DrawVerticalTube(canvas, shades, bar);
}

void PaintGauge(Canvas& canvas, const GaugeShades& shades, ColorRef face, const GaugePaintState& st)
{
    // The face colour shows only where the bar does not reach; the bar's light 3 fill
    // covers the rest, so the face is painted just there (the same pixels as filling
    // the whole control first, with half the work per animation step).
    GaugeBarRect bar{0, 0, st.width, st.height};
    if (st.vertical) {
        if (!st.animating)
            bar.b = st.height - GaugeBarLength(st.pos, st.lower, st.upper, st.height);
        canvas.FillRect(0, 0, st.width, bar.b, face);
        canvas.FillRect(bar.a, bar.b, bar.c, bar.d, shades.light3);
        DrawGaugeVertical(canvas, shades, bar, st.animating, st.animOffset);
    } else {
        if (!st.animating)
            bar.c = GaugeBarLength(st.pos, st.lower, st.upper, st.width);
        canvas.FillRect(bar.c, 0, st.width, st.height, face);
        canvas.FillRect(bar.a, bar.b, bar.c, bar.d, shades.light3);
        DrawGaugeHorizontal(canvas, shades, bar, st.animating, st.animOffset);
    }
}

} // namespace hn
