// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small GDI-like drawing surface over a QImage, so that owner-drawn controls keep the
// exact pixels of their line-by-line drawing recipes. Pens are one pixel wide and
// aliased; a line excludes its end point; rectangles take (left, top, right, bottom)
// with right and bottom exclusive. Everything outside the image is clipped.
//
// On a high-density screen the target image carries a device pixel ratio above 1. The
// drawing coordinates stay those of the 1× recipes; every pixel of a recipe becomes a
// block of whole device pixels (2 × 2 at ratio 2) and a fill covers the device pixels
// its edges round to, so lines stay sharp and even and no colour is blended.
#include "platform/ColorRef.h"

#include <QImage>
#include <QPoint>
#include <initializer_list>

namespace hn {

class Canvas {
public:
    // Draws at the image's device pixel ratio.
    explicit Canvas(QImage& target);

    // The device pixel ratio the picture is drawn at, and the side of the block of
    // device pixels that one pen pixel covers.
    qreal Scale() const { return m_scale; }
    int PenSize() const { return m_penSize; }
    // Where a drawing coordinate starts in device pixels (without the origin).
    int ToDevice(int v) const;

    // Drawing coordinates are offset by this origin (a memory context's moved origin).
    void SetOrigin(int x, int y);
    QPoint Origin() const { return m_origin; }

    // Returns the previous pen or brush colour so that a caller can restore it.
    ColorRef SelectPen(ColorRef colour);
    ColorRef SelectBrush(ColorRef colour);
    ColorRef Pen() const { return m_pen; }
    ColorRef Brush() const { return m_brush; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint CurrentPosition() const { return m_position; }
    // MoveTo the first point, then LineTo every following one.
    void Polyline(std::initializer_list<QPoint> points);

    void SetPixel(int x, int y, ColorRef colour);
    // The colour at the top-left device pixel of the drawing pixel.
    ColorRef GetPixel(int x, int y) const;

    void FillRect(int left, int top, int right, int bottom, ColorRef colour);
    // Outline in the pen, inside in the brush.
    void Rectangle(int left, int top, int right, int bottom);
    // Rectangle with corners rounded by an ellipse of ellipseWidth × ellipseHeight.
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    // Dotted frame that inverts every other pixel, so drawing it twice removes it.
    void DrawFocusRect(int left, int top, int right, int bottom);
    // An icon with its transparency, its top-left corner at (x, y). The icon's own device
    // pixel ratio gives its size in drawing pixels; a picture drawn for this canvas's ratio
    // lands pixel for pixel, any other is scaled to the nearest device pixel. Disabled
    // draws it embossed: its dark shapes once in the highlight colour one drawing pixel
    // down-right, then in the shadow colour on top.
    void DrawIcon(int x, int y, const QImage& icon, bool disabled, ColorRef highlight, ColorRef shadow);

    QImage& Image() { return m_image; }

private:
    void Plot(int x, int y, ColorRef colour); // drawing coordinates after the origin, clipped
    void FillDevice(int x0, int y0, int x1, int y1, QRgb value); // device pixels, clipped

    QImage& m_image;
    // Direct access to the pixels: QImage::setPixel checks and detaches on every call,
    // and an animation repaints whole controls forty times a second.
    QRgb* m_bits = nullptr;
    qsizetype m_stride = 0; // pixels per row
    int m_width = 0, m_height = 0; // device pixels
    qreal m_scale = 1.0;
    int m_penSize = 1;
    QPoint m_origin{0, 0};
    QPoint m_position{0, 0};
    ColorRef m_pen{};
    ColorRef m_brush{ColorRef(0xFFFFFFu)};
};

} // namespace hn
