// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace hn {

Canvas::Canvas(QImage& target) : m_image(target)
{
    if (m_image.format() != QImage::Format_RGB32 && m_image.format() != QImage::Format_ARGB32)
        m_image = m_image.convertToFormat(QImage::Format_RGB32);
    m_bits = reinterpret_cast<QRgb*>(m_image.bits());
    m_stride = m_image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    m_width = m_image.width();
    m_height = m_image.height();
    m_scale = m_image.devicePixelRatio() > 0 ? m_image.devicePixelRatio() : 1.0;
    // A pen pixel is as many device pixels wide as the ratio rounds to, so that every
    // line of a recipe has the same width (at 1.5 some would be one pixel, some two).
    m_penSize = std::max(1, static_cast<int>(std::lround(m_scale)));
}

int Canvas::ToDevice(int v) const
{
    if (m_scale == 1.0)
        return v;
    return static_cast<int>(std::floor(v * m_scale + 0.5));
}

namespace {
QRgb ToRgb(ColorRef c)
{
    return qRgb(c.Red(), c.Green(), c.Blue());
}
} // namespace

void Canvas::SetOrigin(int x, int y)
{
    m_origin = QPoint(x, y);
}

ColorRef Canvas::SelectPen(ColorRef colour)
{
    return std::exchange(m_pen, colour);
}

ColorRef Canvas::SelectBrush(ColorRef colour)
{
    return std::exchange(m_brush, colour);
}

void Canvas::Plot(int x, int y, ColorRef c)
{
    if (m_penSize == 1 && m_scale == 1.0) {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return;
        m_bits[y * m_stride + x] = ToRgb(c);
        return;
    }
    const int dx = ToDevice(x), dy = ToDevice(y);
    FillDevice(dx, dy, dx + m_penSize, dy + m_penSize, ToRgb(c));
}

void Canvas::FillDevice(int x0, int y0, int x1, int y1, QRgb value)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, m_width);
    y1 = std::min(y1, m_height);
    if (x0 >= x1 || y0 >= y1)
        return;
    for (int y = y0; y < y1; ++y) {
        QRgb* row = m_bits + y * m_stride;
        std::fill(row + x0, row + x1, value);
    }
}

void Canvas::MoveTo(int x, int y)
{
    m_position = QPoint(x, y);
}

void Canvas::LineTo(int x, int y)
{
    // Bresenham from the current position; the end point itself is left out.
    int x0 = m_position.x(), y0 = m_position.y();
    const int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
        Plot(x0 + m_origin.x(), y0 + m_origin.y(), m_pen);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    m_position = QPoint(x, y);
}

void Canvas::Polyline(std::initializer_list<QPoint> points)
{
    bool first = true;
    for (const QPoint& p : points) {
        if (first)
            MoveTo(p.x(), p.y());
        else
            LineTo(p.x(), p.y());
        first = false;
    }
}

void Canvas::SetPixel(int x, int y, ColorRef colour)
{
    Plot(x + m_origin.x(), y + m_origin.y(), colour);
}

ColorRef Canvas::GetPixel(int x, int y) const
{
    const int px = ToDevice(x + m_origin.x()), py = ToDevice(y + m_origin.y());
    if (px < 0 || py < 0 || px >= m_width || py >= m_height)
        return ColorRef();
    const QRgb v = m_bits[py * m_stride + px];
    return ColorRef::Rgb(qRed(v), qGreen(v), qBlue(v));
}

void Canvas::FillRect(int left, int top, int right, int bottom, ColorRef colour)
{
    if (right <= left || bottom <= top)
        return;
    FillDevice(ToDevice(left + m_origin.x()), ToDevice(top + m_origin.y()), ToDevice(right + m_origin.x()),
               ToDevice(bottom + m_origin.y()), ToRgb(colour));
}

void Canvas::Rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    FillRect(left, top, right, bottom, m_brush);
    for (int x = left; x < right; ++x) {
        SetPixel(x, top, m_pen);
        SetPixel(x, bottom - 1, m_pen);
    }
    for (int y = top; y < bottom; ++y) {
        SetPixel(left, y, m_pen);
        SetPixel(right - 1, y, m_pen);
    }
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    const int w = right - left, h = bottom - top;
    if (w <= 0 || h <= 0)
        return;
    const double rx = std::min(ellipseWidth, w) / 2.0, ry = std::min(ellipseHeight, h) / 2.0;

    // A pixel belongs to the shape when its centre lies inside the corner ellipses'
    // quarter (or anywhere away from the corners).
    auto inside = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return false;
        const double px = x + 0.5, py = y + 0.5;
        double cx = px, cy = py;
        if (px < rx)
            cx = rx;
        else if (px > w - rx)
            cx = w - rx;
        if (py < ry)
            cy = ry;
        else if (py > h - ry)
            cy = h - ry;
        if (rx <= 0 || ry <= 0)
            return true;
        const double nx = (px - cx) / rx, ny = (py - cy) / ry;
        return nx * nx + ny * ny <= 1.0 + 1e-9;
    };

    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!inside(x, y))
                continue;
            const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            SetPixel(left + x, top + y, edge ? m_pen : m_brush);
        }
    }
}

void Canvas::DrawFocusRect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    auto invert = [&](int x, int y) {
        if ((x + y) % 2 != 0)
            return;
        const ColorRef c = GetPixel(x, y);
        SetPixel(x, y, ColorRef(~c.Packed()));
    };
    for (int x = left; x < right; ++x) {
        invert(x, top);
        if (bottom - 1 != top)
            invert(x, bottom - 1);
    }
    for (int y = top + 1; y < bottom - 1; ++y) {
        invert(left, y);
        if (right - 1 != left)
            invert(right - 1, y);
    }
}

void Canvas::DrawIcon(int x, int y, const QImage& icon, bool disabled, ColorRef highlight, ColorRef shadow)
{
    if (icon.isNull())
        return;
    const QImage src = icon.convertToFormat(QImage::Format_ARGB32);
    const qreal iconRatio = icon.devicePixelRatio() > 0 ? icon.devicePixelRatio() : 1.0;
    // The icon's place in device pixels; each device pixel takes the icon pixel under its
    // centre, which is the icon's own pixel when the ratios agree.
    const int logicalW = static_cast<int>(std::lround(src.width() / iconRatio));
    const int logicalH = static_cast<int>(std::lround(src.height() / iconRatio));
    const int devW = ToDevice(logicalW), devH = ToDevice(logicalH);
    if (devW <= 0 || devH <= 0)
        return;
    auto sourceAt = [&](int dx, int dy) {
        return src.pixel(std::min(src.width() - 1, dx * src.width() / devW),
                         std::min(src.height() - 1, dy * src.height() / devH));
    };
    // The embossed look keeps only the icon's darker shapes: light pixels drop out.
    auto ink = [&](QRgb v) { return qAlpha(v) >= 128 && qGray(v) < 192; };

    auto put = [&](int px, int py, QRgb value) {
        if (px >= 0 && py >= 0 && px < m_width && py < m_height)
            m_bits[py * m_stride + px] = value;
    };
    const int left = ToDevice(x + m_origin.x()), top = ToDevice(y + m_origin.y());
    if (!disabled) {
        for (int dy = 0; dy < devH; ++dy)
            for (int dx = 0; dx < devW; ++dx) {
                const QRgb v = sourceAt(dx, dy);
                if (qAlpha(v) >= 128)
                    put(left + dx, top + dy, qRgb(qRed(v), qGreen(v), qBlue(v)));
            }
        return;
    }
    // The emboss offset is one drawing pixel, as many device pixels as a pen pixel.
    for (int pass = 0; pass < 2; ++pass) {
        const int off = pass == 0 ? m_penSize : 0;
        const QRgb c = ToRgb(pass == 0 ? highlight : shadow);
        for (int dy = 0; dy < devH; ++dy)
            for (int dx = 0; dx < devW; ++dx)
                if (ink(sourceAt(dx, dy)))
                    put(left + dx + off, top + dy + off, c);
    }
}

} // namespace hn
